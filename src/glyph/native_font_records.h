// Records of native font files: a tag, a length and that many bytes, framed short for lengths
// below 65536 and long (tag with the high bit set, 32-bit length) otherwise; and the tags.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/byte_stream.h"

namespace sorvella {

namespace native_tag {
// File structure.
constexpr uint16_t kBeginFile = 1;
constexpr uint16_t kEndFile = 2;
constexpr uint16_t kBeginFont = 4;
constexpr uint16_t kEndFont = 5;

// Groups: a record of length 0 opens one, the tag 256 higher closes it.
constexpr uint16_t kInfoGroup = 257;
constexpr uint16_t kEncodingGroup = 262;
constexpr uint16_t kSecondEncodingGroup = 268;  // a second master's; read only
constexpr uint16_t kAxisGroup = 271;
constexpr uint16_t kHintReplacementGroup = 272;
constexpr uint16_t kGroupEndOffset = 256;

// Font information (group 257).
constexpr uint16_t kFullName = 1025;
constexpr uint16_t kFontName = 1026;
constexpr uint16_t kFamilyName = 1027;
constexpr uint16_t kWeight = 1028;
constexpr uint16_t kItalicAngle = 1029;
constexpr uint16_t kUnderlinePosition = 1030;
constexpr uint16_t kUnderlineThickness = 1031;
constexpr uint16_t kIsFixedPitch = 1034;
constexpr uint16_t kNotice = 1037;
constexpr uint16_t kCopyright = 1038;
constexpr uint16_t kVendorName = 1039;
constexpr uint16_t kUniqueId = 1044;
constexpr uint16_t kVersion = 1046;
constexpr uint16_t kFurtherValue1 = 1054;
constexpr uint16_t kMenuName = 1056;
constexpr uint16_t kPanose = 1118;
constexpr uint16_t kFurtherValue2 = 1121;
constexpr uint16_t kFurtherText3 = 1127;
constexpr uint16_t kFurtherText1 = 1128;
constexpr uint16_t kFurtherText2 = 1129;
constexpr uint16_t kVersionMajor = 1130;
constexpr uint16_t kVersionMinor = 1131;
constexpr uint16_t kCopyrightYear = 1132;
constexpr uint16_t kFurtherBlock = 1133;
constexpr uint16_t kFurtherValue3 = 1134;
constexpr uint16_t kFurtherValue4 = 1135;
constexpr uint16_t kRawBlock1 = 1261;  // 1261..1263
constexpr uint16_t kExtraMetrics = 1264;
constexpr uint16_t kMasterCount = 1503;
constexpr uint16_t kWeightVector = 1517;
constexpr uint16_t kBlueValuesCount = 1530;
constexpr uint16_t kOtherBluesCount = 1531;
constexpr uint16_t kFamilyBluesCount = 1532;
constexpr uint16_t kFamilyOtherBluesCount = 1533;
constexpr uint16_t kStemSnapHCount = 1534;
constexpr uint16_t kStemSnapVCount = 1535;

// Encoding (group 262).
constexpr uint16_t kGlyphName = 1500;
constexpr uint16_t kCustomName = 1501;
constexpr uint16_t kEncodingNumber = 1502;

// Axes and masters (group 271).
constexpr uint16_t kDesignEntries = 1247;
constexpr uint16_t kMasterName = 1504;
constexpr uint16_t kMasterDesign = 1505;
constexpr uint16_t kAxisCount = 1513;
constexpr uint16_t kAxisName = 1514;
constexpr uint16_t kDesignHeader = 1515;
constexpr uint16_t kDesignTable = 1516;
constexpr uint16_t kPerMasterBlock = 1536;

// Hint replacement (group 272): the record is followed by bytes outside any record.
constexpr uint16_t kHintReplacement = 1410;

// Glyph slots.
constexpr uint16_t kExpandedGlyph = 1236;              // read only, skipped
constexpr uint16_t kSecondMasterExpandedGlyph = 1239;  // read only, skipped
constexpr uint16_t kGlyph = 2001;
constexpr uint16_t kEmptySlot = 2006;
}  // namespace native_tag

// The header: 0x1A "ZKQ" "1" "0" 3, a byte not checked, the header length, 32 zero bytes.
inline constexpr std::array<uint8_t, 7> kNativeFontSignature = {0x1A, 'Z', 'K', 'Q', '1', '0', 3};
inline constexpr uint32_t kNativeFontHeaderLength = 44;

void writeNativeFontHeader(ByteWriter& out);
// True when the bytes begin with the signature (the header length is not looked at).
bool hasNativeFontSignature(std::span<const uint8_t> head);

inline constexpr uint16_t kLongRecordFlag = 0x8000;
inline constexpr std::size_t kShortRecordLimit = 0x10000;

// False, writing nothing, when the length does not fit 32 bits.
bool writeNativeRecord(ByteWriter& out, uint16_t tag, std::span<const uint8_t> data);
bool writeNativeRecord(ByteWriter& out, uint16_t tag, std::string_view data);

struct NativeRecord {
  uint16_t tag = 0;  // without the long-form bit
  std::span<const uint8_t> data;
};

enum class NativeRecordResult { kRecord, kEndOfData, kTruncated };

class NativeRecordReader {
 public:
  NativeRecordReader(std::span<const uint8_t> bytes, std::size_t start)
      : bytes_(bytes), position_(std::min(start, bytes.size())) {}

  // kEndOfData only when no byte is left; a partial header or data cut short is kTruncated.
  NativeRecordResult next(NativeRecord& record);
  // The next n bytes outside any record; nothing when fewer are left.
  std::optional<std::span<const uint8_t>> rawBytes(std::size_t n);

  std::size_t position() const { return position_; }
  bool atEnd() const { return position_ >= bytes_.size(); }

 private:
  std::span<const uint8_t> bytes_;
  std::size_t position_;
};

}  // namespace sorvella
