#pragma once
// Helpers shared by the commands that work on data files.

#include "befehle.h"
#include "datei/datei.h"

#include <optional>

namespace CliDatei {

/// The program's message as one console line: its line breaks (carriage returns, set for
/// the message boxes) would make a terminal overwrite the start of the line.
inline QString Konsole(const QString& meldung)
{
    QString zeile = meldung;
    zeile.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return zeile.simplified();
}

inline int Fehler(TCliAusgabe& io, const QString& meldung)
{
    io.fehler << Konsole(meldung) << "\n";
    io.fehler.flush();
    return 1;
}

/// What a load had to change (names cleaned of control characters), on stderr: the
/// output on stdout stays as scripts expect it.
inline void Hinweis(TCliAusgabe& io, const TDateiErgebnis& ergebnis)
{
    if (ergebnis.Hinweis.isEmpty())
        return;
    io.fehler << ergebnis.Hinweis << "\n";
    io.fehler.flush();
}

/// Loads `datei` into `tag`: on failure the file's message goes to stderr and the exit
/// status comes back, else what the load had to change goes to stderr (Hinweis).
inline std::optional<int> Lade(TCliAusgabe& io, TSprechtag& tag, const QString& datei, TLadeModus modus)
{
    const TDateiErgebnis geladen = Datei::Laden(tag, datei, modus);
    if (!geladen.ok())
        return Fehler(io, geladen.Fehler);
    Hinweis(io, geladen);
    return std::nullopt;
}

} // namespace CliDatei
