#pragma once
// What the example school leaves out but the manual shows: a teacher's invitations, a
// family's most important request and e-mail addresses, all invented. The addresses use
// the domains kept for examples, so no picture ever names a real mailbox.

class TSprechtag;

namespace Beispieltag {

/// The teacher the pictures show on the "Einladungen" tab (position in the list).
inline constexpr int EinladendeLehrkraft = 2;
/// The parent entry whose requests the pictures show with marks (position in the list).
inline constexpr int ElternMitMarken = 6;

/// Adds invitations, a "Vorrang" mark and addresses (a few entries stay without one) to
/// the example day. The day's names and requests stay as they are.
void Ergaenze(TSprechtag& tag);

} // namespace Beispieltag
