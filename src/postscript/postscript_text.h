// Values as the writers put them into PostScript font programs: strings with escapes, names
// cut down to the characters a name token may hold, and numbers without the locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorvella {

// "(...)" with \\, \( and \) escaped and every byte outside 32..126 as a three-digit octal
// escape, so that the string never spans lines or depends on the reader's byte handling.
std::string psString(std::string_view text);

// The bytes of `text` that a name token may hold (33..126 except ()<>[]{}/%), at most 127 of
// them; `fallback` when none is left.
std::string psName(std::string_view text, std::string_view fallback);

// The shortest decimal text that reads back as the same double, never with an exponent;
// 0 for values that are not finite.
std::string psReal(double value);

// The text with every byte below 32 and 127 turned into a space, so that a value written
// into a line-based file never breaks its line.
std::string singleLine(std::string_view text);

// printf's "%.<decimals>f" and "%g" without the locale; -0 is written as 0.
std::string fixedDecimals(double value, int decimals);
std::string generalNumber(double value);

}  // namespace sorvella
