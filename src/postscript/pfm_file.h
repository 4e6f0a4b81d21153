// The Windows printer font metrics (PFM) file of an exported Type 1 font, in the published
// layout: header, extension, extended text metrics, widths, kerning pairs and the names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "postscript/metrics_summary.h"

namespace sorvella {

namespace pfm_offset {
// Where the published layout puts the fields the tests and readers look at.
constexpr std::size_t kVersion = 0;
constexpr std::size_t kSize = 2;
constexpr std::size_t kCopyright = 6;
constexpr std::size_t kType = 66;
constexpr std::size_t kPoints = 68;
constexpr std::size_t kVertRes = 70;
constexpr std::size_t kHorizRes = 72;
constexpr std::size_t kAscent = 74;
constexpr std::size_t kInternalLeading = 76;
constexpr std::size_t kExternalLeading = 78;
constexpr std::size_t kItalic = 80;
constexpr std::size_t kUnderline = 81;
constexpr std::size_t kStrikeOut = 82;
constexpr std::size_t kWeight = 83;
constexpr std::size_t kCharSet = 85;
constexpr std::size_t kPixWidth = 86;
constexpr std::size_t kPixHeight = 88;
constexpr std::size_t kPitchAndFamily = 90;
constexpr std::size_t kAvgWidth = 91;
constexpr std::size_t kMaxWidth = 93;
constexpr std::size_t kFirstChar = 95;
constexpr std::size_t kLastChar = 96;
constexpr std::size_t kDefaultChar = 97;
constexpr std::size_t kBreakChar = 98;
constexpr std::size_t kWidthBytes = 99;
constexpr std::size_t kDevice = 101;
constexpr std::size_t kFace = 105;
constexpr std::size_t kBitsPointer = 109;
constexpr std::size_t kBitsOffset = 113;
constexpr std::size_t kHeaderEnd = 117;
// Extension.
constexpr std::size_t kSizeFields = 117;
constexpr std::size_t kExtMetricsOffset = 119;
constexpr std::size_t kExtentTable = 123;
constexpr std::size_t kOriginTable = 127;
constexpr std::size_t kPairKernTable = 131;
constexpr std::size_t kTrackKernTable = 135;
constexpr std::size_t kDriverInfo = 139;
constexpr std::size_t kReserved = 143;
constexpr std::size_t kExtensionEnd = 147;
// Extended text metrics: 26 16-bit fields from here.
constexpr std::size_t kExtTextMetrics = 147;
constexpr std::size_t kExtTextMetricsEnd = 199;
}  // namespace pfm_offset

// The Windows weight of each weight class (0..23).
int windowsWeight(int weightClass);

std::vector<uint8_t> pfmBytes(const MetricsSummary& summary);

}  // namespace sorvella
