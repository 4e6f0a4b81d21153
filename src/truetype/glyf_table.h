// The glyph tables: `loca` (where each glyph's data lies) and `glyf` (the glyph list, with
// loading, releasing and flattening of one glyph's outline at a time).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "truetype/tt_glyph.h"
#include "truetype/tt_table.h"

namespace sorvella {

class locaTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kLoca;
  using TTF_TABLE::TTF_TABLE;

  // Byte offsets into `glyf`, one more than there are glyphs.
  const std::vector<uint32_t>& offsets() const { return offsets_; }

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  std::vector<uint32_t> offsets_;
};

// Limits of flattening, against hostile composites: nesting levels below the glyph, component
// references in all, and points of the result.
inline constexpr std::size_t kMaxCompositeDepth = 64;
inline constexpr uint32_t kMaxFlattenedComponents = 4096;
inline constexpr std::size_t kMaxFlattenedPoints = 65535;

class glyfTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kGlyf;
  using TTF_TABLE::TTF_TABLE;

  uint32_t count() const { return static_cast<uint32_t>(glyphs_.size()); }
  // None for an index outside the list.
  TTGLYPH* glyph(uint32_t index);

  // Decodes the glyph's outline; false (with the glyph's error set) when it cannot be read.
  bool LoadOutline(TTGLYPH& glyph);
  void ReleaseOutline(TTGLYPH& glyph);
  // Turns a loaded composite glyph into one simple outline; false (with the glyph's error
  // set) for a component that cannot be read or a composite beyond the limits.
  bool Flatten(TTGLYPH& glyph);

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  struct FlattenState;
  TTError appendComponents(const std::vector<TTComponent>& components, FlattenState& state,
                           TTGlyphOutline& result);

  std::span<const uint8_t> body_;
  std::vector<TTGLYPH> glyphs_;
  uint16_t unitsPerEm_ = 0;
};

}  // namespace sorvella
