// The " Font Info " page as texts: the CID font's fields shown for editing, the rules by which
// the edited texts go back into the font, and the page's legend.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cidfont/cid_font.h"

namespace sorvella {

namespace font_info_text {
inline constexpr const char* kFontName = "FontName:";
inline constexpr const char* kFullName = "Full Name:";
inline constexpr const char* kUidBase = "UniqueID Base:";
inline constexpr const char* kXuid = "XUID:";
inline constexpr const char* kRegistry = "Registry:";
inline constexpr const char* kOrdering = "Ordering:";
inline constexpr const char* kSupplement = "Supplement:";
inline constexpr const char* kNotice = "Notice:";
inline constexpr const char* kLegend = "Legend:";
}  // namespace font_info_text

struct FontInfoFields {
  std::string fontName, fullName, uidBase, xuid, registry, ordering, supplement, notice;
};

// The texts the page shows for a font; XUID numbers are separated by spaces.
FontInfoFields fontInfoFields(const CidFontInfo& info);
// Stores the page into the font; Version stays as it is.
void applyFontInfoFields(const FontInfoFields& fields, CidFontInfo& info);

// Drops every byte that is 32 or below as a signed 8-bit value, wherever it stands.
std::string filteredFontName(std::string_view text);
// Words split at spaces, commas and semicolons, at most 20, each read as "%u".
std::vector<int32_t> parseXuidField(std::string_view text);

// The summary of the font, or the text for no font at all.
std::string fontInfoLegend(const CCidFont* font);

}  // namespace sorvella
