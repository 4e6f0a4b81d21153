#include "glyph/cid_font_info.h"

#include <algorithm>

#include "base/text_trim.h"

namespace sorvella {

void CidFontInfo::setFontName(std::string_view v) {
  fontName_ = trimOwnedText(v);
}
void CidFontInfo::setFullName(std::string_view v) {
  fullName_ = trimOwnedText(v);
}
void CidFontInfo::setNotice(std::string_view v) {
  notice_ = trimOwnedText(v);
}
void CidFontInfo::setRegistry(std::string_view v) {
  registry_ = trimOwnedText(v);
}
void CidFontInfo::setOrdering(std::string_view v) {
  ordering_ = trimOwnedText(v);
}

void CidFontInfo::setXuid(std::span<const int32_t> numbers) {
  xuid_.assign(numbers.begin(), numbers.begin() + std::min<std::size_t>(numbers.size(), kMaxXuid));
}

}  // namespace sorvella
