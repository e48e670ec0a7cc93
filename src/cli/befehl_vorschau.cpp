// kalumo-cli vorschau: the teachers' preview lists of a saved day as the text file the
// program writes.
#include "datei_befehle.h"
#include "model/sprechtag.h"
#include "vorschau/vorschauliste.h"

namespace {

int Vorschau(const QStringList& argumente, TCliAusgabe& io)
{
    QStringList dateien;
    bool alle = false;
    for (const QString& a : argumente) {
        if (a == QLatin1String("--alle")) {
            alle = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            io.fehler << "Unbekannte Option: " << a << "\n";
            return ExitVerwendung;
        } else {
            dateien.append(a);
        }
    }
    if (dateien.size() != 2) {
        return ExitVerwendung;
    }
    TSprechtag tag;
    const TDateiErgebnis geladen = Datei::Laden(tag, dateien[0], TLadeModus::Ersetzen);
    if (!geladen.ok())
        return CliDatei::Fehler(io, geladen.Fehler);
    if (const auto fehler = Vorschauliste::SchreibeDatei(dateien[1], Vorschauliste::Zeilen(tag, alle)))
        return CliDatei::Fehler(io, *fehler);
    io.aus << Vorschauliste::DateiMeldung(dateien[1]) << "\n";
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("vorschau"),
    TBefehl{QStringLiteral("vorschau EIN.qvt AUS.txt [--alle]"),
            QStringLiteral("Schreibt die Vorschaulisten der betroffenen Lehrer (mit --alle: aller Lehrer) "
                           "als Textdatei, Byte für Byte wie das Programm."),
            Vorschau});

} // namespace
