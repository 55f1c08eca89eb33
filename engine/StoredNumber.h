// Reading numbers typed or stored as text: the settings file's values and
// the tournament's answers share one rule.
#pragma once

#include <optional>
#include <string>

namespace zarvel {

// The numeric value of the leading number of a text. Blanks, tabs, carriage
// returns and line feeds are ignored wherever they stand; an optional sign,
// digits, an optional decimal point and exponent, or a hexadecimal number
// after "&H", are read up to the first character that does not fit. A text
// without a leading number gives 0.
double StoredNumber(const std::string& text);

// The value rounded to the nearest whole number, a half going to the even
// neighbour; nothing when it does not fit [lo, hi].
std::optional<long> RoundedInRange(double value, long lo, long hi);

}  // namespace zarvel
