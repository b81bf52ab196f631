#pragma once

#include <QtGlobal>

#include <limits>

// 128-bit intermediates for the Money Plan's products and sums, so amounts
// times 365, cash times 365 and percentages never overflow 64 bits (signed
// overflow is undefined behaviour). Results go back to 64 bits through
// saturate(): a figure beyond the range sticks at the nearest limit.
namespace WideCents {

using Wide = __int128;

inline constexpr Wide kMin = std::numeric_limits<qint64>::min();
inline constexpr Wide kMax = std::numeric_limits<qint64>::max();

inline constexpr qint64 saturate(Wide v)
{
    return v < kMin ? qint64(kMin) : v > kMax ? qint64(kMax) : qint64(v);
}

// a / b with halves away from zero, on magnitudes so both signs round alike.
// A divisor of 0 gives 0.
inline constexpr Wide divRound(Wide a, Wide b)
{
    if (b == 0)
        return 0;
    const bool negative = (a < 0) != (b < 0);
    const Wide m = a < 0 ? -a : a;
    const Wide d = b < 0 ? -b : b;
    const Wide q = (2 * m + d) / (2 * d);
    return negative ? -q : q;
}

} // namespace WideCents
