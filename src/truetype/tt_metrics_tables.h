// The horizontal and vertical metrics tables: an advance and a side bearing per glyph, the
// last advance repeated for the glyphs after the long metrics.
#pragma once

#include <cstdint>
#include <vector>

#include "truetype/tt_table.h"

namespace sorvella {

class TTMetricsTable : public TTF_TABLE {
 public:
  using TTF_TABLE::TTF_TABLE;

  uint32_t count() const { return static_cast<uint32_t>(advances_.size()); }
  uint16_t numberOfMetrics() const { return numberOfMetrics_; }
  // 0 for a glyph outside the table.
  uint16_t advance(uint32_t glyph) const { return glyph < advances_.size() ? advances_[glyph] : 0; }
  int16_t bearing(uint32_t glyph) const { return glyph < bearings_.size() ? bearings_[glyph] : 0; }

 protected:
  // `numberOfMetrics` from the header table, one entry for each of `glyphs`.
  void readMetrics(std::span<const uint8_t> body, uint16_t numberOfMetrics, uint32_t glyphs);

 private:
  uint16_t numberOfMetrics_ = 0;
  std::vector<uint16_t> advances_;
  std::vector<int16_t> bearings_;
};

class hmtxTABLE : public TTMetricsTable {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kHmtx;
  using TTMetricsTable::TTMetricsTable;

 protected:
  void readBody(std::span<const uint8_t> body) override;
};

class vmtxTABLE : public TTMetricsTable {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kVmtx;
  using TTMetricsTable::TTMetricsTable;

 protected:
  void readBody(std::span<const uint8_t> body) override;
};

}  // namespace sorvella
