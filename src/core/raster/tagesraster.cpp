#include "raster/tagesraster.h"

namespace Raster {

// A damaged file could carry absurd times; no real day has more slots than this, and
// the cap keeps every count finite without changing any result for a real day.
static constexpr int MaxSchritte = 1000000;

double LehrerStart(const TSprechtag& tag, const TLehrer& l)
{
    return l.AbweichZeit ? l.StartZeit : tag.Vorgaben.SprechStart;
}

double LehrerEnde(const TSprechtag& tag, const TLehrer& l)
{
    return l.AbweichZeit ? l.EndZeit : tag.Vorgaben.SprechEnde;
}

int ErsterSlot(const TSprechtag& tag, const TLehrer& l)
{
    const double takt = tag.Vorgaben.Takt();
    const double start = LehrerStart(tag, l);
    int n = 0;
    if (takt <= 0)
        return 0;
    for (double z = tag.Vorgaben.SprechStart + Zeit::EineSekunde; start > z && n < MaxSchritte; z += takt)
        ++n;
    return n;
}

int LetzterSlot(const TSprechtag& tag, const TLehrer& l)
{
    const double takt = tag.Vorgaben.Takt();
    const double ende = LehrerEnde(tag, l);
    int n = -2;
    if (takt <= 0)
        return n;
    for (double z = tag.Vorgaben.SprechStart - Zeit::EineSekunde; ende > z && n < MaxSchritte; z += takt)
        ++n;
    return n;
}

int FreieSlots(const TSprechtag& tag, const TLehrer& l)
{
    const int von = ErsterSlot(tag, l);
    const int bis = LetzterSlot(tag, l);
    int frei = 0;
    for (int k = von; k <= bis; ++k)
        if (!IstPausenSlot(tag, k))
            ++frei;
    return frei;
}

int AnzSlots(const TSprechtag& tag)
{
    const Zeit::Uhrzeit s = Zeit::Zerlege(tag.Vorgaben.SprechStart);
    const Zeit::Uhrzeit e = Zeit::Zerlege(tag.Vorgaben.SprechEnde);
    const int minuten = (e.stunden - s.stunden) * 60 + e.minuten - s.minuten;
    return tag.Vorgaben.SprechTakt > 0 ? minuten / int(tag.Vorgaben.SprechTakt) : 0;
}

double SlotZeit(const TSprechtag& tag, int k)
{
    return tag.Vorgaben.SprechStart + k * tag.Vorgaben.Takt();
}

bool IstPausenSlot(const TSprechtag& tag, int k)
{
    for (const auto& p : tag.Pausen)
        if (p->DecktSlot(k))
            return true;
    return false;
}

} // namespace Raster
