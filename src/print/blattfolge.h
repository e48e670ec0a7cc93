#pragma once
// Which sheet and which quarter the next plan box takes. A DIN A4 plan has a page of its
// own; quarter-sheet plans fill a sheet top left, top right, bottom left, bottom right,
// and the sheet gets its cutting lines when its first quarter is used.

struct TPlatz {
    /// Start a new page before drawing.
    bool neueSeite = false;
    /// Draw the cutting lines on this page (first quarter of a sheet).
    bool schnittlinien = false;
    /// 0..3 for quarter-sheet plans, -1 for DIN A4.
    int viertel = -1;
};

class TBlattFolge {
public:
    /// Quarters of the current sheet in use, 0..4; 0 also after every DIN A4 plan.
    int A6Zaehler = 0;

    /// The place of the next box. `erster`: first plan of its section (a DIN A4 plan then
    /// goes onto the page that is already open).
    TPlatz Naechster(bool a6, bool erster)
    {
        TPlatz p;
        if (!a6) {
            p.neueSeite = !erster;
            A6Zaehler = 0;
            return p;
        }
        const int alt = A6Zaehler;
        p.viertel = alt % 4;
        A6Zaehler = p.viertel + 1;
        if (p.viertel == 0) {
            p.neueSeite = alt == 4;
            p.schnittlinien = true;
        }
        return p;
    }
};
