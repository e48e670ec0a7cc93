// kalumo-cli konvertieren EIN.qvt AUS.qvt: brings a file of any older revision to the
// current one, with every section.
#include "datei_befehle.h"
#include "model/sprechtag.h"

namespace {

int Konvertieren(const QStringList& argumente, TCliAusgabe& io)
{
    if (argumente.size() != 2)
        return ExitVerwendung;
    TSprechtag tag;
    if (const auto status = CliDatei::Lade(io, tag, argumente[0], TLadeModus::Hinzufuegen))
        return *status;
    // The timetables are written when the file held them (they are valid after loading).
    const TDateiErgebnis geschrieben = Datei::Speichern(tag, argumente[1], Inhalt::Alles);
    if (!geschrieben.ok())
        return CliDatei::Fehler(io, geschrieben.Fehler);
    io.aus << argumente[1] << ": Revision " << geschrieben.Revision << ", Inhaltsmaske " << geschrieben.Maske << "\n";
    io.aus.flush();
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("konvertieren"),
    TBefehl{QStringLiteral("konvertieren EIN.qvt AUS.qvt"),
            QStringLiteral("Lädt EIN.qvt in einen leeren Sprechtag und speichert ihn als AUS.qvt "
                           "in der aktuellen Revision mit allen Abschnitten."),
            Konvertieren});

} // namespace
