#pragma once
// Renaming or deleting a single teacher or parent entry makes computed timetables
// invalid; the user agrees to that first. The plans stay in the records until the next
// computation, but are no longer shown, printed or saved.

#include "model/sprechtag.h"

#include <QString>
#include <functional>

/// The confirmation text, with its line breaks exactly as the program has always shown it.
QString PlaeneUngueltigFrage();

/// Applies the user's answer: Yes marks the plans invalid. Returns whether the action may
/// go on (No abandons it and changes nothing).
bool PlaeneUngueltigAntwort(TSprechtag& tag, bool ja);

/// The whole step: without valid plans true at once and no question; otherwise
/// `bestaetigen` shows the text as a Yes/No question and its answer is applied.
bool TryInvalidatePlansAction(TSprechtag& tag, const std::function<bool(const QString& frage)>& bestaetigen);
