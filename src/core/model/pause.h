#pragma once
// One break for everybody. SlotVon/SlotBis are derived from Start and Dauer and the day
// settings; every setter recomputes them.

#include "model/vorgaben.h"

class TPause {
public:
    /// A new break starts two hours after the start of the day and lasts 30 minutes.
    explicit TPause(const TVorgaben& vorgaben);
    /// The same break, pointing at other settings (those of a copy of the day).
    TPause(const TPause& andere, const TVorgaben& vorgaben)
        : TPause(andere)
    {
        m_vorgaben = &vorgaben;
    }

    double Start() const { return m_start; }
    double Dauer() const { return m_dauer; }
    int SlotVon() const { return m_slotVon; }
    int SlotBis() const { return m_slotBis; }

    void SetStart(double start);
    void SetDauer(double dauer);
    /// Counts slot starts with one second of tolerance (see the day grid).
    void BerechneSlots();
    /// Slot i lies in the break, and the break lasts longer than one second.
    bool DecktSlot(int i) const;

private:
    const TVorgaben* m_vorgaben;
    double m_start = 0;
    double m_dauer = 0;
    int m_slotVon = 0;
    int m_slotBis = 0;
};
