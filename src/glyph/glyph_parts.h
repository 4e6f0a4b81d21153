// The optional parts a glyph carries besides its outline: hints with their replacement
// program, guides, components, kerning pairs and TrueType glyph data.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "glyph/geometry.h"

namespace sorvella {

struct Stem {
  int16_t position = 0;
  int16_t width = 0;
  friend bool operator==(const Stem&, const Stem&) = default;
};

// One stem per master; the stem runs from position to position + width.
struct Hint {
  std::vector<Stem> masters;
  friend bool operator==(const Hint&, const Hint&) = default;
};

// The same stem: in every master equal, or the same edges given from the other side.
bool sameStem(const Hint& a, const Hint& b);
// Index of the first hint in `hints` that is the same stem as `hint`, or -1.
int findStem(const std::vector<Hint>& hints, const Hint& hint);

namespace hint_kind {
constexpr uint16_t kHorizontal = 1;
constexpr uint16_t kVertical = 2;
constexpr uint16_t kReplacementPoint = 255;
}  // namespace hint_kind

struct HintReplacementEntry {
  uint16_t kind = 0;
  int32_t value = 0;
  friend bool operator==(const HintReplacementEntry&, const HintReplacementEntry&) = default;
};

struct GlyphHints {
  std::vector<Hint> horizontal;  // horizontal stems, across the y axis
  std::vector<Hint> vertical;    // vertical stems, across the x axis
  std::vector<HintReplacementEntry> replacement;
  friend bool operator==(const GlyphHints&, const GlyphHints&) = default;
};

struct GuideValue {
  int16_t position = 0;
  int16_t slope = 0;  // tangent of the inclination x 10000
  friend bool operator==(const GuideValue&, const GuideValue&) = default;
};

struct Guide {
  std::vector<GuideValue> masters;
  friend bool operator==(const Guide&, const Guide&) = default;
};

// The guide's coordinate at t on the other axis (y for a vertical guide, x for a horizontal).
int16_t guideCoordinate(const Guide& guide, int master, int t);

struct GlyphGuides {
  std::vector<Guide> horizontal;
  std::vector<Guide> vertical;
  friend bool operator==(const GlyphGuides&, const GlyphGuides&) = default;
};

struct ComponentScale {
  double x = 1.0;
  double y = 1.0;
  // Bit for bit, so that a stored NaN still equals itself after a round trip.
  friend bool operator==(const ComponentScale& a, const ComponentScale& b) {
    return std::bit_cast<uint64_t>(a.x) == std::bit_cast<uint64_t>(b.x) &&
           std::bit_cast<uint64_t>(a.y) == std::bit_cast<uint64_t>(b.y);
  }
};

struct Component {
  int32_t glyphIndex = -1;
  std::vector<Point> offset;          // per master
  std::vector<ComponentScale> scale;  // per master
  friend bool operator==(const Component&, const Component&) = default;
};

struct KernPair {
  int32_t rightGlyph = -1;
  std::vector<int16_t> values;  // per master
  friend bool operator==(const KernPair&, const KernPair&) = default;
};

struct TrueTypePoint {
  uint8_t flag = 0;
  int16_t x = 0;
  int16_t y = 0;
  friend bool operator==(const TrueTypePoint&, const TrueTypePoint&) = default;
};

// Carried with the glyph unchanged; the header values' meaning is the TrueType producer's.
struct TrueTypeGlyphData {
  std::array<uint16_t, 4> header{};
  uint8_t headerByte = 0;
  Box bounds;
  std::vector<uint16_t> endPoints;
  std::vector<TrueTypePoint> points;
  std::vector<uint8_t> instructions;
  std::vector<uint8_t> extra;
  friend bool operator==(const TrueTypeGlyphData&, const TrueTypeGlyphData&) = default;
};

}  // namespace sorvella
