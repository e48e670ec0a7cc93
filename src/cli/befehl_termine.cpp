// kalumo-cli termine EIN.qvt ORDNER --datum JJJJ-MM-TT: writes the list of every talk and
// a calendar file per family.
#include "datei_befehle.h"
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
    QStringList dateien;
    QString datumText;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--datum")) {
            if (i + 1 >= argumente.size()) {
                io.fehler << QStringLiteral("Nach --datum fehlt das Datum (JJJJ-MM-TT).\n");
                return ExitVerwendung;
            }
            datumText = argumente[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            io.fehler << QStringLiteral("Unbekannte Option: ") << a << "\n";
            return ExitVerwendung;
        } else {
            dateien.append(a);
        }
    }
    if (dateien.size() != 2)
        return ExitVerwendung;
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
    const TDateiErgebnis gelesen = Datei::Laden(tag, dateien[0], TLadeModus::Hinzufuegen);
    if (!gelesen.ok())
        return CliDatei::Fehler(io, gelesen.Fehler);
    if (!tag.PlaeneGueltig)
        return CliDatei::Fehler(io, QStringLiteral("„%1“: Es liegen keine gültigen Zeitpläne vor. Bitte zuerst "
                                                   "berechnen (kalumo-cli berechnen).")
                                        .arg(dateien[0]));
    const TTerminExport e = Termine::Exportiere(tag, dateien[1], datum, Stempel());
    if (!e.ok())
        return CliDatei::Fehler(io, e.Fehler);
    io.aus << CliDatei::Konsole(Termine::Bericht(e)) << "\n";
    io.aus.flush();
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("termine"),
    TBefehl{QStringLiteral("termine EIN.qvt ORDNER --datum JJJJ-MM-TT"),
            QStringLiteral("Exportiert die Termine der Zeitpläne von EIN.qvt für den Tag JJJJ-MM-TT: ORDNER/Termine.csv "
                           "mit jedem Gespräch (Beginn;Ende;Lehrkraft;Raum;Eintrag) und im Unterordner Kalender eine "
                           "Kalenderdatei (.ics) je Familie."),
            Termine});

} // namespace
