// The font matrix and Private values of one master of a subset font, and their 400-byte
// form, which native font files store once per master.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/byte_stream.h"

namespace sorvella {

struct PerMasterBlock {
  static constexpr std::size_t kBytes = 400;
  // The array sizes are the font's limits.
  static constexpr std::size_t kMaxBlueValues = 14;
  static constexpr std::size_t kMaxOtherBlues = 10;
  static constexpr std::size_t kMaxFamilyBlues = 14;
  static constexpr std::size_t kMaxFamilyOtherBlues = 10;
  static constexpr std::size_t kMaxStemSnap = 12;
  static constexpr std::size_t kFurtherBytes = 36;

  std::array<double, 6> fontMatrix = {0.001, 0, 0, 0.001, 0, 0};
  int32_t forceBold = 0;
  // How many entries of each array are in use is kept in the font's zone counts.
  std::array<int32_t, kMaxBlueValues> blueValues{};
  std::array<int32_t, kMaxOtherBlues> otherBlues{};
  std::array<int32_t, kMaxFamilyBlues> familyBlues{};
  std::array<int32_t, kMaxFamilyOtherBlues> familyOtherBlues{};
  double blueScale = 0.039625;
  int32_t blueShift = 7;
  int32_t blueFuzz = 1;
  int32_t stdHW = 0;
  int32_t stdVW = 0;
  std::array<int32_t, kMaxStemSnap> stemSnapH{};
  std::array<int32_t, kMaxStemSnap> stemSnapV{};
  // Further Private values whose layout is not known; carried as they are.
  std::array<uint8_t, kFurtherBytes> further{};

  friend bool operator==(const PerMasterBlock&, const PerMasterBlock&) = default;
};

// Exactly kBytes bytes, little-endian.
void writePerMasterBlock(const PerMasterBlock& block, ByteWriter& out);
// Data shorter than kBytes reads as if padded with zeros; bytes beyond kBytes are ignored.
PerMasterBlock readPerMasterBlock(std::span<const uint8_t> data);

}  // namespace sorvella
