#include "datei/datei.h"

#include "dateisystem/schreiben.h"
#include "datei/schreiber.h"
#include "model/sprechtag.h"


namespace Datei {

namespace {

QByteArray Bytes(TSprechtag& tag, int maske)
{
    qint32 schluessel = 0;
    if (maske & Inhalt::Plaene)
        schluessel = qint32(30000 + tag.Zufall.ZufallsZahl(1000));
    return DateiSchreiber::Schreibe(tag, maske, schluessel);
}

} // namespace

QByteArray SpeichereInBytes(TSprechtag& tag, int angekreuzt)
{
    return Bytes(tag, Inhalt::SpeicherMaske(angekreuzt, tag.PlaeneGueltig));
}

TDateiErgebnis Speichern(TSprechtag& tag, const QString& pfad, int angekreuzt)
{
    TDateiErgebnis e;
    const int maske = Inhalt::SpeicherMaske(angekreuzt, tag.PlaeneGueltig);
    e.Maske = maske;
    e.Revision = DateiKopf::Revision;
    // A failed save must not change the numbers later computations draw.
    const quint32 seed = tag.Zufall.Seed();
    const QByteArray daten = Bytes(tag, maske);

    const QString grund = Dateisystem::SchreibeAtomar(pfad, daten);
    if (!grund.isEmpty()) {
        tag.Zufall.SetSeed(seed);
        e.Fehler = Dateisystem::NichtGespeichert(pfad, grund);
        return e;
    }
    // Only a file that holds everything of the day leaves nothing unsaved behind.
    if ((maske & Inhalt::OhnePlaene) == Inhalt::OhnePlaene && (!tag.PlaeneGueltig || (maske & Inhalt::Plaene)))
        tag.AlsGespeichertMarkieren();
    return e;
}

} // namespace Datei
