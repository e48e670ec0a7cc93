#include "ini/inidatei.h"

#include "dateisystem/lesen.h"
#include "dateisystem/schreiben.h"

#include <QDir>
#include <QFileInfo>
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
    const Dateisystem::TGelesen gelesen = Dateisystem::LiesDatei(pfad, MaxIniBytes);
    return gelesen.ok() ? TIniDokument::AusBytes(gelesen.Bytes) : TIniDokument();
}

bool IniSchreiben(const QString& pfad, const QString& sektion, const QString& schluessel, const QString& wert,
                  QString* grund)
{
    auto abgelehnt = [grund](const QString& warum) {
        if (grund)
            *grund = warum;
        return false;
    };
    const QFileInfo info(pfad);
    TIniDokument d;
    if (info.exists() || info.isSymLink()) {
        // A file we cannot read completely is not rewritten from what little we know of
        // it: the write would lose everything else in it.
        const Dateisystem::TGelesen gelesen = Dateisystem::LiesDatei(pfad, MaxIniBytes);
        if (!gelesen.ok())
            return abgelehnt(gelesen.Meldung(pfad, MaxIniBytes));
        d = TIniDokument::AusBytes(gelesen.Bytes);
    } else if (!QDir().mkpath(info.absolutePath())) {
        return abgelehnt(QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.")
                             .arg(QDir::toNativeSeparators(info.absolutePath())));
    }
    d.Setze(sektion, schluessel, wert);
    const QString fehler = Dateisystem::SchreibeAtomar(pfad, d.Bytes());
    if (!fehler.isEmpty())
        return abgelehnt(fehler);
    return true;
}
