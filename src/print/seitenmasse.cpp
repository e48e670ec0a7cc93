#include "seitenmasse.h"

#include <QPaintDevice>

TSeitenMasse TSeitenMasse::Aus(int breiteMm, int hoeheMm, int breitePx, int hoehePx)
{
    TSeitenMasse m;
    // A device that reports no physical size would divide by zero; treat it as a whole
    // A4 sheet so that the plan still lands on it.
    m.HorzSizeMm = breiteMm > 0 ? breiteMm : 210;
    m.VertSizeMm = hoeheMm > 0 ? hoeheMm : 297;
    m.PageWidthPx = breitePx;
    m.PageHeightPx = hoehePx;
    m.PxProCmX = m.PageWidthPx / (m.HorzSizeMm * 0.1);
    m.PxProCmY = m.PageHeightPx / (m.VertSizeMm * 0.1);
    m.RandX = -(21.0 - m.HorzSizeMm * 0.1) * 0.5;
    m.RandY = -(29.7 - m.VertSizeMm * 0.1) * 0.5;
    return m;
}

TSeitenMasse TSeitenMasse::Messe(const QPaintDevice& geraet)
{
    return Aus(geraet.widthMM(), geraet.heightMM(), geraet.width(), geraet.height());
}
