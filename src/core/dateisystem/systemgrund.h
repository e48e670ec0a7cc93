#pragma once
// The reason the system gives for a failed file operation, in German: the user's error
// messages must not quote the C library's English texts.

#include <QString>

namespace Dateisystem {

/// A short German sentence for `fehlernummer` (an errno value), ending with a full stop.
QString SystemGrund(int fehlernummer);

} // namespace Dateisystem
