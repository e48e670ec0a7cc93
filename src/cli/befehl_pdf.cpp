// kalumo-cli pdf: the plans of a saved day printed into a PDF file, with the options a
// print job starts with; or the door sheets of all teachers.
#include "datei_befehle.h"
#include "druckauftrag.h"
#include "ein_aus_argumente.h"
#include "model/sprechtag.h"
#include "tuerdrucker.h"

#include <QDateTime>

namespace {

const QString Lehrer = QStringLiteral("--lehrer");
const QString Eltern = QStringLiteral("--eltern");
const QString Schule = QStringLiteral("--schule");
const QString Tuerlisten = QStringLiteral("--tuerlisten");

int Pdf(const QStringList& argumente, TCliAusgabe& io)
{
    const TEinAusErlaubt erlaubt{{Lehrer, Eltern, Tuerlisten}, {Schule}, {{Lehrer, Eltern, Tuerlisten}}};
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
    if (aufruf->Hat(Tuerlisten)) {
        const TTuerTexte texte = TTuerTexte::Aus(tag.Plan, aufruf->Wert(Schule), QDateTime::currentDateTime());
        if (const auto fehler = TuerlistenAlsPdf(aufruf->aus, tag, tag.Lehrer.Namen(), texte))
            return CliDatei::Fehler(io, *fehler);
        return 0;
    }
    if (const auto fehler = PlaeneAlsPdf(aufruf->aus, tag, optionen, TPlanTexte::Aus(tag.Plan, aufruf->Wert(Schule))))
        return CliDatei::Fehler(io, *fehler);
    return 0;
}

const TBefehlRegistrierung registrierung(
    QStringLiteral("pdf"),
    TBefehl{QStringLiteral("pdf EIN.qvt AUS.pdf [--lehrer | --eltern | --tuerlisten] [--schule NAME]"),
            QStringLiteral("Druckt die gespeicherten Zeitpläne (alle, nur die der Lehrer oder nur die der Eltern) "
                           "in eine PDF-Datei, mit den Formaten aus der Datei; mit --tuerlisten stattdessen eine "
                           "Türliste je Lehrkraft (jeder Termin, freie Zeiten und Pausen, Platz für Notizen)."),
            Pdf, true});

} // namespace
