// The extra-metrics block of a subset font: further font-wide values as marker bytes each
// followed by a packed number, carried unchanged; a font that has none gets a default block.
#pragma once

#include <cstdint>
#include <vector>

namespace sorvella {

namespace extra_metrics_marker {
constexpr uint8_t kEnd = 50;
constexpr uint8_t kFirstNumber = 51;  // 51..75: one number each
constexpr uint8_t kLastNumber = 75;
constexpr uint8_t kTenBytes = 76;         // followed by 10 raw bytes
constexpr uint8_t kFirstLateNumber = 77;  // 77..82: one number each
constexpr uint8_t kLastLateNumber = 82;
constexpr uint8_t kByteString = 83;  // a count n, then n raw bytes
}  // namespace extra_metrics_marker

// Every marker in order with every value 0 and no bytes in the byte string.
std::vector<uint8_t> defaultExtraMetricsBlock();

}  // namespace sorvella
