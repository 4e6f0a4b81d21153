// Facts a Type 1 font states in words: the copyright year and vendor in its Notice, the
// weight class of its Weight name, and the numeric form of its version string.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorvella {

struct NoticeFacts {
  std::optional<uint32_t> year;  // the last number in the notice
  std::string vendor;
};

NoticeFacts parseNotice(std::string_view notice);

inline constexpr std::array<const char*, 24> kWeightNames = {
    "UltraLight", "Thin",   "ExtraLight", "Light",   "Book",     "Regular",
    "Plain",      "Normal", "Roman",      "Medium",  "Demi",     "DemiBold",
    "SemiBold",   "Bold",   "ExtraBold",  "Heavy",   "Heavyface", "Black",
    "Ultra",      "UltraBlack", "Fat",    "ExtraBlack", "Obese", "All"};

// Position of `weight` in the weight names (without regard to case), or -1.
int weightClass(std::string_view weight);

struct VersionNumbers {
  uint16_t major = 0;
  uint16_t minor = 0;
};

// "major.minor" read from the first digit on; nothing when there is no digit.
std::optional<VersionNumbers> parseVersion(std::string_view version);

}  // namespace sorvella
