#include "truetype/hdmx_table.h"

#include "truetype/tt_stream.h"
#include "truetype/ttf.h"

namespace sorvella {

int hdmxTABLE::deviceWidth(uint32_t glyph, uint8_t pixelSize) const {
  for (const TTDeviceRecord& r : records_)
    if (r.pixelSize == pixelSize) return glyph < r.widths.size() ? r.widths[glyph] : -1;
  return -1;
}

void hdmxTABLE::readBody(std::span<const uint8_t> body) {
  ByteReader in(body);
  version_ = in.get16be();
  const uint16_t count = in.get16be();
  sizeDeviceRecord_ = in.get32be();
  const uint32_t glyphs = owner().numGlyphs();
  // Records may be padded, never shorter than their widths.
  if (in.overran() || sizeDeviceRecord_ < 2 + uint64_t{glyphs} ||
      8 + uint64_t{count} * sizeDeviceRecord_ > body.size()) {
    fail(TTError::kDamaged);
    return;
  }
  records_.resize(count);
  for (uint16_t i = 0; i < count; ++i) {
    ByteReader record = readerAt(body, 8 + uint64_t{i} * sizeDeviceRecord_);
    TTDeviceRecord& r = records_[i];
    r.pixelSize = record.get8();
    r.maxWidth = record.get8();
    r.widths.resize(glyphs);
    record.getBytes(r.widths.data(), glyphs);
  }
}

}  // namespace sorvella
