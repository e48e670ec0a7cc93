#include "berechnung/statistik_export.h"

#include "text/cp1252.h"

#include <QDir>
#include <QSaveFile>

QByteArray NichtErfuellteAlsText(const QStringList& zeilen)
{
    QByteArray bytes;
    for (const QString& z : zeilen) {
        bytes += Cp1252::Kodiere(z);
        bytes += "\r\n";
    }
    return bytes;
}

QString SchreibeNichtErfuellte(const QString& pfad, const QStringList& zeilen)
{
    const QByteArray bytes = NichtErfuellteAlsText(zeilen);
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden:\r%2")
            .arg(QDir::toNativeSeparators(pfad), datei.errorString());
    if (datei.write(bytes) != bytes.size() || !datei.commit())
        return QStringLiteral("Die Datei „%1“ konnte nicht vollständig geschrieben werden:\r%2")
            .arg(QDir::toNativeSeparators(pfad), datei.errorString());
    return {};
}
