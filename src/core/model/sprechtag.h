#pragma once
// One conference day: the teacher and parent collections, the day settings, the breaks,
// the flags and the settings the data file stores. Everything of a day lives here; the
// windows only show it and call the operations below.

#include "model/einstellungen.h"
#include "model/namensliste.h"
#include "model/pause.h"
#include "model/records.h"
#include "model/unterricht.h"
#include "model/vorgaben.h"
#include "model/zufall.h"

#include <QFuture>
#include <memory>
#include <optional>
#include <vector>

using TPausenListe = std::vector<std::unique_ptr<TPause>>;

class TVerlauf;

/// Whether a change should reach the recovery copy at once (an import, a computation, a
/// drop-out) or with the next regular copy.
enum class TSichern { Spaeter, Sofort };

/// Why a new name was not taken.
enum class TNamensFehler { Keiner, Leer, Doppelt, FremdesZeichen };

struct TNeuerName {
    qsizetype index = -1;
    TNamensFehler fehler = TNamensFehler::Keiner;
    /// The offending character for FremdesZeichen.
    char32_t zeichen = 0;
    bool ok() const { return fehler == TNamensFehler::Keiner; }
};

class TSprechtag {
public:
    static constexpr int MaxPausen = 10;

    TSprechtag();
    ~TSprechtag();
    TSprechtag(const TSprechtag&) = delete;
    TSprechtag& operator=(const TSprechtag&) = delete;

    TNamensListe<TLehrer> Lehrer;
    TNamensListe<TEltern> Eltern;
    /// The breaks point at these settings: a day never moves in memory.
    TVorgaben Vorgaben;
    TPausenListe Pausen;

    /// Timetables exist and may be shown, printed and saved.
    bool PlaeneGueltig = false;
    /// The computation keeps free slot lines in the teachers' timetables.
    bool FreieTermineAnzeigen = false;

    TVorschauEinstellungen Vorschau;
    TPlanEinstellungen Plan;
    /// The lessons the school-data import learned (class, teacher short name, subject).
    std::vector<TUnterricht> Unterricht;
    /// Siblings who request the same teacher get one joint talk. Off by default; kept in
    /// the extension block.
    bool GemeinsameGespraeche = false;
    TZufall Zufall;

    // --- statistics texts --------------------------------------------------------------

    /// The texts of the statistics window. While they are still being worked out on
    /// another thread (StatistikSpaeter), this waits for them.
    const TStatistikTexte& Statistik() const;
    /// For changing single texts; waits as Statistik() does.
    TStatistikTexte& StatistikAendern();
    /// Replaces the texts; texts still being worked out are dropped unseen.
    void StatistikSetzen(TStatistikTexte texte);
    /// The texts arrive later from `ausstehend` (the statistics of a finished computation,
    /// counted on a snapshot of the day); until then every reader waits for them.
    void StatistikSpaeter(QFuture<TStatistikTexte> ausstehend);
    /// A copy of everything the day holds, for work on another thread; the copy's
    /// statistics are those already known (texts still being worked out are not awaited).
    /// The copy has no history of its own.
    std::unique_ptr<TSprechtag> Abbild() const;
    /// The texts still being worked out, if any (for a copy that must carry them).
    std::optional<QFuture<TStatistikTexte>> AusstehendeStatistik() const { return m_statistikAusstehend; }

    // --- names -------------------------------------------------------------------------

    /// Adds a teacher with default record, exactly as typed. Refuses an empty name, a
    /// duplicate (ignoring case) and a character that the data file cannot hold.
    TNeuerName LehrerUebernehmen(const QString& name);
    TNeuerName ElternUebernehmen(const QString& name);

    /// Checks a new name without adding it.
    TNeuerName PruefeName(const QString& name, bool lehrer) const;

    /// Removes one teacher and every request that names it exactly.
    void LehrerEntfernen(const QString& name);
    /// Removes one parent entry, its sibling marks on the other side and every refusal
    /// that names it exactly.
    void ElternEntfernen(const QString& name);
    /// Removes all teachers and every request.
    void LehrerLoesch();
    /// Removes all parent entries and every refusal.
    void ElternLoesch();

    /// "3 Lehrer" / "Keine Lehrer" and "12 Eltern" / "Keine Eltern".
    QString AnzLehrerText() const;
    QString AnzElternText() const;

    /// Number of parent entries whose requests name this teacher (ignoring case).
    int AnzWuensche(const QString& lehrer) const;
    /// All requests of all parent entries.
    int AnzSprechwuensche() const;

    // --- day settings and breaks -------------------------------------------------------

    /// Sets the start of the day; teachers' hours before it move up to it.
    void SetSprechStart(double t);
    void SetSprechEnde(double t);
    /// 1..45; returns false (and changes nothing) outside.
    bool SetSprechTakt(int minuten);
    void SetRaumwechselPause(bool an);
    void BerechnePausenSlots();

    /// A new break with the default times, appended; nullptr when ten exist.
    TPause* NeuePause();
    /// Appends a break made elsewhere (for example one edited in the break dialog before
    /// it joins the day); nullptr and nothing changed when ten exist.
    TPause* PauseAnhaengen(std::unique_ptr<TPause> pause);
    void PauseEntfernen(int index);

    // --- change tracking and history --------------------------------------------------

    /// Every change of the day's data ends here, so that the program can ask before
    /// unsaved work is lost. Outside a step opened with TSchritt the change is a step of
    /// the history by itself, named `schritt`.
    void Geaendert(const QString& schritt = {}, TSichern sichern = TSichern::Spaeter);
    /// A change of record contents only that is no step of its own (a remembered time
    /// written while showing an entry): the day counts as changed, the history takes it
    /// into its picture, and undo leaves it as it is.
    void NebenbeiGeaendert();
    /// Grows with every change, undo and redo and never goes back (not even on saving): a
    /// view that remembers it can tell whether what it shows is still the day's.
    quint64 Stand() const { return m_stand; }
    /// Follows the history: undoing back to the saved state makes the day unchanged.
    bool UngespeicherteAenderungen() const { return m_zustand != m_gespeicherterZustand; }
    void AlsGespeichertMarkieren();
    /// Marks the day changed without a step (a day recovered after a crash exists in no
    /// file yet).
    void AlsUngespeichertMarkieren()
    {
        m_gespeicherterZustand = 0;
    }

    /// The day's undo history; nullptr for a copy made by Abbild().
    TVerlauf* Verlauf() const { return m_verlauf.get(); }
    /// Undo and redo of the history; false when there was nothing to do.
    bool Rueckgaengig();
    bool Wiederholen();

private:
    friend class TVerlauf;
    void statistikAbholen() const;
    quint64 neueKennung() { return ++m_kennungen; }

    mutable TStatistikTexte m_statistik;
    mutable std::optional<QFuture<TStatistikTexte>> m_statistikAusstehend;
    quint64 m_statistikKennung = 0;
    quint64 m_stand = 0;
    /// Names the state of the day: a fresh number with every change, the number of the
    /// state a step left when it is undone or redone.
    quint64 m_zustand = 1;
    quint64 m_gespeicherterZustand = 1;
    quint64 m_kennungen = 1;
    std::unique_ptr<TVerlauf> m_verlauf;
};

/// The message for a refused new name; empty for TNamensFehler::Keiner and Leer.
QString NamensMeldung(const TNeuerName& ergebnis, bool lehrer);
