#pragma once
// The timetable computation: grant passes decide which requests get an appointment, then
// the parent entries are placed in random order, each request as close as possible to the
// family's other appointments. Schools compare a run with earlier ones, so a day gives the
// same random draws, the same probes in the same order and the same lines in every run and
// every version; the caches below only avoid recomputing values that cannot change during
// a run.

#include "berechnung/drossel.h"
#include "berechnung/fortschritt.h"
#include "model/sprechtag.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

/// The message when there is nothing to compute, or an empty text when the day can be
/// computed. The window shows it instead of starting a run.
QString BerechnungsHindernis(const TSprechtag& tag);

/// The counters of a finished run.
struct TBerechnungsErgebnis {
    int MaxWuensche = 0;
    int Bewilligt = 0;
    int Vergeben = 0;
};

/// Receives the statistics texts of a finished run with only LbMaxErtbar filled in, and
/// sees that the day gets them complete. Without one the run counts them itself; the
/// program hands the counting to another thread, so that a large day's click ends sooner.
using TStatistikAbschluss = std::function<void(TSprechtag& tag, TStatistikTexte texte)>;

/// Computes every timetable of the day and writes the results into the records: the
/// plans, Erteilt, AnzErteilt, the statistics texts and PlaeneGueltig; then marks the
/// day as changed. Draws its random numbers from tag.Zufall. Must not be called while
/// BerechnungsHindernis(tag) is not empty (it then changes nothing and returns zeros).
TBerechnungsErgebnis BerechneZeitplaene(TSprechtag& tag, TFortschritt& fortschritt,
                                        const TDrosselTakt& takt = {}, TStatistikAbschluss abschluss = {});

/// The next probe around `a` after `k`: a, a+1, a-1, a+2, a-2, ...
constexpr int SpiegelSchritt(int a, int k)
{
    return k > a ? 2 * a - k : 2 * a - k + 1;
}

/// One run of the computation. BerechneZeitplaene is the whole run; the steps are public
/// so that the search rules can be examined on their own.
class TZeitplanRechner {
public:
    TZeitplanRechner(TSprechtag& tag, TFortschritt& fortschritt, const TDrosselTakt& takt = {});

    TBerechnungsErgebnis Berechne();
    void SetStatistikAbschluss(TStatistikAbschluss abschluss) { m_abschluss = std::move(abschluss); }

    // --- single steps, for a prepared run (Vorbereiten called) ---------------------------

    /// Draws the random order, clears the parents' and teachers' results and builds the
    /// teachers' slot lines.
    void Vorbereiten();
    /// Grant passes over all requests; on a day with priorities first over the
    /// invitations, then over the "Vorrang" requests, then over the rest.
    void Bewilligen();
    /// Places the granted requests of entry `eltern` (index in the parents list); `von`
    /// and `bis` limit it to those Erteilt lines (bis -1: to the end).
    void PlatziereEltern(int eltern, int position, int von = 0, int bis = -1);
    /// Looks for a slot for entry `eltern` with the teacher of its Erteilt line `nr`;
    /// `hint` is the slot to start at (-1: a random slot of the teacher) and receives the
    /// booked slot, or the slot that would have been probed next.
    void SucheTermin(int eltern, int nr, int& hint);
    /// Is slot k free for entry `eltern`: nothing in its plan at that time, inside its
    /// attendance window, and with siblings the same for every sibling entry.
    bool ElternFrei(int eltern, int k, bool mitGeschwister) const;
    void Aufraeumen();

    const QStringList& Reihenfolge() const { return m_reihenfolge; }
    int Bewilligt() const { return m_bewilligt; }
    int Vergeben() const { return m_vergeben; }

private:
    struct Lehrer {
        TLehrer* rec = nullptr;
        int erster = 0;
        int letzter = -2;
        int frei = 0;
    };
    struct Eltern {
        TEltern* rec = nullptr;
        QString name;
        /// Teacher index of every request, -1 for a name that names no teacher.
        std::vector<int> wuensche;
        /// Parent indexes of the sibling names that name an entry.
        std::vector<int> geschwister;
        /// Teachers that refuse this entry.
        std::vector<int> ablehnende;
        /// Teacher index of every Erteilt line.
        std::vector<int> erteilt;
        /// Priority group of every request: 0 invitation, 1 "Vorrang", 2 normal.
        std::vector<int> stufe;
        /// Erteilt lines granted in the invitation pass and up to the end of the
        /// "Vorrang" pass: the placement takes the groups in turn.
        int erteiltBis[2] = {0, 0};
        /// The times (minute of the day of the line label) that the plan already holds.
        std::vector<int> belegt;
        /// Joint talks of siblings: (teacher, index in m_gruppen) for every teacher this
        /// entry shares with siblings; empty while the day setting is off.
        std::vector<std::pair<int, int>> gemeinsam;
        /// Attendance limits on the millisecond grid.
        qint64 nichtVorMs = 0;
        qint64 nichtNachMs = 0;
    };

    /// Entries of one family who request the same teacher, none refused: one talk, one
    /// grant of the teacher's capacity, one slot.
    struct Gruppe {
        int lehrer = -1;
        /// In the order of the parents list.
        std::vector<int> mitglieder;
        /// A member's placement has looked for the slot; the others do not look again.
        bool gesucht = false;
    };

    void bucheSlot(int eltern, int lehrer, const QString& wunsch, int k);
    void bucheGemeinsam(const Gruppe& g, int k);
    /// The joint talk of entry `e` with teacher `lehrer`, -1 for none.
    int gruppeVon(const Eltern& e, int lehrer) const;
    /// How entry `e` spells its request of teacher `lehrer`.
    const QString& wunschText(const Eltern& e, int lehrer) const;
    /// Slot k suits the talk of entry `eltern` (alone, or joint as group g): free and
    /// attended by the family, with the room change also at both neighbours.
    bool slotPasst(int eltern, int g, int k) const;
    void bildeGruppen();
    /// Slot data for slots 0..n-1 (labels by addition, times by multiplication).
    void bereiteSlotsVor(int n);
    bool istPause(int k) const;
    bool istAbgelehnt(const Eltern& e, int lehrer) const;
    /// One series of grant passes over the requests of group `stufe` (all with -1).
    void bewilligeStufe(int stufe);

    TSprechtag& m_tag;
    TDrossel m_drossel;
    TStatistikAbschluss m_abschluss;
    std::vector<Lehrer> m_lehrer;
    std::vector<Eltern> m_eltern;
    std::vector<Gruppe> m_gruppen;
    QStringList m_reihenfolge;
    std::vector<int> m_reihenfolgeIndex;
    int m_maxWuensche = 0;
    int m_bewilligt = 0;
    int m_vergeben = 0;
    int m_anzSlots = 0;
    /// The day marks requests: grants and placements go by group.
    bool m_mitStufen = false;

    /// Line label of slot k, built by adding the slot length k times.
    QStringList m_praefix;
    /// Minute of the day shown by m_praefix[k].
    std::vector<int> m_praefixSchluessel;
    /// Minute of the day shown by the label of SprechStart + k * slot length.
    std::vector<int> m_zeitSchluessel;
    /// SprechStart + k * slot length on the millisecond grid.
    std::vector<qint64> m_zeitMs;
    std::vector<char> m_pause;
};
