#include "glyph/extra_metrics.h"

#include "base/byte_stream.h"
#include "glyph/packed_integer.h"

namespace sorvella {

std::vector<uint8_t> defaultExtraMetricsBlock() {
  namespace marker = extra_metrics_marker;
  ByteWriter out;
  for (int m = marker::kFirstNumber; m <= marker::kLastNumber; ++m) {
    out.put8(static_cast<uint8_t>(m));
    writePacked(out, 0);
  }
  out.put8(marker::kTenBytes);
  for (int k = 0; k < 10; ++k) out.put8(0);
  for (int m = marker::kFirstLateNumber; m <= marker::kLastLateNumber; ++m) {
    out.put8(static_cast<uint8_t>(m));
    writePacked(out, 0);
  }
  out.put8(marker::kByteString);
  writePacked(out, 0);
  out.put8(marker::kEnd);
  return out.take();
}

}  // namespace sorvella
