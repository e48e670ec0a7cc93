// kalumo-cli ausfall EIN.qvt AUS.qvt --lehrer NAME [--ab HH:MM | --bis HH:MM | --ganz]
// [--csv DATEI]: re-plans a saved day for a teacher who drops out, prints the lists and
// saves the day.
#include "datei_befehle.h"
#include "dateisystem/schreiben.h"
#include "model/sprechtag.h"
#include "optimierung/ausfall.h"

#include <optional>

namespace {

int Ausfall(const QStringList& argumente, TCliAusgabe& io)
{
    QStringList dateien;
    QString lehrer;
    QString csv;
    std::optional<TAusfallArt> art;
    double zeit = 0;
    auto wert = [&](qsizetype& i) -> std::optional<QString> {
        if (i + 1 >= argumente.size())
            return std::nullopt;
        return argumente[++i];
    };
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--lehrer") || a == QLatin1String("--csv")) {
            const auto w = wert(i);
            if (!w) {
                io.fehler << QStringLiteral("Nach %1 fehlt die Angabe.\n").arg(a);
                return ExitVerwendung;
            }
            (a == QLatin1String("--lehrer") ? lehrer : csv) = *w;
        } else if (a == QLatin1String("--ab") || a == QLatin1String("--bis") || a == QLatin1String("--ganz")) {
            if (art) {
                io.fehler << QStringLiteral("Bitte nur eine der Angaben --ab, --bis und --ganz machen.\n");
                return ExitVerwendung;
            }
            art = a == QLatin1String("--ganz") ? TAusfallArt::Ganz
                  : a == QLatin1String("--ab") ? TAusfallArt::Ab
                                               : TAusfallArt::Bis;
            if (*art != TAusfallArt::Ganz) {
                const auto w = wert(i);
                const std::optional<double> t = w ? Zeit::ZeitText(*w) : std::nullopt;
                if (!t) {
                    io.fehler << QStringLiteral("Nach %1 muss eine Uhrzeit (hh:mm) stehen.\n").arg(a);
                    return ExitVerwendung;
                }
                zeit = *t;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            io.fehler << QStringLiteral("Unbekannte Option: ") << a << "\n";
            return ExitVerwendung;
        } else {
            dateien.append(a);
        }
    }
    if (dateien.size() != 2)
        return ExitVerwendung;
    if (lehrer.isEmpty()) {
        io.fehler << QStringLiteral("Bitte die Lehrkraft mit --lehrer NAME angeben.\n");
        return ExitVerwendung;
    }

    TSprechtag tag;
    const TDateiErgebnis gelesen = Datei::Laden(tag, dateien[0], TLadeModus::Hinzufuegen);
    if (!gelesen.ok())
        return CliDatei::Fehler(io, gelesen.Fehler);
    const TAusfallWunsch wunsch{lehrer, art.value_or(TAusfallArt::Ganz), zeit};
    const QString hindernis = AusfallHindernis(tag, wunsch);
    if (!hindernis.isEmpty())
        return CliDatei::Fehler(io, QStringLiteral("„%1“: %2").arg(dateien[0], hindernis));

    const TAusfallPlan plan = PlaneAusfall(tag, wunsch);
    WendeAusfallAn(tag, plan);
    const TDateiErgebnis geschrieben = Datei::Speichern(tag, dateien[1], Inhalt::Alles);
    if (!geschrieben.ok())
        return CliDatei::Fehler(io, geschrieben.Fehler);
    if (!csv.isEmpty()) {
        const QString grund = Dateisystem::SchreibeAtomar(csv, AusfallCsv(plan));
        if (!grund.isEmpty())
            return CliDatei::Fehler(io, Dateisystem::NichtGespeichert(csv, grund));
    }
    for (const QString& zeile : AusfallListe(plan))
        io.aus << zeile << "\n";
    io.aus.flush();
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("ausfall"),
    TBefehl{QStringLiteral("ausfall EIN.qvt AUS.qvt --lehrer NAME [--ab HH:MM | --bis HH:MM | --ganz] [--csv DATEI]"),
            QStringLiteral("Plant die Zeitpläne von EIN.qvt neu, wenn die Lehrkraft NAME ganz ausfällt, erst ab oder "
                           "nur bis zu einer Uhrzeit da ist: ihre Termine außerhalb der neuen Sprechzeit werden "
                           "möglichst neu gesetzt, so dass sich wenige Termine ändern. Zeigt behaltene, verlegte und "
                           "abgesagte Termine und die Eltern mit geändertem Plan, speichert alles als AUS.qvt und "
                           "mit --csv die Anrufliste."),
            Ausfall});

} // namespace
