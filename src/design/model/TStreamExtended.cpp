#include "design/model/TStreamExtended.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace cw::model {

namespace {

constexpr int ExtendedBias = 16383;
constexpr int DoubleBias = 1023;
constexpr std::uint64_t IntegerBit = std::uint64_t(1) << 63;
constexpr std::uint64_t DoubleFraction = (std::uint64_t(1) << 52) - 1;
constexpr std::uint64_t DoubleQuietBit = std::uint64_t(1) << 51;

// Shifts m right by s bits (1 <= s <= 64), rounding to nearest, ties to even.
std::uint64_t shiftRightRounded(std::uint64_t m, int s)
{
    const std::uint64_t kept = s >= 64 ? 0 : m >> s;
    const std::uint64_t rest = s >= 64 ? m : m & ((std::uint64_t(1) << s) - 1);
    const std::uint64_t half = std::uint64_t(1) << (s - 1);
    if (rest > half || (rest == half && (kept & 1)))
        return kept + 1;
    return kept;
}

} // namespace

TStreamExtended::Bytes TStreamExtended::fromDouble(double value) noexcept
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const unsigned sign = unsigned(bits >> 63);
    const int exponent = int((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & DoubleFraction;

    std::uint64_t mantissa = 0;
    int extExponent = 0;
    if (exponent == 0x7FF) {
        // Infinity keeps a zero fraction; a NaN keeps its payload and quiet bit.
        extExponent = 0x7FFF;
        mantissa = IntegerBit | (fraction << 11);
    } else if (exponent != 0) {
        extExponent = exponent - DoubleBias + ExtendedBias;
        mantissa = IntegerBit | (fraction << 11);
    } else if (fraction != 0) {
        // A double denormal is fraction * 2^-1074; normalised it fits the
        // extended exponent range with room to spare.
        const int shift = std::countl_zero(fraction);
        mantissa = fraction << shift;
        extExponent = ExtendedBias + 63 - 1074 - shift;
    }

    Bytes out{};
    for (int i = 0; i < 8; ++i)
        out[i] = uchar(mantissa >> (8 * i));
    const unsigned top = (sign << 15) | unsigned(extExponent);
    out[8] = uchar(top);
    out[9] = uchar(top >> 8);
    return out;
}

double TStreamExtended::toDouble(const Bytes &bytes) noexcept
{
    return toDouble(bytes.data());
}

double TStreamExtended::toDouble(const uchar *b) noexcept
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | b[i];
    const unsigned top = unsigned(b[8]) | (unsigned(b[9]) << 8);
    const std::uint64_t sign = std::uint64_t(top >> 15) << 63;
    const int exponent = int(top & 0x7FFF);

    if (exponent == 0x7FFF) {
        if ((mantissa & ~IntegerBit) == 0)
            return std::bit_cast<double>(sign | (std::uint64_t(0x7FF) << 52));
        std::uint64_t fraction = (mantissa >> 11) & DoubleFraction;
        if (fraction == 0)
            fraction = DoubleQuietBit; // payload lost below double precision: still a NaN
        return std::bit_cast<double>(sign | (std::uint64_t(0x7FF) << 52) | fraction);
    }
    if (mantissa == 0)
        return std::bit_cast<double>(sign);

    // value = mantissa * 2^(e - 63) with the top mantissa bit set after normalising;
    // exponent 0 (extended denormal) has the same scale as exponent 1.
    const int shift = std::countl_zero(mantissa);
    mantissa <<= shift;
    const int e = (exponent == 0 ? 1 : exponent) - ExtendedBias - shift;

    if (e > DoubleBias)
        return std::bit_cast<double>(sign | (std::uint64_t(0x7FF) << 52));
    if (e >= 1 - DoubleBias) {
        // 53 significant bits; a carry out of the rounding moves into the
        // exponent field, and past the largest exponent gives infinity.
        const std::uint64_t significand = shiftRightRounded(mantissa, 11);
        const std::uint64_t bits = (std::uint64_t(e + DoubleBias - 1) << 52) + significand;
        return std::bit_cast<double>(sign | bits);
    }
    // Below the normal range: a denormal fraction * 2^-1074 (rounding up to
    // 2^52 gives the smallest normal number, which the same bits encode).
    const int s = -1011 - e; // 12 for e = -1023
    if (s > 64)
        return std::bit_cast<double>(sign);
    return std::bit_cast<double>(sign | shiftRightRounded(mantissa, s));
}

} // namespace cw::model
