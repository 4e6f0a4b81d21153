#include "outline/hint_zones.h"

#include <algorithm>

namespace sorvella {

namespace {

// Counts from a damaged file may exceed the arrays; only whole pairs within them count.
std::size_t pairsInUse(uint16_t count, std::size_t capacity) {
  return std::min<std::size_t>(count, capacity) / 2;
}

int32_t difference(int32_t a, int32_t b) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(static_cast<int64_t>(a) - b, INT32_MIN, INT32_MAX));
}

}  // namespace

std::vector<AlignmentZone> alignmentZones(const SubsetFont& font, int master) {
  const PerMasterBlock& values =
      font.master(std::clamp(master, 0, font.masterCount() - 1)).privateValues;
  const ZoneCounts& counts = font.info().zoneCounts;
  std::vector<AlignmentZone> zones;
  const std::size_t blues = pairsInUse(counts.blueValues, values.blueValues.size());
  for (std::size_t k = 0; k < blues; ++k) {
    const int32_t lower = values.blueValues[2 * k];
    const int32_t upper = values.blueValues[2 * k + 1];
    if (k == 0)
      zones.push_back({lower, difference(upper, lower)});
    else
      zones.push_back({upper, difference(lower, upper)});
  }
  const std::size_t others = pairsInUse(counts.otherBlues, values.otherBlues.size());
  for (std::size_t k = 0; k < others; ++k) {
    const int32_t lower = values.otherBlues[2 * k];
    const int32_t upper = values.otherBlues[2 * k + 1];
    zones.push_back({lower, difference(upper, lower)});
  }
  return zones;
}

}  // namespace sorvella
