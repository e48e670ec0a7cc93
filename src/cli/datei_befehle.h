#pragma once
// Helpers shared by the commands that work on data files.

#include "befehle.h"
#include "datei/datei.h"

namespace CliDatei {

/// The program's message as console text: its line breaks are carriage returns for the
/// message boxes.
inline QString Konsole(QString meldung)
{
    return meldung.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

inline int Fehler(TCliAusgabe& io, const QString& meldung)
{
    io.fehler << Konsole(meldung) << "\n";
    io.fehler.flush();
    return 1;
}

} // namespace CliDatei
