#include "datei/datei.h"

#include "datei/leser.h"
#include "datei/meldungen.h"
#include "datei/steuerzeichen_namen.h"
#include "dateisystem/lesen.h"
#include "model/sprechtag.h"
#include "verlauf/verlauf.h"

#include <QFileInfo>


namespace Datei {

bool LadeFrageNoetig(const TSprechtag& tag, int maske)
{
    return (maske & (Inhalt::Lehrer | Inhalt::Eltern)) && (!tag.Lehrer.IstLeer() || !tag.Eltern.IstLeer());
}

TDateiErgebnis LadeAusBytes(TSprechtag& tag, const QByteArray& daten, TLadeModus modus, const QString& pfad)
{
    TDateiErgebnis e;
    TLeseErgebnis gelesen = DateiLeser::Lies(daten, pfad);
    if (!gelesen.ok()) {
        e.Fehler = gelesen.Fehler;
        return e;
    }
    TDateiInhalt& inhalt = gelesen.Inhalt;
    const DateiSteuerzeichen::TBereinigt bereinigt = DateiSteuerzeichen::Bereinige(inhalt);
    e.Revision = inhalt.Revision;
    e.Maske = inhalt.Maske;
    e.ErweiterungVersion = inhalt.Erweiterung ? inhalt.Erweiterung->Version : 0;
    const QString passtNicht = DateiAnwenden::Pruefe(tag, inhalt, modus);
    if (!passtNicht.isEmpty()) {
        e.Fehler = DateiMeldung::Beschaedigt(pfad, passtNicht);
        return e;
    }

    // A day combined from two files exists nowhere on disk yet. A day that now is the
    // file's content counts as saved, unless edits made before the load survive in
    // sections the file did not bring.
    const bool kombiniert = modus == TLadeModus::Hinzufuegen && (!tag.Lehrer.IstLeer() || !tag.Eltern.IstLeer());
    const bool vorherUngespeichert = tag.UngespeicherteAenderungen();
    {
        // Only a combining load can be undone; one that made the day the file's content
        // starts a new history.
        TSchritt schritt(tag, pfad.isEmpty() ? QStringLiteral("Daten hinzuladen")
                                             : QStringLiteral("„%1“ hinzuladen").arg(QFileInfo(pfad).fileName()),
                         TSichern::Sofort);
        DateiAnwenden::Anwenden(tag, inhalt, modus);
        if (!kombiniert && tag.Verlauf())
            tag.Verlauf()->NeuBeginnen();
        tag.Geaendert();
        if (bereinigt.Geaendert)
            e.Hinweis = DateiSteuerzeichen::Hinweis(pfad, bereinigt.Namen);
        else if (!kombiniert && (!vorherUngespeichert || (inhalt.Maske & Inhalt::OhnePlaene) == Inhalt::OhnePlaene))
            tag.AlsGespeichertMarkieren();
    }
    return e;
}

TDateiErgebnis Laden(TSprechtag& tag, const QString& pfad, TLadeModus modus)
{
    const Dateisystem::TGelesen gelesen = Dateisystem::LiesDatei(pfad, MaxDateiBytes);
    if (!gelesen.ok()) {
        TDateiErgebnis e;
        e.Fehler = gelesen.Meldung(pfad, MaxDateiBytes);
        return e;
    }
    return LadeAusBytes(tag, gelesen.Bytes, modus, pfad);
}

} // namespace Datei
