#pragma once
// The rules a timetable keeps and the way its lines are written, once for the
// computation, the optimiser's state, the drop-out and the capacity preview. A second
// writing of a rule drifts from the first; here each one has a single home.

#include "zeit/zeit.h"

#include <QString>
#include <QStringBuilder>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace Planregeln {

/// A time on the millisecond grid. A slot start reached as k x slot length + SprechStart
/// can lie one bit below the limit the organiser typed; on the grid both are equal.
inline qint64 AufMs(double t)
{
    const double ms = t * Zeit::MSekProTag;
    if (!(ms > -1e15))
        return qint64(-1e15);
    if (!(ms < 1e15))
        return qint64(1e15);
    return std::llround(ms);
}

/// A family member attends a slot beginning at tMs: not before "nicht vor", and before
/// "nicht nach" (a talk at that very time is too late). Limits on the millisecond grid.
constexpr bool Anwesend(qint64 tMs, bool nichtVor, qint64 vorMs, bool nichtNach, qint64 nachMs)
{
    return !(nichtVor && tMs < vorMs) && !(nichtNach && tMs >= nachMs);
}

/// A teacher's plan shows slot k without a talk as a free line: only with the setting on,
/// and only from the teacher's first slot on.
constexpr bool FreieZeile(bool freieAnzeigen, int k, int ersterSlot)
{
    return freieAnzeigen && k >= ersterSlot;
}

/// The slot whose attendance a talk at slot k also needs with the room change on, one
/// step (`schritt` -1 or +1) away. The computation clamps it to 0..anzSlots (the day's
/// AnzSlots): beyond the day's end both neighbours of a talk are slot anzSlots.
constexpr int RaumwechselNachbar(int k, int schritt, int anzSlots)
{
    return std::max(0, std::min(k + schritt, anzSlots));
}

/// How two talks of one family beyond the day's last slot are read.
enum class TNachbarLesart {
    /// As the computation books: a talk checks its clamped neighbours only, so talks side
    /// by side beyond anzSlots stand (either may have been booked first).
    Berechnung,
    /// What a new placement must keep: every two slots side by side exclude each other,
    /// and a talk beyond anzSlots also excludes slot anzSlots, its clamped neighbour.
    Streng,
};

/// Two talks of one family at slots a and b cannot both stand.
constexpr bool FamilienKonflikt(int a, int b, int anzSlots, bool raumwechsel, TNachbarLesart lesart)
{
    if (a == b)
        return true;
    if (!raumwechsel)
        return false;
    const bool nebeneinander = a - b == 1 || b - a == 1;
    if (lesart == TNachbarLesart::Berechnung)
        return nebeneinander && std::max(a, b) <= anzSlots;
    return nebeneinander || (a > anzSlots && b == anzSlots) || (b > anzSlots && a == anzSlots);
}

/// A teacher is affected (overbooked) when more parent entries ask for the teacher than
/// the teacher has free slots; exactly as many still fit.
constexpr bool IstUeberbucht(int nachfrage, int freieSlots)
{
    return nachfrage > freieSlots;
}

/// The line a talk leaves in a sibling's plan: "hh:nn Uhr: [ Lehrkraft ]".
inline QString Geschwistermarke(const QString& praefix, const QString& wunsch)
{
    return praefix % u"[ " % wunsch % u" ]";
}

/// The parent's own line of a talk: "hh:nn Uhr: Lehrkraft" as the request spells it.
inline QString Elternzeile(const QString& praefix, const QString& wunsch)
{
    return praefix % wunsch;
}

/// The teacher's line of a talk: "hh:nn Uhr: Eintrag"; a free slot is the label alone.
inline QString Lehrerzeile(const QString& praefix, const QString& eltern)
{
    return praefix % eltern;
}

/// Between the names of a joint talk in the teacher's line.
inline constexpr char16_t GemeinsamTrenner[] = u" / ";

/// The teacher's line of a joint talk of siblings: "hh:nn Uhr: 5a: Weber, Tim / 7b: Weber,
/// Anna", the entries in the order of the parents list.
inline QString GemeinsameLehrerzeile(const QString& praefix, const QStringList& eltern)
{
    return praefix % eltern.join(QStringView(GemeinsamTrenner));
}

} // namespace Planregeln
