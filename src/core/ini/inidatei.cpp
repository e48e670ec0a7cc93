#include "ini/inidatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const QString Dateiname = QStringLiteral("qvt.ini");
}

QString IniPfad(const QString& programmOrdner)
{
    const QFileInfo ordner(programmOrdner);
    const QFileInfo lokal(QDir(programmOrdner).filePath(Dateiname));
    const bool nutzbar = lokal.exists() ? lokal.isFile() && lokal.isWritable()
                                        : ordner.isDir() && ordner.isWritable();
    if (nutzbar)
        return lokal.filePath();
    // Not the application-specific location: that would depend on the organisation name
    // the program happens to set.
    const QString basis = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(basis).filePath(QStringLiteral("kalumo/") + Dateiname);
}

QString IniLesePfad(const QString& programmOrdner)
{
    const QString pfad = IniPfad(programmOrdner);
    const QString lokal = QDir(programmOrdner).filePath(Dateiname);
    return !QFileInfo::exists(pfad) && QFileInfo(lokal).isFile() ? lokal : pfad;
}

TIniDokument IniLesen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return TIniDokument::AusBytes(f.readAll());
}

bool IniSchreiben(const QString& pfad, const QString& sektion, const QString& schluessel, const QString& wert)
{
    const QFileInfo info(pfad);
    TIniDokument d;
    if (info.exists()) {
        // An existing file we may not change stays as it is; replacing it through a new
        // file would get around its write protection.
        if (!info.isFile() || !info.isWritable())
            return false;
        QFile f(pfad);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        d = TIniDokument::AusBytes(f.readAll());
    } else if (!QDir().mkpath(info.absolutePath())) {
        return false;
    }
    d.Setze(sektion, schluessel, wert);

    QSaveFile aus(pfad);
    if (!aus.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = d.Bytes();
    if (aus.write(bytes) != bytes.size()) {
        aus.cancelWriting();
        return false;
    }
    return aus.commit();
}
