#include "glyph/subset_font_encoding.h"

#include "glyph/placeholder_name.h"

namespace sorvella {

bool SubsetFontEncoding::hasGlyphName(int code) const {
  if (code < 0 || code >= kSize) return false;
  const std::string& name = glyphNames[static_cast<std::size_t>(code)];
  return !name.empty() && !isPlaceholderName(code, name);
}

}  // namespace sorvella
