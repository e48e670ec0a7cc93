#include "termine/export.h"

#include "dateisystem/schreiben.h"
#include "termine/kalender.h"
#include "termine/termincsv.h"
#include "termine/termine.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace Termine {

namespace {

/// Empty when `pfad` is a folder now (made if needed), else the message.
QString ordnerBereit(const QString& pfad)
{
    const QFileInfo info(pfad);
    if (info.exists() && !info.isDir())
        return QStringLiteral("„%1“ ist kein Ordner.").arg(QDir::toNativeSeparators(pfad));
    if (!info.exists() && !QDir().mkpath(pfad))
        return QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(QDir::toNativeSeparators(pfad));
    return {};
}

} // namespace

TTerminExport Exportiere(const TSprechtag& tag, const QString& ordner, QDate datum, const QDateTime& stempel)
{
    TTerminExport e;
    if (!tag.PlaeneGueltig) {
        e.Fehler = QStringLiteral("Es liegen keine gültigen Zeitpläne vor. Bitte berechnen Sie zuerst die Zeitpläne.");
        return e;
    }
    if (!datum.isValid() || datum.year() < 1 || datum.year() > 9999) {
        e.Fehler = QStringLiteral("Bitte geben Sie ein gültiges Datum des Elternsprechtags an.");
        return e;
    }
    if (ordner.trimmed().isEmpty()) {
        e.Fehler = QStringLiteral("Bitte geben Sie einen Zielordner an.");
        return e;
    }

    const TTerminListe liste = Lies(tag);
    e.Termine = int(liste.Termine.size());
    e.Uebersprungen = liste.Uebersprungen;
    const QDir ziel(ordner);
    e.CsvPfad = ziel.filePath(TermineCsvName);
    e.KalenderPfad = ziel.filePath(KalenderOrdnerName);
    if (QString f = ordnerBereit(ordner); !f.isEmpty()) {
        e.Fehler = f;
        return e;
    }
    if (QString f = ordnerBereit(e.KalenderPfad); !f.isEmpty()) {
        e.Fehler = f;
        return e;
    }

    if (const QString grund = Dateisystem::SchreibeAtomar(e.CsvPfad, Csv(liste)); !grund.isEmpty()) {
        e.Fehler = Dateisystem::NichtGespeichert(QDir::toNativeSeparators(e.CsvPfad), grund);
        return e;
    }
    const QStringList namen = Kalender::Dateinamen(liste, tag);
    QSet<QString> geschrieben;
    const QDir kalender(e.KalenderPfad);
    // One look for leftovers of killed exports instead of one per family.
    Dateisystem::RaeumeResteAuf(e.KalenderPfad);
    for (int f = 0; f < int(liste.Familien.size()); ++f) {
        const QString datei = namen.at(f) + QStringLiteral(".ics");
        const QString pfad = kalender.filePath(datei);
        const QString grund = Dateisystem::SchreibeAtomar(pfad, Kalender::Familie(liste, f, datum, stempel),
                                                          Dateisystem::TReste::SchonAufgeraeumt);
        if (!grund.isEmpty()) {
            e.Fehler = Dateisystem::NichtGespeichert(QDir::toNativeSeparators(pfad), grund);
            return e;
        }
        geschrieben.insert(datei);
        ++e.Kalender;
    }
    for (const QString& datei : kalender.entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name))
        if (!geschrieben.contains(datei))
            e.Fremde.append(datei);
    return e;
}

QString Bericht(const TTerminExport& e)
{
    QString text = QStringLiteral("%1 Termine nach „%2“ und %3 Kalenderdateien in den Ordner „%4“ exportiert.")
                       .arg(e.Termine)
                       .arg(QDir::toNativeSeparators(e.CsvPfad))
                       .arg(e.Kalender)
                       .arg(QDir::toNativeSeparators(e.KalenderPfad));
    if (e.Uebersprungen > 0)
        text += QStringLiteral("\r%1 Zeilen in Elternplänen haben keine Uhrzeit „hh:mm Uhr: “ und wurden nicht exportiert.")
                    .arg(e.Uebersprungen);
    if (!e.Fremde.isEmpty())
        text += QStringLiteral("\rIm Ordner „%1“ liegen außerdem %2 ältere Kalenderdateien, die nicht zu diesem Export "
                               "gehören, z. B. „%3“.")
                    .arg(KalenderOrdnerName)
                    .arg(e.Fremde.size())
                    .arg(e.Fremde.front());
    return text;
}

} // namespace Termine
