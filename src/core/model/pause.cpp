#include "model/pause.h"

TPause::TPause(const TVorgaben& vorgaben)
    : m_vorgaben(&vorgaben)
{
    SetStart(vorgaben.SprechStart + Zeit::Kodiere(2, 0));
    SetDauer(Zeit::Kodiere(0, 30));
}

void TPause::SetStart(double start)
{
    m_start = start;
    BerechneSlots();
}

void TPause::SetDauer(double dauer)
{
    m_dauer = dauer;
    BerechneSlots();
}

// Counted by stepping (repeated addition), not by division: slot boundaries then fall the
// same way as in every other slot count of the program.
static int ZaehleSlotsVor(double grenze, const TVorgaben& v)
{
    const double takt = v.Takt();
    int n = 0;
    if (takt <= 0)
        return 0;
    // The cap only matters for absurd times from a damaged file.
    for (double z = v.SprechStart + Zeit::EineSekunde; z < grenze && n < 1000000; z += takt)
        ++n;
    return n;
}

void TPause::BerechneSlots()
{
    m_slotVon = ZaehleSlotsVor(m_start, *m_vorgaben);
    m_slotBis = ZaehleSlotsVor(m_start + m_dauer, *m_vorgaben);
}

bool TPause::DecktSlot(int i) const
{
    return m_slotVon <= i && i < m_slotBis && m_dauer > Zeit::EineSekunde;
}
