// kalumo-cli pdf: the plans of a saved day printed into a PDF file, with the options a
// print job starts with.
#include "datei_befehle.h"
#include "druckauftrag.h"
#include "ein_aus_argumente.h"
#include "model/sprechtag.h"

namespace {

const QString Lehrer = QStringLiteral("--lehrer");
const QString Eltern = QStringLiteral("--eltern");
const QString Schule = QStringLiteral("--schule");

int Pdf(const QStringList& argumente, TCliAusgabe& io)
{
    const TEinAusErlaubt erlaubt{{Lehrer, Eltern}, {Schule}, {{Lehrer, Eltern}}};
    const auto aufruf = CliEinAus::Lies(argumente, erlaubt, io);
    if (!aufruf)
        return ExitVerwendung;
    TDruckOptionen optionen;
    if (aufruf->Hat(Lehrer))
        optionen.umfang = TDruckOptionen::Umfang::AlleLehrer;
    else if (aufruf->Hat(Eltern))
        optionen.umfang = TDruckOptionen::Umfang::AlleEltern;

    TSprechtag tag;
    if (const auto status = CliEinAus::LadeEin(tag, aufruf->ein, io))
        return *status;
    if (!tag.PlaeneGueltig)
        return CliDatei::Fehler(io, QStringLiteral("Die Datei „%1“ enthält keine Zeitpläne. Bitte berechnen Sie die "
                                                   "Zeitpläne und speichern Sie sie mit.")
                                        .arg(aufruf->ein));
    if (const auto fehler = PlaeneAlsPdf(aufruf->aus, tag, optionen, TPlanTexte::Aus(tag.Plan, aufruf->Wert(Schule))))
        return CliDatei::Fehler(io, *fehler);
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("pdf"),
    TBefehl{QStringLiteral("pdf EIN.qvt AUS.pdf [--lehrer | --eltern] [--schule NAME]"),
            QStringLiteral("Druckt die gespeicherten Zeitpläne (alle, nur die der Lehrer oder nur die der Eltern) "
                           "in eine PDF-Datei, mit den Formaten aus der Datei."),
            Pdf, true});

} // namespace
