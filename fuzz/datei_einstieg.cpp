#include "datei_einstieg.h"

#include "datei/datei.h"
#include "datei/schreiber.h"
#include "model/sprechtag.h"
#include "tag_felder.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

namespace {

void Pruefe(bool bedingung, const char* was)
{
    if (!bedingung) {
        std::fprintf(stderr, "Eigenschaft verletzt: %s\n", was);
        std::abort();
    }
}

// Everything a load may change, as bytes.
QByteArray Abbild(const TSprechtag& tag)
{
    QByteArray b = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000);
    b += tag.PlaeneGueltig ? "P" : "p";
    b += tag.UngespeicherteAenderungen() ? "U" : "u";
    return b;
}

void FuelleTag(TSprechtag& tag)
{
    tag.LehrerUebernehmen(QStringLiteral("Müller (R1)"));
    tag.LehrerUebernehmen(QStringLiteral("B"));
    tag.ElternUebernehmen(QStringLiteral("5a: Groß"));
    tag.ElternUebernehmen(QStringLiteral("a"));
    tag.Eltern.Suche(QStringLiteral("a"))->Sprechwuensche = {QStringLiteral("B")};
    tag.Lehrer.Suche(QStringLiteral("b"))->Zeitplan = {QStringLiteral("15:00 Uhr: a")};
    tag.NeuePause();
    tag.PlaeneGueltig = true;
}

} // namespace

int DateiFuzzEinstieg(const std::uint8_t* daten, std::size_t laenge)
{
    const QByteArray datei(reinterpret_cast<const char*>(daten), qsizetype(laenge));

    // A failed load changes nothing, whichever mode.
    for (TLadeModus modus : {TLadeModus::Ersetzen, TLadeModus::Hinzufuegen}) {
        TSprechtag tag;
        FuelleTag(tag);
        const QByteArray vorher = Abbild(tag);
        if (!Datei::LadeAusBytes(tag, datei, modus).ok())
            Pruefe(Abbild(tag) == vorher, "Fehlgeschlagenes Laden hat den Tag verändert");
    }

    TSprechtag tag;
    if (!Datei::LadeAusBytes(tag, datei, TLadeModus::Hinzufuegen).ok())
        return 0;

    // What the program writes it reads back to the same day.
    const int maske = Inhalt::SpeicherMaske(Inhalt::Alles, tag.PlaeneGueltig);
    const QByteArray geschrieben = DateiSchreiber::Schreibe(tag, maske, 30999);
    TSprechtag zurueck;
    Pruefe(Datei::LadeAusBytes(zurueck, geschrieben, TLadeModus::Hinzufuegen).ok(),
           "Geschriebene Datei lässt sich nicht laden");
    Pruefe(DateiSchreiber::Schreibe(zurueck, maske, 30999) == geschrieben, "Rundreise verändert den Tag");
    // Field by field as well: a writer that puts one field's value into another writes the
    // same wrong bytes twice, but the reloaded day differs from the loaded one.
    const QStringList unterschiede = TagFelder::Unterschiede(tag, zurueck);
    if (!unterschiede.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(unterschiede.join(QLatin1Char('\n'))));
    Pruefe(unterschiede.isEmpty(), "Rundreise verändert ein Feld");

    // Combining the same file again adds nothing.
    const QByteArray einmal = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 1);
    Pruefe(Datei::LadeAusBytes(tag, datei, TLadeModus::Hinzufuegen).ok(), "Zweites Laden schlägt fehl");
    Pruefe(DateiSchreiber::Schreibe(tag, Inhalt::Alles, 1) == einmal, "Zweites Laden hat etwas hinzugefügt");
    return 0;
}
