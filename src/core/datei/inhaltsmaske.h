#pragma once
// The content mask of a data file: one bit per section, named after the save dialog's
// check boxes. The sections follow one another in bit order.

namespace Inhalt {
inline constexpr int Lehrer = 1;
inline constexpr int Vorgaben = 2;
inline constexpr int Eltern = 4;
inline constexpr int Sprech = 8;
inline constexpr int Preview = 16;
inline constexpr int Ungewuenscht = 32;
inline constexpr int Plaene = 64;
/// Everything but the timetables.
inline constexpr int OhnePlaene = 63;
inline constexpr int Alles = 127;

/// The save dialog's dependencies: `Vorgaben` needs `Lehrer`; `Sprech`, `Ungewuenscht`
/// and `Plaene` need `Lehrer` and `Eltern` (their blocks repeat once per name of the
/// same file). Bits above the seven sections are dropped.
int MitAbhaengigkeiten(int maske);

/// What a save writes for the boxes checked in the dialog: `Plaene` only while the
/// timetables are valid, then the dependencies.
int SpeicherMaske(int angekreuzt, bool plaeneGueltig);
} // namespace Inhalt
