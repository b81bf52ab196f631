#pragma once

#include <QString>

#include <optional>

// Amounts of the Money Plan are plain signed 64-bit counts of cents. These
// four functions are the only place they are rounded, shown, and read back
// from what a person typed, so one amount reads the same everywhere.
namespace Money {

// a / b with halves rounded away from zero on both sides (26/52 = 1,
// -26/52 = -1). A divisor of 0 gives 0; a quotient beyond 64 bits sticks at
// the nearest limit.
qint64 divRound(qint64 a, qint64 b);

// "$1,234.56", "-$0.05": dollar sign, commas between groups of three dollar
// digits, two decimals, the minus sign before the dollar sign.
QString text(qint64 cents);

// "1234.56", "-0.05": two decimals, no dollar sign, no commas (edit fields
// and the CSV report).
QString plain(qint64 cents);

// Typed text to cents: "$1,234.56" -> 123456, "7." -> 700, ".5" -> 50.
// "$" and "," are ignored wherever they stand; at most nine dollar digits and
// two decimals, ASCII digits only, no sign. Nothing when the text is not an
// amount ("", "1.234", "-5", "12 34").
std::optional<qint64> parse(const QString &typed);

} // namespace Money
