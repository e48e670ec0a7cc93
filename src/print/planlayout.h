#pragma once
// Where the parts of one printed plan go, in rows of its box, without any painter: the
// box of each format, the rows of the introduction, of "Ihr persönlicher Terminplan:"
// and of every plan line, and the continuation boxes of a plan too long for one box.

#include <QString>
#include <vector>

namespace PlanLayout {

/// One plan box in sheet centimetres (A4 portrait, origin top left).
struct TKasten {
    double X0 = 0, Y0 = 0, W = 0, H = 0;
    /// Height of one row as a fraction of H.
    double LH = 0;
    /// Rows from the top of the box to its bottom edge (rows whose bottom is inside).
    int Grenze = 0;
    /// The same down to the footnote, which sits at the bottom left inside the frame.
    int FussGrenze = 0;
    /// Row of the name (A4: 6, A6: 5); the header rows follow from it.
    int ersteZeile = 0;
    bool a6 = false;

    double X1() const { return X0 + W; }
    double Y1() const { return Y0 + H; }
    double XC() const { return X0 + W * 0.5; }
    /// Top of row r in sheet cm.
    double ZeileY(double r) const { return Y0 + H * LH * r; }
};

TKasten A4Kasten();
/// Quarter 0..3: top left, top right, bottom left, bottom right.
TKasten A6Kasten(int viertel);

/// Row of the first body line (introduction or plan line) below the header.
int ErsteTextzeile(bool a6);

/// Two columns from this many lines on (A4 only).
inline constexpr int ZweiSpaltenAb = 32;

struct TEintrag {
    enum class Art { Einleitung, Ueberschrift, Planzeile };
    Art art = Art::Planzeile;
    /// Index into the introduction or the plan lines.
    int index = 0;
    /// 0: left column (or the only one); 1: second column.
    int spalte = 0;
    /// Row below the box's top (the heading sits half a row lower than its slot).
    double zeile = 0;
};

struct TBox {
    /// A continuation box: the name carries " (Forts.)".
    bool fortsetzung = false;
    std::vector<TEintrag> eintraege;
};

/// Distributes the introduction (`einleitung` lines, only with `mitEinleitung`) and `n`
/// plan lines onto boxes. Whatever fits into one box is placed exactly as the layout
/// rules say; the rest continues in further boxes of the same format. With `fussnote`
/// the left column ends above the footnote.
std::vector<TBox> Verteile(int n, bool mitEinleitung, int einleitung, bool a6, bool fussnote);

/// The name shown on continuation boxes.
QString FortsetzungsName(const QString& name);

} // namespace PlanLayout
