#pragma once
// Similar names help to find the other children of a family: "5a: Meier" and "7c: Meier"
// share the word "Meier" once the class part is dropped. A name is reduced to at most four
// words exactly as written; the similarity test compares them with exact letter case.

#include <QString>

#include <array>

struct TNamensWoerter {
    /// Filled from the front; unused slots stay empty.
    std::array<QString, 4> W;
    int Anzahl() const;
};

/// Splits at the first blank, or at a hyphen before it, up to four times; keeps only
/// words of at least two characters without a digit. Punctuation stays in the word.
TNamensWoerter NamensWoerter(const QString& name);

/// Whether one of the first m words of `a` equals one of the first m words of `b`, with
/// m = min(n, words of a) and n clamped to 1..4. Not symmetric: the selected entry `a`
/// decides how many slots count on both sides.
bool NamenAehnlich(const TNamensWoerter& a, const TNamensWoerter& b, int n);
