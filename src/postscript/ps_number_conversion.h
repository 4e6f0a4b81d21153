// Number conversions of font-program tokens, as the C library reads them but independent of the
// locale and without overflow: every result is a finite value.
#pragma once

#include <cstdint>
#include <string_view>

namespace sorvella {

// The leading decimal integer (atoi): optional sign, digits up to the first other character;
// 0 when there is none. Saturates at the 32-bit limits.
int32_t psLeadingDecimal(std::string_view text);

// As scanf's "%i": a 0x prefix reads hexadecimal, a leading 0 octal, anything else decimal.
int32_t psScanfInteger(std::string_view text);

// base#digits with a decimal base of 2 to 36 (other bases give 0); the leading digits valid in
// the base are read as an unsigned 32-bit pattern, saturating, and returned as two's
// complement (16#FFFFFFFF is -1). Without '#', the leading decimal integer.
int32_t psIntegerToken(std::string_view token);

// The leading decimal real (optional sign, digits with an optional point, optional exponent);
// 0.0 when there is none. Values too large for a double give the largest finite one; forms
// other than decimal (infinities, NaN, hexadecimal) give 0.0.
double psLeadingReal(std::string_view text);

}  // namespace sorvella
