#include "datei/extended.h"

#include <bit>
#include <cstddef>

namespace Extended {

namespace {
constexpr int ExtBias = 16383;
constexpr int DblBias = 1023;
constexpr std::uint64_t IntegerBit = std::uint64_t(1) << 63;
constexpr std::uint64_t DblMantisse = (std::uint64_t(1) << 52) - 1;

Bytes Packe(bool negativ, int exponent, std::uint64_t signifikand)
{
    Bytes b{};
    for (int i = 0; i < 8; ++i)
        b[std::size_t(i)] = std::uint8_t(signifikand >> (8 * i));
    const unsigned se = unsigned(exponent) | (negativ ? 0x8000u : 0u);
    b[8] = std::uint8_t(se);
    b[9] = std::uint8_t(se >> 8);
    return b;
}

// Drops `schieben` low bits of `wert` with round-to-nearest-even.
std::uint64_t RundeAb(std::uint64_t wert, int schieben)
{
    if (schieben <= 0)
        return wert;
    if (schieben > 64)
        return 0;
    const std::uint64_t q = schieben == 64 ? 0 : wert >> schieben;
    const std::uint64_t rest = schieben == 64 ? wert : wert & ((std::uint64_t(1) << schieben) - 1);
    const std::uint64_t haelfte = std::uint64_t(1) << (schieben - 1);
    if (rest > haelfte || (rest == haelfte && (q & 1)))
        return q + 1;
    return q;
}
} // namespace

Bytes AusDouble(double d)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(d);
    const bool negativ = bits >> 63;
    const int e = int((bits >> 52) & 0x7FF);
    const std::uint64_t m = bits & DblMantisse;
    if (e == 0x7FF) // infinity keeps a bare integer bit, a NaN its payload
        return Packe(negativ, 0x7FFF, IntegerBit | (m << 11));
    if (e == 0) {
        if (m == 0)
            return Packe(negativ, 0, 0);
        const int n = std::countl_zero(m); // subnormal: normalise, the range of 80 bits holds it
        return Packe(negativ, ExtBias - DblBias + 1 - (n - 11), m << n);
    }
    return Packe(negativ, e - DblBias + ExtBias, IntegerBit | (m << 11));
}

double ZuDouble(const Bytes& b)
{
    std::uint64_t sig = 0;
    for (int i = 7; i >= 0; --i)
        sig = (sig << 8) | b[std::size_t(i)];
    const unsigned se = unsigned(b[8]) | (unsigned(b[9]) << 8);
    const bool negativ = se & 0x8000u;
    const int e = int(se & 0x7FFF);
    const std::uint64_t vorzeichen = negativ ? (std::uint64_t(1) << 63) : 0;

    if (e == 0x7FFF) {
        const std::uint64_t bruch = sig & ~IntegerBit;
        const std::uint64_t dbl = bruch == 0 ? (std::uint64_t(0x7FF) << 52)
                                             : ((std::uint64_t(0x7FF) << 52) | (std::uint64_t(1) << 51) | (bruch >> 11));
        return std::bit_cast<double>(vorzeichen | dbl);
    }
    if (sig == 0)
        return std::bit_cast<double>(vorzeichen);

    // value = sig * 2^exp2; denormal 80-bit values share the exponent of the smallest normal.
    int exp2 = (e == 0 ? 1 : e) - ExtBias - 63;
    const int n = std::countl_zero(sig);
    sig <<= n;
    exp2 -= n;
    const int p = exp2 + 63; // exponent of the leading bit
    const std::uint64_t unendlich = std::uint64_t(0x7FF) << 52;
    if (p > DblBias)
        return std::bit_cast<double>(vorzeichen | unendlich);
    if (p >= 1 - DblBias) {
        std::uint64_t mant = RundeAb(sig, 11);
        int pp = p;
        if (mant >> 53) { // rounding carried into a new bit
            mant >>= 1;
            ++pp;
        }
        if (pp > DblBias)
            return std::bit_cast<double>(vorzeichen | unendlich);
        return std::bit_cast<double>(vorzeichen | (std::uint64_t(pp + DblBias) << 52) | (mant & DblMantisse));
    }
    // Subnormal result: the count of 2^-1074 units; a carry into 2^52 is the smallest
    // normal, which the same bit pattern expresses.
    const int schieben = -exp2 - 1074;
    return std::bit_cast<double>(vorzeichen | RundeAb(sig, schieben));
}

} // namespace Extended
