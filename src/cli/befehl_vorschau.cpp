// kalumo-cli vorschau: the teachers' preview lists of a saved day as the text file the
// program writes.
#include "datei_befehle.h"
#include "ein_aus_argumente.h"
#include "model/sprechtag.h"
#include "vorschau/vorschauliste.h"

namespace {

const QString Alle = QStringLiteral("--alle");

int Vorschau(const QStringList& argumente, TCliAusgabe& io)
{
    const auto aufruf = CliEinAus::Lies(argumente, TEinAusErlaubt{{Alle}, {}, {}}, io);
    if (!aufruf)
        return ExitVerwendung;
    TSprechtag tag;
    if (const auto status = CliEinAus::LadeEin(tag, aufruf->ein, io))
        return *status;
    if (const auto fehler = Vorschauliste::SchreibeDatei(aufruf->aus, Vorschauliste::Zeilen(tag, aufruf->Hat(Alle))))
        return CliDatei::Fehler(io, *fehler);
    io.aus << Vorschauliste::DateiMeldung(aufruf->aus) << "\n";
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("vorschau"),
    TBefehl{QStringLiteral("vorschau EIN.qvt AUS.txt [--alle]"),
            QStringLiteral("Schreibt die Vorschaulisten der betroffenen Lehrer (mit --alle: aller Lehrer) "
                           "als Textdatei, Byte für Byte wie das Programm."),
            Vorschau});

} // namespace
