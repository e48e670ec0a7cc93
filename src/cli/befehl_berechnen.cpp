// kalumo-cli berechnen EIN.qvt AUS.qvt: computes the timetables of a saved day exactly as
// the first computation after program start does, and saves the day with them.
#include "berechnung/zeitplanrechner.h"
#include "datei_befehle.h"
#include "model/sprechtag.h"

namespace {

void Uebersicht(TCliAusgabe& io, const TSprechtag& tag)
{
    struct Zeile {
        const char* label;
        TStatistikTexte::Feld feld;
    };
    static const Zeile zeilen[] = {
        {"Sprechwünsche insgesamt:", TStatistikTexte::Wue},
        {"davon nicht vom Lehrer abgelehnt:", TStatistikTexte::NichtAbg},
        {"Maximal erteilbare Termine:", TStatistikTexte::MaxErtbar},
        {"Erteilte Termine:", TStatistikTexte::Erteilt},
        {"Abgelehnte Termine:", TStatistikTexte::Abgelehnt},
        {"Aus Zeitmangel nicht zustandegekommen:", TStatistikTexte::Zeitmangel},
        {"Nicht erteilte Termine:", TStatistikTexte::NichtErteilt},
        {"Sprechwünsche pro Elter:", TStatistikTexte::WuePerElt},
        {"Erfüllte Sprechwünsche pro Elter:", TStatistikTexte::ErfPerElt},
        {"Erteilte Termine pro Elter:", TStatistikTexte::TermPerElt},
        {"Erteilte Termine pro Lehrer:", TStatistikTexte::TermPerLeh},
    };
    for (const Zeile& z : zeilen)
        io.aus << QString::fromUtf8(z.label) << " " << tag.Statistik().Texte[z.feld] << "\n";
}

int Berechnen(const QStringList& argumente, TCliAusgabe& io)
{
    if (argumente.size() != 2)
        return ExitVerwendung;
    TSprechtag tag;
    if (const auto status = CliDatei::Lade(io, tag, argumente[0], TLadeModus::Hinzufuegen))
        return *status;
    const QString hindernis = BerechnungsHindernis(tag);
    if (!hindernis.isEmpty())
        return CliDatei::Fehler(io, hindernis);

    TStillerFortschritt still;
    BerechneZeitplaene(tag, still);

    const TDateiErgebnis geschrieben = Datei::Speichern(tag, argumente[1], Inhalt::Alles);
    if (!geschrieben.ok())
        return CliDatei::Fehler(io, geschrieben.Fehler);
    Uebersicht(io, tag);
    io.aus.flush();
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("berechnen"),
    TBefehl{QStringLiteral("berechnen EIN.qvt AUS.qvt"),
            QStringLiteral("Lädt EIN.qvt, berechnet die Zeitpläne wie die erste Berechnung nach dem "
                           "Programmstart und speichert alles mit den Zeitplänen als AUS.qvt."),
            Berechnen});

} // namespace
