#pragma once
// Reads a whole data file of revision 1 to 9 into a TDateiInhalt. Nothing of the day is
// touched here; a fault anywhere gives the message and no content at all.

#include "datei/inhalt.h"

#include <QByteArray>
#include <QString>

struct TLeseErgebnis {
    QString Fehler;
    TDateiInhalt Inhalt;
    bool ok() const { return Fehler.isEmpty(); }
};

namespace DateiLeser {

/// The complete file as bytes, header included. `pfad` only names the file in messages.
TLeseErgebnis Lies(const QByteArray& daten, const QString& pfad = {});

/// Time values a day can work with: finite and within two days. Anything else would make
/// slot counts run away.
bool ZeitBrauchbar(double t);

inline constexpr int MinTakt = 1;
inline constexpr int MaxTakt = 45;
inline constexpr int MaxPausen = 10;

} // namespace DateiLeser
