// The "&New..." command's pieces that need no window: the name rule, the empty font it makes,
// and the three coupled fields of the index font dialog.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "glyph/subset_font.h"

namespace sorvella {

namespace new_subset_font_text {
inline constexpr const char* kTitle = "New Font Name";
inline constexpr const char* kLabel = "New font name:";
inline constexpr const char* kNoSpacesHint = "Font name should not have any space characters.";
inline constexpr const char* kAlphanumericHint = "Use alphanumeric characters only.";
inline constexpr const char* kIndexFontTitle = "Make Index Font";
inline constexpr const char* kIndexFontText = "Enter parameters of index font";
inline constexpr const char* kFirstIndex = "First index to create:";
inline constexpr const char* kLastIndex = "Last index to create:";
inline constexpr const char* kCount = "Number of characters:";
inline constexpr const char* kIndexGlyphName = "IND-%0.4u";
}  // namespace new_subset_font_text

// The typed text without any byte of value 32 or below (as signed 8-bit); "Untitled" when
// nothing is left.
std::string newSubsetFontName(std::string_view typed);

// One master, no glyphs, the name as its FontName.
std::unique_ptr<SubsetFont> makeEmptySubsetFont(const std::string& name);

// The "Make Index Font" fields, each change adjusting the others as the user types.
struct IndexFontFields {
  uint32_t first = 0;
  uint32_t last = 0;
  uint32_t count = 0;

  void setFirst(uint32_t f);
  void setLast(uint32_t l);
  void setCount(uint32_t c);
};

// "IND-0008" for the index 8.
std::string indexGlyphName(uint32_t index);

}  // namespace sorvella
