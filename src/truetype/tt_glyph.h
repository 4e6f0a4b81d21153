// One glyph of the `glyf` table: where its data lies, its metrics, its header and, while it is
// loaded, its decoded outline (points and contours) or its component records.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "truetype/tt_object.h"

namespace sorvella {

namespace tt_point_flag {
constexpr uint8_t kOnCurve = 0x01;
constexpr uint8_t kXShort = 0x02;
constexpr uint8_t kYShort = 0x04;
constexpr uint8_t kRepeat = 0x08;
constexpr uint8_t kXSameOrPositive = 0x10;
constexpr uint8_t kYSameOrPositive = 0x20;
}  // namespace tt_point_flag

namespace tt_component_flag {
constexpr uint16_t kArgsAreWords = 0x0001;
constexpr uint16_t kArgsAreXYValues = 0x0002;
constexpr uint16_t kHaveScale = 0x0008;
constexpr uint16_t kMoreComponents = 0x0020;
constexpr uint16_t kHaveXAndYScale = 0x0040;
constexpr uint16_t kHaveTwoByTwo = 0x0080;
constexpr uint16_t kHaveInstructions = 0x0100;
}  // namespace tt_component_flag

// Coordinates are 32-bit: flattened components may lie beyond the 16-bit range.
struct TTPoint {
  int32_t x = 0;
  int32_t y = 0;
  uint8_t flags = 0;
  bool onCurve() const { return (flags & tt_point_flag::kOnCurve) != 0; }
  friend bool operator==(const TTPoint&, const TTPoint&) = default;
};

// Scales are 2.14 fixed point as stored: x' = xx x + yx y, y' = xy x + yy y, where xx is the
// format's xscale, xy its scale01, yx its scale10 and yy its yscale.
struct TTComponent {
  uint16_t flags = 0;
  uint16_t glyphIndex = 0;
  int32_t argument1 = 0;
  int32_t argument2 = 0;
  int16_t xx = 0x4000;
  int16_t xy = 0;
  int16_t yx = 0;
  int16_t yy = 0x4000;
  bool scaled() const {
    using namespace tt_component_flag;
    return (flags & (kHaveScale | kHaveXAndYScale | kHaveTwoByTwo)) != 0;
  }
};

struct TTGlyphOutline {
  std::vector<uint32_t> endPoints;  // index of each contour's last point
  std::vector<TTPoint> points;
  std::vector<uint8_t> instructions;
  std::vector<TTComponent> components;
};

enum class TTGlyphKind : uint8_t { kEmpty = 0, kSimple = 1, kComposite = 2 };

struct TTGlyphHeader {
  int16_t numberOfContours = 0;
  int16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// Decodes one glyph's data (simple or composite) as the TrueType format defines it. Every read
// stays inside `data`; damage gives an error and leaves `outline` empty.
TTError decodeGlyph(std::span<const uint8_t> data, TTGlyphHeader& header, TTGlyphOutline& outline);

class TTGLYPH : public TTStreamed {
 public:
  const char* typeName() const override { return "type_TTGLYPH"; }

  uint32_t index() const { return index_; }
  bool loaded() const { return loaded_; }
  TTGlyphKind kind() const { return kind_; }
  uint32_t dataOffset() const { return dataOffset_; }  // from the start of `glyf`
  uint32_t dataLength() const { return dataLength_; }

  // From `hmtx` and the vertical metrics; once loaded, an advance of 0 is the box's extent.
  uint16_t advanceWidth() const { return advanceWidth_; }
  int16_t leftSideBearing() const { return leftSideBearing_; }
  uint16_t advanceHeight() const { return advanceHeight_; }
  int16_t topSideBearing() const { return topSideBearing_; }

  // The glyph header as read; a flattened glyph keeps it (the box is the one of the file).
  const TTGlyphHeader& header() const { return header_; }
  // While loaded: the decoded outline or components; after Flatten, the simple outline and
  // its box of the on-curve points (all zero without points).
  const TTGlyphOutline& outline() const { return outline_; }
  int16_t pointBoxXMin() const { return pointBox_[0]; }
  int16_t pointBoxYMin() const { return pointBox_[1]; }
  int16_t pointBoxXMax() const { return pointBox_[2]; }
  int16_t pointBoxYMax() const { return pointBox_[3]; }
  uint16_t unitsPerEm() const { return unitsPerEm_; }

 private:
  friend class glyfTABLE;

  uint32_t index_ = 0;
  bool loaded_ = false;
  TTGlyphKind kind_ = TTGlyphKind::kEmpty;
  uint32_t dataOffset_ = 0;
  uint32_t dataLength_ = 0;
  uint16_t advanceWidth_ = 0;
  int16_t leftSideBearing_ = 0;
  uint16_t advanceHeight_ = 0;
  int16_t topSideBearing_ = 0;
  TTGlyphHeader header_;
  TTGlyphOutline outline_;
  int16_t pointBox_[4] = {0, 0, 0, 0};
  uint16_t unitsPerEm_ = 0;
};

}  // namespace sorvella
