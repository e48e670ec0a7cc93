#pragma once
// Reading the partner of a teacher's plan line back: one entry, or the entries of a joint
// talk of siblings ("5a: Weber, Tim / 7b: Weber, Anna"). Everything that reads teachers'
// lines (optimiser, drop-out, door sheets, checks) resolves them here, so that a line is
// read the same way everywhere.

#include "model/namensindex.h"
#include "model/sprechtag.h"

#include <QString>
#include <vector>

/// The entries (positions in the parents list) that the text after a line's label names:
/// the whole text as one entry's name first; otherwise the pieces between " / ", each an
/// entry, all of one family, at least two. Empty when the text names neither.
std::vector<int> ZeilenPartner(const TSprechtag& tag, TNamensIndex& eltern, const QString& rest);

/// The same with a look-up of its own, for a single line.
std::vector<int> ZeilenPartner(const TSprechtag& tag, const QString& rest);
