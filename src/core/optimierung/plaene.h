#pragma once
// Between the day's plan lines and the optimisation state: the talks of existing plans
// become the starting state, and the state is written back in the very formats the
// computation writes, so that overview, editor, printing and the data file need nothing new.

#include "model/sprechtag.h"
#include "optimierung/zustand.h"

/// Line labels ("hh:nn Uhr: ") of slots 0..n-1, built by adding the slot length as the
/// computation does.
QStringList PlanPraefixe(const TSprechtag& tag, int n);

/// Places every talk that the teacher's and the parent's plan both show and that keeps
/// every rule. Returns the number of teacher lines that named a partner but could not be
/// taken over (edited by hand, or against a rule).
int LiesPlaene(const TSprechtag& tag, TOptimierZustand& z);

/// Rewrites every teacher's and parent entry's plan from the state: teacher lines in slot
/// order (with free slots from the teacher's first slot on while FreieTermineAnzeigen is
/// set), own lines and the siblings' bracketed lines in the parents' plans.
void SchreibePlaene(TSprechtag& tag, const TOptimierZustand& z);
