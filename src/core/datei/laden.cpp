#include "datei/datei.h"

#include "datei/leser.h"
#include "datei/meldungen.h"
#include "model/sprechtag.h"

#include <QFile>

namespace Datei {

bool LadeFrageNoetig(const TSprechtag& tag, int maske)
{
    return (maske & (Inhalt::Lehrer | Inhalt::Eltern)) && (!tag.Lehrer.IstLeer() || !tag.Eltern.IstLeer());
}

TDateiErgebnis LadeAusBytes(TSprechtag& tag, const QByteArray& daten, TLadeModus modus)
{
    TDateiErgebnis e;
    const TLeseErgebnis gelesen = DateiLeser::Lies(daten);
    if (!gelesen.ok()) {
        e.Fehler = gelesen.Fehler;
        return e;
    }
    const TDateiInhalt& inhalt = gelesen.Inhalt;
    e.Revision = inhalt.Revision;
    e.Maske = inhalt.Maske;
    e.Fehler = DateiAnwenden::Pruefe(tag, inhalt, modus);
    if (!e.ok())
        return e;

    // A day combined from two files exists nowhere on disk yet. A day that now is the
    // file's content counts as saved, unless edits made before the load survive in
    // sections the file did not bring.
    const bool kombiniert = modus == TLadeModus::Hinzufuegen && (!tag.Lehrer.IstLeer() || !tag.Eltern.IstLeer());
    const bool vorherUngespeichert = tag.UngespeicherteAenderungen();
    DateiAnwenden::Anwenden(tag, inhalt, modus);
    tag.Geaendert();
    if (!kombiniert && (!vorherUngespeichert || (inhalt.Maske & Inhalt::OhnePlaene) == Inhalt::OhnePlaene))
        tag.AlsGespeichertMarkieren();
    return e;
}

TDateiErgebnis Laden(TSprechtag& tag, const QString& pfad, TLadeModus modus)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        TDateiErgebnis e;
        e.Fehler = DateiMeldung::KannNichtOeffnen(pfad);
        return e;
    }
    QByteArray daten;
    try {
        daten = f.readAll();
    } catch (const std::bad_alloc&) {
        TDateiErgebnis e;
        e.Fehler = DateiMeldung::LeseFehler();
        return e;
    }
    if (f.error() != QFileDevice::NoError) {
        TDateiErgebnis e;
        e.Fehler = DateiMeldung::LeseFehler();
        return e;
    }
    return LadeAusBytes(tag, daten, modus);
}

} // namespace Datei
