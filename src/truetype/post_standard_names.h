// The 258 glyph names of the Macintosh standard order, as the `post` table refers to them;
// index 1 is "null" and index 2 "CR".
#pragma once

#include <cstddef>
#include <string_view>

namespace sorvella {

inline constexpr std::size_t kStandardGlyphNames = 258;

// Empty for an index outside the list.
std::string_view standardGlyphName(std::size_t index);

}  // namespace sorvella
