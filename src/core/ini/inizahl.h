#pragma once
// Integers in the settings file: decimal with an optional sign, or hexadecimal when the
// text begins with "$", or with "0x"/"0X" and has more than two characters. Settings
// written by hand or by other tools must read the same as they always did.

#include <QString>

/// The integer a settings value stands for, or `vorgabe` when it is not one (empty text,
/// garbage, a number outside 32 bits). Hexadecimal takes up to eight digits as the
/// 32-bit pattern, so "0xFFFFFFFF" is -1.
int IniZahl(const QString& text, int vorgabe);
