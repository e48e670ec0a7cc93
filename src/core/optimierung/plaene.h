#pragma once
// Between the day's plan lines and the optimisation state: the talks of existing plans
// become the starting state, and the state is written back in the very formats the
// computation writes, so that overview, editor, printing and the data file need nothing new.

#include "model/sprechtag.h"
#include "optimierung/zustand.h"

#include <vector>

/// Line labels ("hh:nn Uhr: ") of slots 0..n-1, built by adding the slot length as the
/// computation does.
QStringList PlanPraefixe(const TSprechtag& tag, int n);

/// A plan line that names a talk the state does not hold: a teacher line whose partner's
/// plan does not show the talk, or a parent's own line without its teacher line.
struct TFremdeZeile {
    /// Teacher and entry as far as the line names them (-1: none or unknown).
    int lehrer = -1;
    int eltern = -1;
    /// Slot of the line's label, -1 for a label the day grid does not know.
    int slot = -1;
    /// The line as it stands.
    QString zeile;
};

struct TGelesenePlaene {
    /// Talks that a plan line named and that were not taken over (counted once when both
    /// the teacher's and the parent's line were left).
    int Verworfen = 0;
    /// Talks taken over as they stand that a new placement could not take: beside another
    /// talk of the family beyond the day's end, or edited by hand against a rule.
    std::vector<int> Regelwidrig;
    std::vector<TFremdeZeile> Lehrerzeilen;
    std::vector<TFremdeZeile> Elternzeilen;
};

/// Takes over every talk that the teacher's and the parent's plan both show, as it
/// stands; a talk is never dropped for breaking a rule (TGelesenePlaene::Regelwidrig names
/// those). Lines on one side only are reported, not taken over.
TGelesenePlaene LiesPlaene(const TSprechtag& tag, TOptimierZustand& z);

/// The lines a talk of entry `eltern` writes into the parents' plans: the entry's own
/// line, then the bracketed mark for every sibling the entry lists (entry index, line).
std::vector<std::pair<int, QString>> TerminZeilen(const TSprechtag& tag, int eltern, const QString& praefix,
                                                  const QString& wunsch);

/// All lines the talk r writes into the parents' plans: for a joint talk every member's
/// own line and the bracketed mark for each sibling outside it.
std::vector<std::pair<int, QString>> TerminZeilen(const TSprechtag& tag, const TOptimierZustand& z, int r,
                                                  const QString& praefix);

/// How entry `eltern` (the request's own or one in `mit`) spells the request.
QString WunschText(const TOptimierZustand::Wunsch& w, int eltern);

/// The names a teacher's line shows for the talk: the entry, or every entry of a joint
/// talk joined by " / ".
QString TeilnehmerText(const TSprechtag& tag, const TOptimierZustand::Wunsch& w);

/// Adds these lines to the parents' plans.
void TrageTerminEin(TSprechtag& tag, int eltern, const QString& praefix, const QString& wunsch);

/// Rewrites every teacher's and parent entry's plan from the state: teacher lines in slot
/// order (with free slots from the teacher's first slot on while FreieTermineAnzeigen is
/// set), own lines and the siblings' bracketed lines in the parents' plans.
void SchreibePlaene(TSprechtag& tag, const TOptimierZustand& z);
