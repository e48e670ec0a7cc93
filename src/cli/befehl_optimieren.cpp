// kalumo-cli optimieren EIN.qvt AUS.qvt [--zuege N] [--gruendlich]: improves the plans of a saved day (it
// computes them first when the file holds none) and saves the day with the new plans.
#include "berechnung/statistik.h"
#include "berechnung/zeitplanrechner.h"
#include "datei_befehle.h"
#include "model/sprechtag.h"
#include "optimierung/kennzahlen.h"
#include "optimierung/optimierer.h"
#include "optimierung/schranke.h"

namespace {

// Counted from the plans themselves: a loaded file may carry statistics of other plans.
struct TStand {
    QString erteilt;
    QString nichtErteilt;
    TPlanKennzahlen zahlen;
};

TStand Stand(const TSprechtag& tag)
{
    const TStatistikWerte w = BerechneStatistik(tag);
    return {QString::number(w.Erteilt), QString::number(w.NichtErteilt), BerechnePlanKennzahlen(tag)};
}

void Vergleich(TCliAusgabe& io, const TStand& vorher, const TStand& nachher)
{
    auto zeile = [&io](const char* label, const QString& a, const QString& b) {
        io.aus << QString::fromUtf8(label).leftJustified(44) << a.rightJustified(8) << b.rightJustified(9) << "\n";
    };
    auto minuten = [](int m) { return QString::number(m) + QStringLiteral(" min"); };
    zeile("", QStringLiteral("vorher"), QStringLiteral("nachher"));
    // The goals in their order; a day without marks shows the lines it always showed.
    if (const int n = nachher.zahlen.Einladungen)
        zeile(QStringLiteral("Erteilte Einladungen (von %1):").arg(n).toUtf8().constData(),
              QString::number(vorher.zahlen.EinladungenErteilt), QString::number(nachher.zahlen.EinladungenErteilt));
    if (const int n = nachher.zahlen.Vorrang)
        zeile(QStringLiteral("Erteilte Vorrang-Wünsche (von %1):").arg(n).toUtf8().constData(),
              QString::number(vorher.zahlen.VorrangErteilt), QString::number(nachher.zahlen.VorrangErteilt));
    zeile("Erteilte Termine:", vorher.erteilt, nachher.erteilt);
    zeile("Nicht erteilte Termine:", vorher.nichtErteilt, nachher.nichtErteilt);
    zeile("Eltern mit Sprechwünschen, aber ohne Termin:", QString::number(vorher.zahlen.OhneTermin),
          QString::number(nachher.zahlen.OhneTermin));
    zeile("Wartezeit der Familien, Median:", minuten(vorher.zahlen.WarteMedian),
          minuten(nachher.zahlen.WarteMedian));
    zeile("Wartezeit der Familien, 90 %:", minuten(vorher.zahlen.WarteP90), minuten(nachher.zahlen.WarteP90));
    zeile("Wartezeit der Familien, höchstens:", minuten(vorher.zahlen.WarteMax), minuten(nachher.zahlen.WarteMax));
}

int Optimieren(const QStringList& argumente, TCliAusgabe& io)
{
    QStringList dateien;
    qint64 zuege = -1;
    bool gruendlich = false;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        if (argumente[i] == QLatin1String("--zuege")) {
            bool ok = false;
            zuege = i + 1 < argumente.size() ? argumente[i + 1].toLongLong(&ok) : -1;
            if (!ok || zuege < 0) {
                io.fehler << QStringLiteral("Die Zahl der Züge muss eine ganze Zahl ab 0 sein.\n");
                return ExitVerwendung;
            }
            ++i;
        } else if (argumente[i] == QLatin1String("--gruendlich")) {
            gruendlich = true;
        } else if (argumente[i].startsWith(QLatin1String("--"))) {
            io.fehler << QStringLiteral("Unbekannte Option: ") << argumente[i] << "\n";
            return ExitVerwendung;
        } else {
            dateien.append(argumente[i]);
        }
    }
    if (dateien.size() != 2)
        return ExitVerwendung;

    TSprechtag tag;
    if (const auto status = CliDatei::Lade(io, tag, dateien[0], TLadeModus::Hinzufuegen))
        return *status;
    const QString hindernis = BerechnungsHindernis(tag);
    if (!hindernis.isEmpty())
        return CliDatei::Fehler(io, hindernis);
    if (!tag.PlaeneGueltig) {
        TStillerFortschritt still;
        BerechneZeitplaene(tag, still);
    }

    const QString nichtOptimierbar = OptimierungsHindernis(tag);
    if (!nichtOptimierbar.isEmpty())
        return CliDatei::Fehler(io, nichtOptimierbar);

    const TStand vorher = Stand(tag);
    TStillerOptimierFortschritt still;
    const TOptimierErgebnis ergebnis = Optimiere(tag, still, zuege, gruendlich);

    const TDateiErgebnis geschrieben = Datei::Speichern(tag, dateien[1], Inhalt::Alles);
    if (!geschrieben.ok())
        return CliDatei::Fehler(io, geschrieben.Fehler);
    Vergleich(io, vorher, Stand(tag));
    for (const QString& hinweis : OptimierHinweise(ergebnis))
        io.aus << hinweis << "\n";
    io.aus << SchrankenText(ergebnis.Nachher.Termine, TerminSchranke(tag)) << "\n";
    io.aus.flush();
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("optimieren"),
    TBefehl{QStringLiteral("optimieren EIN.qvt AUS.qvt [--zuege N] [--gruendlich]"),
            QStringLiteral("Lädt EIN.qvt, berechnet die Zeitpläne, falls die Datei keine enthält, verbessert sie "
                           "(mehr Termine, weniger Eltern ohne Termin, kürzere Wartezeiten) und speichert alles "
                           "als AUS.qvt. Danach steht, wie viele Termine höchstens möglich sind. --gruendlich "
                           "sucht länger (bis etwa eine halbe Minute)."),
            Optimieren});

} // namespace
