// kalumo-cli pdf: the plans of a saved day printed into a PDF file, with the options a
// print job starts with.
#include "datei_befehle.h"
#include "druckauftrag.h"
#include "model/sprechtag.h"

namespace {

int Pdf(const QStringList& argumente, TCliAusgabe& io)
{
    QStringList dateien;
    TDruckOptionen optionen;
    QString schule;
    int umfaenge = 0;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--lehrer")) {
            optionen.umfang = TDruckOptionen::Umfang::AlleLehrer;
            ++umfaenge;
        } else if (a == QLatin1String("--eltern")) {
            optionen.umfang = TDruckOptionen::Umfang::AlleEltern;
            ++umfaenge;
        } else if (a == QLatin1String("--schule") && i + 1 < argumente.size()) {
            schule = argumente[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            io.fehler << "Unbekannte Option: " << a << "\n";
            return ExitVerwendung;
        } else {
            dateien.append(a);
        }
    }
    if (dateien.size() != 2 || umfaenge > 1) {
        return ExitVerwendung;
    }
    TSprechtag tag;
    const TDateiErgebnis geladen = Datei::Laden(tag, dateien[0], TLadeModus::Ersetzen);
    if (!geladen.ok())
        return CliDatei::Fehler(io, geladen.Fehler);
    if (!tag.PlaeneGueltig)
        return CliDatei::Fehler(io, QStringLiteral("Die Datei „%1“ enthält keine Zeitpläne. Bitte berechnen Sie die "
                                                   "Zeitpläne und speichern Sie sie mit.")
                                        .arg(dateien[0]));
    if (const auto fehler = PlaeneAlsPdf(dateien[1], tag, optionen, TPlanTexte::Aus(tag.Plan, schule)))
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
