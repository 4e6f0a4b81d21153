// The PostScript information table: its header values and the glyph names of formats 1, 2
// and 2.5 (a standard name's index, or a name of the font's own).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "truetype/tt_table.h"

namespace sorvella {

struct TTPostFields {
  uint32_t format = 0;      // 16.16: 0x00010000, 0x00020000, 0x00025000, 0x00030000, ...
  int32_t italicAngle = 0;  // 16.16
  int16_t underlinePosition = 0;
  int16_t underlineThickness = 0;
  uint32_t isFixedPitch = 0;
  uint32_t minMemType42 = 0, maxMemType42 = 0, minMemType1 = 0, maxMemType1 = 0;
};

class postTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kPost;
  static constexpr uint32_t kHeaderSize = 32;
  using TTF_TABLE::TTF_TABLE;

  const TTPostFields& fields() const { return fields_; }
  // Glyphs the table names (0 for formats without names).
  uint32_t namedGlyphs() const { return static_cast<uint32_t>(nameIndex_.size()); }
  // The glyph's name; empty when the table gives none.
  std::string glyphName(uint32_t glyph) const;

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  void readFormat2(std::span<const uint8_t> body);
  void readFormat25(std::span<const uint8_t> body);

  TTPostFields fields_;
  // Below 258 a standard name; from 258 on, names_[index - 258].
  std::vector<uint16_t> nameIndex_;
  std::vector<std::string> names_;
};

}  // namespace sorvella
