#pragma once
// Units shared by drawing on screen and on paper.  Stored positions are card
// pixels at a constant 96 pixels per inch (so files are portable across
// screens); paper positions are double-precision inches.

#include <cmath>
#include <cstdint>

namespace cw {

inline constexpr int ScreenPixelsPerInch = 96;

// a * b / c with a 64-bit product, rounded to nearest, halves away from zero.
// Returns -1 when c is 0, as the platform routine does.
inline int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t p = static_cast<std::int64_t>(a) * b;
    const bool negative = (p < 0) != (c < 0);
    const std::int64_t ap = p < 0 ? -p : p;
    const std::int64_t ac = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t q = (ap + ac / 2) / ac;
    return static_cast<int>(negative ? -q : q);
}

// "Round" of the design: halves to even (banker's rounding), not qRound.
inline int Round(double v) { return static_cast<int>(std::nearbyint(v)); }
inline long long Round64(double v) { return static_cast<long long>(std::nearbyint(v)); }
// "Trunc": toward zero.
inline int Trunc(double v) { return static_cast<int>(v); }

inline double PixelsToInches(double pixels) { return pixels / ScreenPixelsPerInch; }

} // namespace cw
