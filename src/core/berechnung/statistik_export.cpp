#include "berechnung/statistik_export.h"

#include "dateisystem/schreiben.h"
#include "text/cp1252.h"


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
    const QString grund = Dateisystem::SchreibeAtomar(pfad, NichtErfuellteAlsText(zeilen));
    return grund.isEmpty() ? QString() : Dateisystem::NichtGespeichert(pfad, grund);
}
