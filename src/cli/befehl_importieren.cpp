// kalumo-cli importieren AUS.qvt [--in EIN.qvt] [--lehrer …] [--schueler …] [--unterricht …]
// [--wuensche …] …: the school's own exports into a day file, with the same report the
// program shows before applying.
#include "datei_befehle.h"
#include "model/sprechtag.h"
#include "schuldaten/faecher.h"
#include "schuldaten/schulimport.h"

#include <QDir>

using namespace Schuldaten;

namespace {

std::optional<QChar> trennerAus(const QString& text)
{
    const QString t = text.toLower();
    if (t == u"\\t" || t == u"tab" || t == u"tabulator" || t == u"\t")
        return QChar(u'\t');
    if (t == u"semikolon")
        return QChar(u';');
    if (t == u"komma")
        return QChar(u',');
    if (t == u"strich")
        return QChar(u'|');
    if (t.size() == 1 && QStringView(u";,|").contains(t[0]))
        return t[0];
    return std::nullopt;
}

int Importieren(const QStringList& argumente, TCliAusgabe& io)
{
    QStringList positionen;
    QString ein;
    QList<TQuelle> quellen;
    TImportMuster muster;
    std::optional<TKodierung> kodierung;
    std::optional<QChar> trenner;
    bool trockenlauf = false;
    const QList<std::pair<QLatin1String, TQuellArt>> dateiOptionen{
        {QLatin1String("--lehrer"), TQuellArt::Lehrer},
        {QLatin1String("--schueler"), TQuellArt::Schueler},
        {QLatin1String("--unterricht"), TQuellArt::Unterricht},
        {QLatin1String("--wuensche"), TQuellArt::Wuensche},
        {QLatin1String("--einladungen"), TQuellArt::Wuensche}};

    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--trockenlauf")) {
            trockenlauf = true;
            continue;
        }
        if (a == QLatin1String("--erster-wunsch-vorrang")) {
            muster.ErsterWunschVorrang = true;
            continue;
        }
        if (a == QLatin1String("--umschreiben") || a == QLatin1String("--nicht-umschreiben")) {
            muster.Umschreiben = a == QLatin1String("--umschreiben");
            continue;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            positionen.append(a);
            continue;
        }
        if (i + 1 >= argumente.size()) {
            io.fehler << "Der Option " << a << " fehlt ihr Wert.\n";
            return ExitVerwendung;
        }
        const QString wert = argumente[++i];
        bool erkannt = false;
        for (const auto& [option, art] : dateiOptionen)
            if (a == option) {
                TQuelle q;
                q.Pfad = wert;
                q.Art = art;
                q.Einladungen = a == QLatin1String("--einladungen");
                quellen.append(q);
                erkannt = true;
            }
        if (erkannt)
            continue;
        if (a == QLatin1String("--in")) {
            ein = wert;
        } else if (a == QLatin1String("--lehrer-muster")) {
            muster.Lehrer = wert;
        } else if (a == QLatin1String("--eltern-muster")) {
            muster.Eltern = wert;
        } else if (a == QLatin1String("--faecher")) {
            QString fehler;
            FachTabelleAusText(wert, &fehler);
            if (!fehler.isEmpty()) {
                io.fehler << fehler << "\n";
                return ExitVerwendung;
            }
            muster.Faecher = wert;
        } else if (a == QLatin1String("--kodierung")) {
            kodierung = KodierungAusName(wert);
            if (!kodierung) {
                io.fehler << "Unbekannte Kodierung: " << wert << " (erlaubt: utf-8, utf-16, cp1252)\n";
                return ExitVerwendung;
            }
        } else if (a == QLatin1String("--trennzeichen")) {
            trenner = trennerAus(wert);
            if (!trenner) {
                io.fehler << "Unbekanntes Trennzeichen: " << wert << " (erlaubt: ; , | tab)\n";
                return ExitVerwendung;
            }
        } else {
            io.fehler << "Unbekannte Option: " << a << "\n";
            return ExitVerwendung;
        }
    }
    if (positionen.size() != 1)
        return ExitVerwendung;
    if (quellen.isEmpty()) {
        io.fehler << "Keine Quelldatei angegeben (--lehrer, --schueler, --unterricht, --wuensche oder "
                     "--einladungen).\n";
        return ExitVerwendung;
    }

    TSprechtag tag;
    if (!ein.isEmpty()) {
        if (const auto status = CliDatei::Lade(io, tag, ein, TLadeModus::Ersetzen))
            return *status;
    }

    // Every file is read and checked before anything is imported.
    QList<TGeleseneQuelle> gelesen;
    for (TQuelle q : std::as_const(quellen)) {
        q.Kodierung = kodierung;
        q.Trenner = trenner;
        const TGeleseneQuelle g = LeseQuelle(q);
        if (!g.ok())
            return CliDatei::Fehler(io, g.Fehler);
        const QString fehlt = FehlendeSpalten(g.Zuordnung, q.Art);
        if (!fehlt.isEmpty())
            return CliDatei::Fehler(io, QStringLiteral("Die Datei „%1“ kann nicht importiert werden.\n%2")
                                            .arg(QDir::toNativeSeparators(q.Pfad), fehlt));
        gelesen.append(g);
    }

    const TImportPlan plan = PlaneImport(tag, gelesen, muster);
    io.aus << BerichtText(gelesen, plan);
    const bool ungueltig = plan.MachtPlaeneUngueltig(tag);
    if (ungueltig)
        io.aus << "Die neuen Sprechwünsche machen die Zeitpläne ungültig; sie werden nicht mitgeschrieben.\n";
    if (trockenlauf) {
        io.aus << "Trockenlauf: nichts geschrieben.\n";
        io.aus.flush();
        return 0;
    }
    WendeImportAn(tag, plan);
    const TDateiErgebnis geschrieben = Datei::Speichern(tag, positionen.first(), Inhalt::Alles);
    if (!geschrieben.ok())
        return CliDatei::Fehler(io, geschrieben.Fehler);
    io.aus << positionen.first() << " geschrieben: " << tag.Lehrer.Anzahl() << " Lehrer, " << tag.Eltern.Anzahl()
           << " Eltern, " << tag.AnzSprechwuensche() << " Sprechwünsche.\n";
    io.aus.flush();
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("importieren"),
    TBefehl{QStringLiteral("importieren AUS.qvt [--in EIN.qvt] [--lehrer DATEI] [--schueler DATEI] "
                           "[--unterricht DATEI] [--wuensche DATEI] [--einladungen DATEI] [--erster-wunsch-vorrang] "
                           "[--lehrer-muster MUSTER] "
                           "[--eltern-muster MUSTER] [--faecher \"KÜRZEL=FACH; …\"] [--kodierung utf-8|utf-16|cp1252] "
                           "[--trennzeichen ZEICHEN] [--umschreiben|--nicht-umschreiben] [--trockenlauf]"),
            QStringLiteral("Importiert Lehrer, Schüler, Unterricht und Sprechwünsche aus Exporten der "
                           "Schulverwaltung oder des Stundenplanprogramms in EIN.qvt oder einen neuen "
                           "Sprechtag, zeigt den Bericht und speichert als AUS.qvt. Namen mit Zeichen, "
                           "die Windows-1252 nicht kennt, werden mit ähnlichen Buchstaben geschrieben "
                           "(--umschreiben, Vorgabe) oder abgelehnt (--nicht-umschreiben). Eine Einladungsdatei "
                           "nennt je Zeile Lehrkraft (Kürzel oder Name) und Schüler (Klasse und Name oder "
                           "Eintrag); eine Spalte „Priorität“ oder „wichtig“ der Wunschdatei markiert Wünsche "
                           "mit Vorrang, --erster-wunsch-vorrang den ersten Wunsch jeder Zeile."),
            Importieren});

} // namespace
