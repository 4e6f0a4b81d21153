// The encoding of a subset font: per character code a glyph name and a custom name, the
// number of the encoding it holds (0 for its own table) and the saved copy of its own table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace sorvella {

struct SubsetFontEncoding {
  static constexpr int kSize = 256;
  using Names = std::array<std::string, kSize>;

  // An empty text is no name. Glyph names may be placeholders (".0065"), which count as no
  // name when the encoding is written.
  Names glyphNames;
  Names customNames;
  // 0: the font's own table; otherwise the number of the encoding file the table came from.
  int32_t number = 1;
  // The own table as it was when the font first left it.
  std::optional<Names> savedOwnTable;

  // True when the code has a glyph name that is not its placeholder.
  bool hasGlyphName(int code) const;

  friend bool operator==(const SubsetFontEncoding&, const SubsetFontEncoding&) = default;
};

}  // namespace sorvella
