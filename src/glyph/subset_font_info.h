// The font-wide information of a subset font: its names and texts as a Type 1 font has
// them, the metrics keys, the PANOSE digits, the zone counts and the values carried unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorvella {

enum class FontText : int {
  kFontName,
  kFullName,
  kFamilyName,
  kWeight,
  kNotice,
  kVersion,
  kCopyright,  // the copyright line the metrics files write
  kMenuName,   // when absent, FullName and then FontName serve
  kVendorName,
  // Carried from reader to writer unchanged (records 1128, 1129 and 1127).
  kFurtherText1,
  kFurtherText2,
  kFurtherText3,
};
inline constexpr std::size_t kFontTextCount = static_cast<std::size_t>(FontText::kFurtherText3) + 1;

// Numbers of BlueValues, OtherBlues, FamilyBlues, FamilyOtherBlues, StemSnapH and StemSnapV
// entries in use, the same for every master.
struct ZoneCounts {
  uint16_t blueValues = 0;
  uint16_t otherBlues = 0;
  uint16_t familyBlues = 0;
  uint16_t familyOtherBlues = 0;
  uint16_t stemSnapH = 0;
  uint16_t stemSnapV = 0;
  friend bool operator==(const ZoneCounts&, const ZoneCounts&) = default;
};

class SubsetFontInfo {
 public:
  // Texts are stored trimmed; empty means absent.
  const std::string& text(FontText which) const { return texts_[static_cast<std::size_t>(which)]; }
  void setText(FontText which, std::string_view text);

  const std::string& fontName() const { return text(FontText::kFontName); }
  const std::string& fullName() const { return text(FontText::kFullName); }
  const std::string& familyName() const { return text(FontText::kFamilyName); }
  const std::string& weight() const { return text(FontText::kWeight); }
  const std::string& notice() const { return text(FontText::kNotice); }
  const std::string& version() const { return text(FontText::kVersion); }

  int32_t uniqueId = 0;
  uint16_t versionMajor = 0;
  uint16_t versionMinor = 0;
  uint16_t copyrightYear = 0;
  std::array<uint16_t, 10> panose{};
  double italicAngle = 0;  // degrees
  uint16_t isFixedPitch = 0;
  int16_t underlinePosition = 0;
  int16_t underlineThickness = 0;
  ZoneCounts zoneCounts;

  // Carried from reader to writer unchanged (records 1054, 1121, 1133, 1134 and 1135).
  uint16_t furtherValue1 = 0;
  uint32_t furtherValue2 = 0;
  std::array<uint8_t, 80> furtherBlock{};
  uint16_t furtherValue3 = 0;
  uint16_t furtherValue4 = 0;

  friend bool operator==(const SubsetFontInfo&, const SubsetFontInfo&) = default;

 private:
  std::array<std::string, kFontTextCount> texts_;
};

}  // namespace sorvella
