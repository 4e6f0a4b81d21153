// The horizontal device metrics table: for each pixel size, the maximum width and the width of
// every glyph in whole pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "truetype/tt_table.h"

namespace sorvella {

struct TTDeviceRecord {
  uint8_t pixelSize = 0;
  uint8_t maxWidth = 0;
  std::vector<uint8_t> widths;  // one per glyph
};

class hdmxTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kHdmx;
  using TTF_TABLE::TTF_TABLE;

  uint16_t version() const { return version_; }
  uint32_t sizeDeviceRecord() const { return sizeDeviceRecord_; }
  const std::vector<TTDeviceRecord>& records() const { return records_; }
  // The glyph's width at the pixel size; -1 when the table has no such size or glyph.
  int deviceWidth(uint32_t glyph, uint8_t pixelSize) const;

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  uint16_t version_ = 0;
  uint32_t sizeDeviceRecord_ = 0;
  std::vector<TTDeviceRecord> records_;
};

}  // namespace sorvella
