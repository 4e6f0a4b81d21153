// The metrics summary that every metrics file (AFM, INF, PFM, MMM) is written from: names,
// font-wide values, the encoding, and per glyph its name, code, advance, box and kerning.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "glyph/subset_font.h"

namespace sorvella {

struct MetricsBox {
  int16_t left = 0;
  int16_t bottom = 0;
  int16_t right = 0;
  int16_t top = 0;
  friend bool operator==(const MetricsBox&, const MetricsBox&) = default;
};

struct MetricsKernPair {
  int32_t right = 0;  // index of the right-hand character record
  int32_t value = 0;
  friend bool operator==(const MetricsKernPair&, const MetricsKernPair&) = default;
};

struct MetricsCharacter {
  int32_t slot = 0;
  std::string name;
  int32_t code = -1;  // the first code that has the glyph's name; -1 when none
  int32_t advance = 0;
  MetricsBox box;  // 0 0 0 0 for a glyph without contours
  std::vector<MetricsKernPair> kerning;
};

struct MetricsSummary {
  // Absent texts are empty.
  std::string fontName, fullName, familyName, menuName, copyright, weight, version, notice;
  int weightClass = -1;  // position in the weight names, -1 when not among them
  int32_t uniqueId = 0;
  uint16_t versionMajor = 0;
  uint16_t versionMinor = 0;
  bool isFixedPitch = false;
  double italicAngle = 0;
  int16_t underlinePosition = 0;
  int16_t underlineThickness = 0;
  int32_t ascender = 0;
  int32_t descender = 0;
  int32_t xHeight = 0;
  int32_t capHeight = 0;
  int32_t stemWidth = 0;
  std::array<uint16_t, 10> panose{};
  std::array<std::string, 256> encoding;  // a code without a name holds ".%04i" of the code
  std::vector<MetricsCharacter> characters;
  MetricsBox fontBox{32767, 32767, -32767, -32767};
  int32_t kerningPairCount = 0;
};

// The summary for one master (weight 1.0 on it). The subset font keeps no vertical metrics,
// so they are measured: Ascender the top of "d", Descender the bottom of "p", CapHeight the
// top of "H", XHeight the top of "x" (the font box top or bottom, or 0, without those
// glyphs); the stem width is the master's StdVW.
MetricsSummary summarizeMetrics(const SubsetFont& font, int master = 0);

}  // namespace sorvella
