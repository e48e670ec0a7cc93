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

    TSprechtag() = default;
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
    std::unique_ptr<TSprechtag> Abbild() const;

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

    // --- change tracking ---------------------------------------------------------------

    /// Every change of the day's data ends here, so that the program can ask before
    /// unsaved work is lost.
    void Geaendert() { ++m_stand; }
    /// Grows with every change and never goes back (not even on saving): a view that
    /// remembers it can tell whether what it shows is still the day's.
    quint64 Stand() const { return m_stand; }
    bool UngespeicherteAenderungen() const { return m_stand != m_gespeicherterStand; }
    void AlsGespeichertMarkieren() { m_gespeicherterStand = m_stand; }

private:
    void statistikAbholen() const;

    mutable TStatistikTexte m_statistik;
    mutable std::optional<QFuture<TStatistikTexte>> m_statistikAusstehend;
    quint64 m_stand = 0;
    quint64 m_gespeicherterStand = 0;
};

/// The message for a refused new name; empty for TNamensFehler::Keiner and Leer.
QString NamensMeldung(const TNeuerName& ergebnis, bool lehrer);
