// kalumo-cli termine EIN.qvt ORDNER --datum JJJJ-MM-TT: writes the list of every talk and
// a calendar file per family.
#include "datei_befehle.h"
#include "ein_aus_argumente.h"
#include "model/sprechtag.h"
#include "termine/export.h"

#include <QRegularExpression>

namespace {

/// The export time: now, or SOURCE_DATE_EPOCH where a reproducible result is wanted.
QDateTime Stempel()
{
    bool ok = false;
    const qint64 sekunden = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(sekunden, Qt::UTC) : QDateTime::currentDateTimeUtc();
}

int Termine(const QStringList& argumente, TCliAusgabe& io)
{
    const QString datumOption = QStringLiteral("--datum");
    const auto aufruf = CliEinAus::Lies(argumente, TEinAusErlaubt{{}, {datumOption}, {}}, io);
    if (!aufruf)
        return ExitVerwendung;
    const QString datumText = aufruf->Wert(datumOption);
    if (datumText.isEmpty()) {
        io.fehler << QStringLiteral("Bitte das Datum des Elternsprechtags mit --datum JJJJ-MM-TT angeben.\n");
        return ExitVerwendung;
    }
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate datum = form.match(datumText).hasMatch() ? QDate::fromString(datumText, Qt::ISODate) : QDate();
    if (!datum.isValid()) {
        io.fehler << QStringLiteral("„%1“ ist kein gültiges Datum (JJJJ-MM-TT).\n").arg(datumText);
        return ExitVerwendung;
    }

    TSprechtag tag;
    if (const auto status = CliEinAus::LadeEin(tag, aufruf->ein, io))
        return *status;
    if (!tag.PlaeneGueltig)
        return CliDatei::Fehler(io, QStringLiteral("„%1“: Es liegen keine gültigen Zeitpläne vor. Bitte zuerst "
                                                   "berechnen (kalumo-cli berechnen).")
                                        .arg(aufruf->ein));
    const TTerminExport e = Termine::Exportiere(tag, aufruf->aus, datum, Stempel());
    if (!e.ok())
        return CliDatei::Fehler(io, e.Fehler);
    io.aus << CliDatei::Konsole(Termine::Bericht(e)) << "\n";
    io.aus.flush();
    // The files hold every talk that could be read; a script must still learn that some
    // are missing.
    if (!e.Vollstaendig())
        return CliDatei::Fehler(io, QStringLiteral("Der Export ist unvollständig: %1 Termine der Elternpläne fehlen "
                                                   "in den Kalenderdateien und in „%2“.")
                                        .arg(e.Fehlend.size())
                                        .arg(TermineCsvName));
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("termine"),
    TBefehl{QStringLiteral("termine EIN.qvt ORDNER --datum JJJJ-MM-TT"),
            QStringLiteral("Exportiert die Termine der Zeitpläne von EIN.qvt für den Tag JJJJ-MM-TT: ORDNER/Termine.csv "
                           "mit jedem Gespräch (Datum;Beginn;Ende;Lehrkraft;Raum;Eintrag) und im Unterordner Kalender eine "
                           "Kalenderdatei (.ics) je Familie."),
            Termine});

} // namespace
