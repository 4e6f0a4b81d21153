// Placeholder glyph names: the name a character code carries when no glyph name was given,
// shared by the encoding of subset fonts and the tables loaded from encoding files.
#pragma once

#include <string>
#include <string_view>

namespace sorvella {

// Made from the code: 65 gives ".0065".
inline constexpr char kPlaceholderNameFormat[] = ".%04i";

std::string placeholderName(int code);
bool isPlaceholderName(int code, std::string_view name);

}  // namespace sorvella
