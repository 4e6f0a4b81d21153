// Index fonts: one glyph per index that shows the index in decimal digits, the digits taken
// from the system's TrueType font for "Arial" at an em of 500 units.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "glyph/outline.h"
#include "glyph/subset_font.h"
#include "platform/system_fonts.h"

namespace sorvella {

namespace index_font_text {
inline constexpr const char* kDigitFamily = "Arial";
inline constexpr const char* kDigitsMissing =
    "Index fonts take their digits from the TrueType font Arial (or the font the system offers "
    "in its place), which can't be found or read. The index font was not added.";
inline constexpr const char* kTooManyIndices =
    "An index font can hold at most %i characters. The index font was not added.";
}  // namespace index_font_text

inline constexpr int kIndexDigitEm = 500;

// The shapes (cubic, in the direction of filled contours) and advance widths of 0 to 9.
struct IndexDigits {
  std::array<Outline, 10> shapes;
  std::array<int16_t, 10> advances{};
};

// The digits of a TrueType font scaled to an em of 500, each coordinate rounded down; none when
// the font cannot be read or lacks a digit.
std::optional<IndexDigits> readIndexDigits(const std::filesystem::path& file);

// Appends one glyph "IND-%0.4u" for each index from `first` to `last` (none when first is
// above last): the digits of the index side by side, the advance their sum.
void appendIndexGlyphs(SubsetFont& font, uint32_t first, uint32_t last, const IndexDigits& digits);

// Makes the digits once, from the font the system matches for "Arial", and fills index fonts.
class IndexFontMaker {
 public:
  explicit IndexFontMaker(const SystemFonts& systemFonts) : systemFonts_(systemFonts) {}
  // Fills `font` with the glyphs of first..last; the message for the user when it could not
  // (the font then stays as it was), empty when it did.
  std::string fill(SubsetFont& font, uint32_t first, uint32_t last);

 private:
  const SystemFonts& systemFonts_;
  bool looked_ = false;
  std::optional<IndexDigits> digits_;
};

}  // namespace sorvella
