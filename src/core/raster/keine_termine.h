#pragma once
// Whether the day's hours leave room for any appointment at all, said in a sentence for the
// "Vorgaben" page and the capacity preview. The hours stay as typed: the user may be on the
// way to other values.

#include "model/sprechtag.h"

#include <QString>

namespace Raster {

/// Empty while the day has at least one slot; otherwise why it has none.
QString KeineTermineHinweis(const TSprechtag& tag);

} // namespace Raster
