#pragma once
// A teacher drops out on the day, wholly, or comes only from a time, or stays only until
// one. Planning takes the teacher's talks outside the new hours out and places each of
// them again within the remaining hours, moving as few other talks as possible: first as
// many talks kept as can be, then the fewest talks changed, then the least added waiting.
// Only talks of that teacher are ever cancelled; every other talk stays a talk.
//
// Planning reads the day and changes nothing; applying writes exactly the planned
// changes into the plan lines in the computation's formats, so that entries whose talks
// did not change keep their plans line for line.

#include "model/sprechtag.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

enum class TAusfallArt {
    /// "fällt ganz aus"
    Ganz,
    /// "erst ab" a time
    Ab,
    /// "nur bis" a time
    Bis,
};

struct TAusfallWunsch {
    QString Lehrer;
    TAusfallArt Art = TAusfallArt::Ganz;
    /// The time of Ab and Bis, a day fraction.
    double Zeit = 0;
};

struct TAusfallTermin {
    /// Display names of the entry and the teacher.
    QString Eltern;
    QString Lehrer;
    /// The request as the entry's plan line spells it.
    QString Text;
    /// Slots before and after; Neu is -1 for a cancelled talk.
    int Alt = -1;
    int Neu = -1;
    /// "hh:mm" of those slots; NeuZeit empty for a cancelled talk.
    QString AltZeit;
    QString NeuZeit;
    /// The teacher invited the family to this talk: the call list marks it.
    bool Einladung = false;
};

struct TAusfallPlan {
    TAusfallWunsch Wunsch;
    /// The teacher's display name and new hours (always individual hours afterwards).
    QString Lehrer;
    double StartZeit = 0;
    double EndZeit = 0;
    /// "16:30 bis 18:00", or "keine" when nothing remains.
    QString NeueSprechzeit;

    /// The teacher's talks that stay at their time.
    std::vector<TAusfallTermin> Behalten;
    /// Talks at a new time: the teacher's re-placed talks and the talks moved for them.
    std::vector<TAusfallTermin> Verschoben;
    /// The teacher's talks that find no place any more, and every line of the teacher's
    /// plan or a parent's plan outside the new hours that showed a talk on one side only.
    std::vector<TAusfallTermin> Abgesagt;
    /// Entries whose plan changes (own talks or their siblings' marks), in list order.
    QStringList Familien;
    /// Talks outside the new hours: what simply cancelling them would cancel.
    int Herausgenommen = 0;

    // For applying: the new slot range of the teacher, the line labels, and the parents'
    // plan lines that go (all first) and come, by entry name.
    int Erster = 0;
    int Letzter = -1;
    QStringList Praefixe;
    struct TZeile {
        QString Eltern;
        QString Zeile;
    };
    std::vector<TZeile> Entfernen;
    std::vector<TZeile> Hinzufuegen;
};

/// Why this drop-out cannot be planned (no valid plans, unknown teacher, a time that
/// takes nothing away), or an empty text.
QString AusfallHindernis(const TSprechtag& tag, const TAusfallWunsch& wunsch);

/// Plans the drop-out; the day stays as it is. Requires an empty AusfallHindernis.
TAusfallPlan PlaneAusfall(const TSprechtag& tag, const TAusfallWunsch& wunsch);

/// Applies a plan made for this very day as one step: the teacher's hours, the plan lines
/// of the changed talks, the statistics; marks the day changed.
void WendeAusfallAn(TSprechtag& tag, const TAusfallPlan& plan);

/// "fällt ganz aus", "kommt erst ab 16:30", "bleibt nur bis 16:30".
QString AusfallBeschreibung(const TAusfallWunsch& wunsch);

/// The lists for reading, printing and the console: kept, moved, cancelled, families.
QStringList AusfallListe(const TAusfallPlan& plan);

/// One row per moved or cancelled talk, by entry and time, for phoning the families:
/// "Eintrag;Lehrkraft;Bisher;Neu;Änderung", UTF-8 with byte order mark, CR LF; when one
/// of the talks is an invitation, a column "Einladung" says "ja" for those.
QByteArray AusfallCsv(const TAusfallPlan& plan);
