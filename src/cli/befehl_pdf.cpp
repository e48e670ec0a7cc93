// kalumo-cli pdf: the plans of a saved day printed into a PDF file, with the options a
// print job starts with.
#include "befehle.h"

#include "datei/datei.h"
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
    if (!geladen.ok()) {
        io.fehler << geladen.Fehler << "\n";
        return 1;
    }
    if (!tag.PlaeneGueltig) {
        io.fehler << "Die Datei enthält keine Zeitpläne. Bitte berechnen Sie die Zeitpläne und speichern Sie sie mit.\n";
        return 1;
    }
    if (const auto fehler = PlaeneAlsPdf(dateien[1], tag, optionen, TPlanTexte::Aus(tag.Plan, schule))) {
        io.fehler << *fehler << "\n";
        return 1;
    }
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("pdf"),
    TBefehl{QStringLiteral("pdf EIN.qvt AUS.pdf [--lehrer | --eltern] [--schule NAME]"),
            QStringLiteral("Druckt die gespeicherten Zeitpläne (alle, nur die der Lehrer oder nur die der Eltern) "
                           "in eine PDF-Datei, mit den Formaten aus der Datei."),
            Pdf, true});

} // namespace
