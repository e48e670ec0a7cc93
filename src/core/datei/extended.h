#pragma once
// 80-bit extended precision as the data file stores floats: bytes 0-7 the significand
// with the integer bit explicit, bytes 8-9 the exponent (bias 16383) and the sign bit.
// Written by hand because no library converts it portably; x86 long double would tie
// the format to one compiler and one processor.

#include <array>
#include <cstdint>

namespace Extended {

using Bytes = std::array<std::uint8_t, 10>;

/// Exact: every double has exactly one 80-bit value.
Bytes AusDouble(double d);

/// Rounded to the nearest double, ties to even; overflow gives infinity, values below
/// half the smallest subnormal give zero.
double ZuDouble(const Bytes& b);

} // namespace Extended
