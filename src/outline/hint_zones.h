// Alignment zones as the autohinter takes them, and the zone list of a subset font's master
// built from its BlueValues and OtherBlues, which the editor and the actions pass on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "glyph/subset_font.h"

namespace sorvella {

// The closed span between position and position + width; a positive width makes a bottom
// zone, any other a top zone.
struct AlignmentZone {
  int32_t position = 0;
  int32_t width = 0;

  bool bottom() const { return width > 0; }
  bool contains(int32_t v) const {
    int64_t end = static_cast<int64_t>(position) + width;
    return width >= 0 ? v >= position && v <= end : v >= end && v <= position;
  }
  friend bool operator==(const AlignmentZone&, const AlignmentZone&) = default;
};

// The most zones one autohinting run takes.
inline constexpr std::size_t kMaxAlignmentZones = 28;

// The first BlueValues pair (the baseline zone) as (lower, upper - lower), every further
// BlueValues pair as (upper, lower - upper), every OtherBlues pair as (lower, upper - lower).
// `master` is clamped to the font's masters; an odd trailing value is no pair.
std::vector<AlignmentZone> alignmentZones(const SubsetFont& font, int master);

}  // namespace sorvella
