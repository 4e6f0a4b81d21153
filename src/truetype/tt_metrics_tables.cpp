#include "truetype/tt_metrics_tables.h"

#include <algorithm>

#include "truetype/tt_header_tables.h"
#include "truetype/tt_stream.h"
#include "truetype/ttf.h"

namespace sorvella {

void TTMetricsTable::readMetrics(std::span<const uint8_t> body, uint16_t numberOfMetrics,
                                 uint32_t glyphs) {
  numberOfMetrics_ = numberOfMetrics;
  const uint32_t longMetrics = std::min<uint32_t>(numberOfMetrics, glyphs);
  if (numberOfMetrics == 0 && glyphs > 0) fail(TTError::kDamaged);
  if (4 * uint64_t{longMetrics} + 2 * uint64_t{glyphs - longMetrics} > body.size())
    fail(TTError::kDamaged);
  advances_.assign(glyphs, 0);
  bearings_.assign(glyphs, 0);
  ByteReader in(body);
  for (uint32_t g = 0; g < glyphs && !in.overran(); ++g) {
    if (g < longMetrics) {
      advances_[g] = in.get16be();
    } else if (g > 0) {
      advances_[g] = advances_[g - 1];
    }
    bearings_[g] = asSigned(in.get16be());
  }
}

void hmtxTABLE::readBody(std::span<const uint8_t> body) {
  const hheaTABLE* header = owner().Table<hheaTABLE>();
  readMetrics(body, header ? header->fields().numberOfMetrics : 0, owner().numGlyphs());
}

void vmtxTABLE::readBody(std::span<const uint8_t> body) {
  const vheaTABLE* header = owner().Table<vheaTABLE>();
  readMetrics(body, header ? header->fields().numberOfMetrics : 0, owner().numGlyphs());
}

}  // namespace sorvella
