#include "truetype/tt_glyph.h"

#include "base/byte_stream.h"
#include "truetype/tt_stream.h"

namespace sorvella {

namespace {

constexpr std::size_t kHeaderSize = 10;

TTError decodeSimple(ByteReader& in, int contours, TTGlyphOutline& outline) {
  using namespace tt_point_flag;
  if (contours == 0) return TTError::kNone;
  outline.endPoints.resize(static_cast<std::size_t>(contours));
  int64_t previous = -1;
  for (uint32_t& end : outline.endPoints) {
    end = in.get16be();
    if (end <= previous) return TTError::kDamaged;
    previous = end;
  }
  uint16_t instructionLength = in.get16be();
  if (in.overran() || instructionLength > in.remaining()) return TTError::kDamaged;
  outline.instructions.resize(instructionLength);
  in.getBytes(outline.instructions.data(), instructionLength);

  // Every point takes at least one flag byte, unless repeated.
  const std::size_t count = static_cast<std::size_t>(previous) + 1;
  if (count > 256 * in.remaining()) return TTError::kDamaged;
  outline.points.resize(count);
  for (std::size_t i = 0; i < count && !in.overran();) {
    uint8_t flags = in.get8();
    std::size_t repeat = (flags & kRepeat) ? in.get8() : 0;
    for (std::size_t k = 0; k <= repeat && i < count; ++k) outline.points[i++].flags = flags;
  }
  int32_t x = 0;
  for (TTPoint& p : outline.points) {
    if (p.flags & kXShort) {
      int32_t d = in.get8();
      x += (p.flags & kXSameOrPositive) ? d : -d;
    } else if (!(p.flags & kXSameOrPositive)) {
      x += asSigned(in.get16be());
    }
    p.x = x;
  }
  int32_t y = 0;
  for (TTPoint& p : outline.points) {
    if (p.flags & kYShort) {
      int32_t d = in.get8();
      y += (p.flags & kYSameOrPositive) ? d : -d;
    } else if (!(p.flags & kYSameOrPositive)) {
      y += asSigned(in.get16be());
    }
    p.y = y;
  }
  return in.overran() ? TTError::kDamaged : TTError::kNone;
}

TTError decodeComposite(ByteReader& in, TTGlyphOutline& outline) {
  using namespace tt_component_flag;
  uint16_t flags = 0;
  do {
    TTComponent c;
    flags = c.flags = in.get16be();
    c.glyphIndex = in.get16be();
    bool xy = (flags & kArgsAreXYValues) != 0;
    if (flags & kArgsAreWords) {
      uint16_t a = in.get16be();
      uint16_t b = in.get16be();
      c.argument1 = xy ? asSigned(a) : a;
      c.argument2 = xy ? asSigned(b) : b;
    } else {
      uint8_t a = in.get8();
      uint8_t b = in.get8();
      c.argument1 = xy ? static_cast<int8_t>(a) : a;
      c.argument2 = xy ? static_cast<int8_t>(b) : b;
    }
    if (flags & kHaveScale) {
      c.xx = c.yy = asSigned(in.get16be());
    } else if (flags & kHaveXAndYScale) {
      c.xx = asSigned(in.get16be());
      c.yy = asSigned(in.get16be());
    } else if (flags & kHaveTwoByTwo) {
      c.xx = asSigned(in.get16be());
      c.xy = asSigned(in.get16be());
      c.yx = asSigned(in.get16be());
      c.yy = asSigned(in.get16be());
    }
    if (in.overran()) return TTError::kDamaged;
    outline.components.push_back(c);
  } while (flags & kMoreComponents);
  if (flags & kHaveInstructions) {
    uint16_t n = in.get16be();
    if (in.overran() || n > in.remaining()) return TTError::kDamaged;
    outline.instructions.resize(n);
    in.getBytes(outline.instructions.data(), n);
  }
  return TTError::kNone;
}

}  // namespace

TTError decodeGlyph(std::span<const uint8_t> data, TTGlyphHeader& header, TTGlyphOutline& outline) {
  outline = {};
  if (data.size() < kHeaderSize) return TTError::kDamaged;
  ByteReader in(data);
  header.numberOfContours = asSigned(in.get16be());
  header.xMin = asSigned(in.get16be());
  header.yMin = asSigned(in.get16be());
  header.xMax = asSigned(in.get16be());
  header.yMax = asSigned(in.get16be());
  if (header.xMin > header.xMax || header.yMin > header.yMax) return TTError::kInvertedBox;
  TTError error = header.numberOfContours >= 0 ? decodeSimple(in, header.numberOfContours, outline)
                                               : decodeComposite(in, outline);
  if (error != TTError::kNone) outline = {};
  return error;
}

}  // namespace sorvella
