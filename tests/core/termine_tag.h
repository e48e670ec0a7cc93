#pragma once
// A small day with plans written by hand for the appointment export: names with ';', ',',
// '\', quotes and umlauts, a teacher name long enough to fold, a teacher without a room,
// two siblings, a plan line typed by hand without a time. tests/daten/termine.qvt holds
// the same day as a file for the command-line tests.

#include "berechnung_hilfen.h"

namespace TermineTest {

inline const QString Weber = QStringLiteral("Weber (R 12)");
inline const QString Mueller = QStringLiteral(
    "Dr. Müller-Lüdenscheidt; Fachbereich Naturwissenschaften, Chemie\\Physik (Raum 1.23, Altbau)");
inline const QString Schulz = QStringLiteral("Schulz");
inline const QString Oezdemir = QStringLiteral("5c: Özdemir, Jürgen");
inline const QString Kalle = QStringLiteral("6a: \"Kalle\" Schmidt/Meier");
inline const QString Anna = QStringLiteral("7b: Weber, Anna");
inline const QString Ben = QStringLiteral("9a: Weber, Ben");

inline QString Z(const char* zeit, const QString& wer) { return QString::fromLatin1(zeit) + QStringLiteral(" Uhr: ") + wer; }
inline QString G(const char* zeit, const QString& wer) { return Z(zeit, QStringLiteral("[ ") + wer + QStringLiteral(" ]")); }

// 15:00-18:00, 10 minutes.
//   Weber:  15:00 Anna, 16:50 Özdemir      Müller: 15:20 Anna      Schulz: 15:00 Kalle, 15:10 Ben
inline void KniffligerTag(TSprechtag& tag)
{
    using namespace BerechnungTest;
    Rahmen(tag, 15, 0, 18, 0, 10);
    Lehrer(tag, Weber).Zeitplan = {Z("15:00", Anna), Z("16:50", Oezdemir)};
    Lehrer(tag, Mueller).Zeitplan = {Z("15:20", Anna)};
    Lehrer(tag, Schulz).Zeitplan = {Z("15:00", Kalle), Z("15:10", Ben)};
    Eltern(tag, Oezdemir, {Weber}).Zeitplan.Setze({Z("16:50", Weber)});
    Eltern(tag, Kalle, {Schulz}).Zeitplan.Setze({Z("15:00", Schulz), QStringLiteral("Anruf: kommt später")});
    Eltern(tag, Anna, {Weber, Mueller}).Zeitplan.Setze({Z("15:00", Weber), G("15:10", Schulz), Z("15:20", Mueller)});
    Eltern(tag, Ben, {Schulz}).Zeitplan.Setze({G("15:00", Weber), Z("15:10", Schulz), G("15:20", Mueller)});
    Geschwister(tag, Anna, Ben);
    tag.PlaeneGueltig = true;
}

} // namespace TermineTest
