#include "glyph/subset_font_info.h"

#include "base/text_trim.h"

namespace sorvella {

void SubsetFontInfo::setText(FontText which, std::string_view text) {
  texts_[static_cast<std::size_t>(which)] = trimOwnedText(text);
}

}  // namespace sorvella
