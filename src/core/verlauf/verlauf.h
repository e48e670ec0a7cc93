#pragma once
// Undo and redo for one conference day. The history keeps a picture of the day as the
// last step left it; when a step ends, the picture is compared with the day and only the
// difference is stored: the records the step took out, put in or changed (with their
// positions, see listenaenderung.h) and, when it changed, the small rest of the day
// (settings, breaks, flags, plan settings, statistics texts, the generator's seed).
// Records are shared between the picture and the steps, so memory grows with what the
// steps changed, not with the size of the day.
//
// A step is whatever happens between opening and closing a TSchritt, or else one call of
// TSprechtag::Geaendert(). Steps nest: only the outermost one counts and gives the name.
//
// QtCore only (the undo classes of Qt live in QtGui), so that the command line and the
// tests use the same history as the program.

#include "verlauf/listenaenderung.h"
#include "model/sprechtag.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

/// Everything of a day beside the two collections. Small: held whole per step.
struct TTagRest {
    TVorgaben Vorgaben;
    /// The breaks' times and slots; they point at the day's settings when put back.
    std::vector<TPause> Pausen;
    bool PlaeneGueltig = false;
    bool FreieTermineAnzeigen = false;
    TVorschauEinstellungen Vorschau;
    TPlanEinstellungen Plan;
    std::vector<TUnterricht> Unterricht;
    bool GemeinsameGespraeche = false;
    /// Put back with the rest, but no change of its own (saving draws from it).
    quint32 Seed = 0;
    TStatistikTexte Statistik;
    std::optional<QFuture<TStatistikTexte>> StatistikAusstehend;
    quint64 StatistikKennung = 0;

    bool GleichWie(const TTagRest& a) const;
};

struct TVerlaufsSchritt {
    QString Name;
    TListenAenderung<TLehrer> Lehrer;
    TListenAenderung<TEltern> Eltern;
    /// Both empty when the step left the rest as it was.
    std::shared_ptr<const TTagRest> RestVorher;
    std::shared_ptr<const TTagRest> RestNachher;
    quint64 ZustandVorher = 0;
    quint64 ZustandNachher = 0;
    /// Estimated bytes held by this step alone.
    qint64 Kosten = 0;
};

class TVerlauf {
public:
    /// Steps kept at most; older ones are forgotten.
    static constexpr int StandardGrenze = 100;
    /// Bytes the steps may hold together; beyond it the oldest are forgotten, but never
    /// the newest. A hundred ordinary steps stay far below it; a hundred times "Alle
    /// löschen" on days of 20,000 entries would not.
    static constexpr qint64 StandardBudget = qint64(256) * 1024 * 1024;

    explicit TVerlauf(TSprechtag& tag);

    bool KannRueckgaengig() const { return m_index > 0; }
    bool KannWiederholen() const { return m_index < qsizetype(m_schritte.size()); }
    /// Names of the next step back and forward; empty when there is none.
    QString RueckgaengigName() const;
    QString WiederholenName() const;
    /// Undoes the last step; changes made meanwhile without a step of their own become
    /// one first. False when there is nothing to undo or a step is open.
    bool Rueckgaengig();
    bool Wiederholen();

    /// The day as it is becomes the start of a new history (after a load that replaced
    /// the day): nothing before it can be undone.
    void NeuBeginnen();

    qsizetype Anzahl() const { return qsizetype(m_schritte.size()); }
    qsizetype Index() const { return m_index; }
    qint64 Kosten() const { return m_kosten; }
    void SetGrenzen(int schritte, qint64 budget);

    /// Called after every step, undo, redo and new start; `sofort` after steps that
    /// should not wait for the next recovery copy (import, computation, drop-out).
    using TBeobachter = std::function<void(bool sofort)>;
    int Beobachten(TBeobachter b);
    /// Tells the observers that the changed state moved without a step (a save).
    void Melden() { melden(false); }
    void NichtMehrBeobachten(int id);

    /// Takes the generator's number as it is now into the picture (saving draws from it,
    /// which is no step of its own).
    void SeedAngleichen();

    /// Takes changes of record contents into the picture without a step. Steps replay by
    /// position, so contents that changed meanwhile cannot misplace them.
    void Einfalten();

    // For TSprechtag and TSchritt.
    /// True for the outermost step.
    bool Oeffnen(const QString& name, bool sofort);
    void Umbenennen(const QString& name)
    {
        m_offenName = name;
        m_offenOhneName = false;
    }
    void Schliessen();
    void Geaendert(const QString& name, bool sofort);

private:
    void abschliessen(const QString& name, bool sofort);
    void kuerzen();
    void melden(bool sofort);
    std::shared_ptr<const TTagRest> restVon() const;
    void restSetzen(const TTagRest& rest);

    TSprechtag& m_tag;
    TListenStand<TLehrer> m_lehrer;
    TListenStand<TEltern> m_eltern;
    std::shared_ptr<const TTagRest> m_rest;
    quint64 m_basisZustand = 0;

    std::vector<TVerlaufsSchritt> m_schritte;
    qsizetype m_index = 0;
    qint64 m_kosten = 0;
    int m_grenze = StandardGrenze;
    qint64 m_budget = StandardBudget;

    int m_tiefe = 0;
    QString m_offenName;
    bool m_offenOhneName = false;
    bool m_offenSofort = false;
    bool m_offenGeaendert = false;

    std::vector<std::pair<int, TBeobachter>> m_beobachter;
    int m_naechsterBeobachter = 1;
};

/// Opens a named step for the life of the object. Everything the day goes through in
/// that time is one step of the history; an operation that changed nothing leaves none.
class TSchritt {
public:
    TSchritt(TSprechtag& tag, const QString& name, TSichern sichern = TSichern::Spaeter);
    ~TSchritt();
    TSchritt(const TSchritt&) = delete;
    TSchritt& operator=(const TSchritt&) = delete;

    /// Names the step once it is known what it did ("Import von 1.000 Einträgen"); a step
    /// inside another one keeps the outer name.
    void Benennen(const QString& name);

private:
    TVerlauf* m_verlauf;
    bool m_aussen = false;
};

/// "Import von 1 Eintrag", "Import von 1.000 Einträgen".
QString ImportSchrittName(int eintraege);
