// The glyph mapping of a subset font: entries of two 16-bit values that the CID-keyed import
// fills (entry i holding glyph i first), with the index of the last entry in use. It lives
// in memory only; native font files do not store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorvella {

struct GlyphMapEntry {
  uint16_t first = 0;
  uint16_t second = 0;
  friend bool operator==(const GlyphMapEntry&, const GlyphMapEntry&) = default;
};

class GlyphMapping {
 public:
  // Positions outside the list read as the empty entry (0, 0).
  GlyphMapEntry at(int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return {};
    return entries_[static_cast<std::size_t>(index)];
  }
  // The list grows when an index at or past its end is written; negative indices are ignored.
  void set(int32_t index, GlyphMapEntry entry) {
    if (index < 0) return;
    if (static_cast<std::size_t>(index) >= entries_.size())
      entries_.resize(static_cast<std::size_t>(index) + 1);
    entries_[static_cast<std::size_t>(index)] = entry;
  }
  void clear() {
    entries_.clear();
    lastInUse = -1;
  }
  const std::vector<GlyphMapEntry>& entries() const { return entries_; }

  int32_t lastInUse = -1;

  friend bool operator==(const GlyphMapping&, const GlyphMapping&) = default;

 private:
  std::vector<GlyphMapEntry> entries_;
};

}  // namespace sorvella
