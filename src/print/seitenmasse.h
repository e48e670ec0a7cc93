#pragma once
// The page geometry of the open printer, measured from the paint device. The printable
// area is taken to lie centred on an A4 sheet; positions are given in sheet centimetres
// and become device pixels only when drawn.

class QPaintDevice;

struct TSeitenMasse {
    int HorzSizeMm = 0;
    int VertSizeMm = 0;
    int PageWidthPx = 0;
    int PageHeightPx = 0;
    double PxProCmX = 0;
    double PxProCmY = 0;
    double RandX = 0;
    double RandY = 0;

    /// Measures the printable area of `geraet` in millimetres and in device pixels.
    static TSeitenMasse Messe(const QPaintDevice& geraet);
    /// The same from given sizes (a device reporting no millimetres counts as A4).
    static TSeitenMasse Aus(int breiteMm, int hoeheMm, int breitePx, int hoehePx);

    /// Sheet centimetres to device pixels, truncated toward zero.
    int XPos(double x) const { return int((x + RandX) * PxProCmX); }
    int YPos(double y) const { return int((y + RandY) * PxProCmY); }
};
