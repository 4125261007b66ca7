#pragma once
// Conversion between double and the 10-byte x87 extended-precision float that
// the card file stores for every float property (little endian: 64-bit
// mantissa with an explicit integer bit, then 15-bit exponent biased by 16383
// and the sign in the top bit).
//
// fromDouble is exact for every double, including -0, denormals (which become
// normal extended numbers), the infinities and NaN payloads.  toDouble rounds
// to nearest, ties to even, and gives ±infinity above the double range and
// denormals or ±0 below it, so toDouble(fromDouble(x)) == x bit for bit for
// every double that is not a signalling NaN.  Extended encodings that a
// modern FPU calls invalid (unnormals, pseudo-denormals) are read as the value
// their bits literally denote; any exponent-0x7FFF encoding with a non-zero
// fraction is a NaN.

#include <QtGlobal>

#include <array>

namespace cw::model {

class TStreamExtended
{
public:
    using Bytes = std::array<uchar, 10>;

    static Bytes fromDouble(double value) noexcept;
    static double toDouble(const Bytes &bytes) noexcept;
    static double toDouble(const uchar *tenBytes) noexcept;
};

} // namespace cw::model
