// The texts that describe the CID font's state in the pages' legends and the charts' status
// lines, shared by the GUI, the batch tool and the tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorvella {

class CCidFont;

namespace cid_font_text {
inline constexpr const char* kSummary =
    "The current CID font contains %i characters in %i subset fonts.";
inline constexpr const char* kFontWithUnplaced =
    "You have selected font number %i. Its name is %s and it is placed in file %s. This font "
    "contains %i characters %i which are not placed yet. The font is %s.";
inline constexpr const char* kFontAllPlaced =
    "You selected font number %i. Its name is %s and it is placed in file %s. This font "
    "contains %i characters. All characters are properly placed. The font is %s.";
inline constexpr const char* kLocked = "locked";
inline constexpr const char* kNotLocked = "not locked";
inline constexpr const char* kCidsSelected =
    "There are %i characters selected, from CID-%i to CID-%i. ";
inline constexpr const char* kOneCid = "Current character is CID-%u. It is #%u from font %s (#%u).";
inline constexpr const char* kCidAbsent = "The current character is absent in the CID font.";
inline constexpr const char* kUnplacedSelected = "There are %i characters selected.";
inline constexpr const char* kOneUnplaced =
    "The current character is #%u from font %s (#%u) and is not placed yet.";
inline constexpr const char* kNoSubsetFonts =
    "The current CID font does not include any basic fonts.";
inline constexpr const char* kNoFontNoCharacters =
    "There is no CID font loaded at this time. So, there are no characters!";
inline constexpr const char* kNoFontMainPage =
    "No CID font is loaded now. Use the Open command to load one, Import - to convert one from "
    "CID or TrueType format or New to create a new one.";
inline constexpr const char* kNoFontFontsPage =
    "There is no CID font loaded at this time. Open, import or create one to proceed.";
inline constexpr const char* kUnknownFontName = "<unknown>";
inline constexpr const char* kExpandRangePrompt =
    "Do you want to expand the current CID range to %i? \nYou can use the Compact command later "
    "to eliminate empty CIDs. ";
// A range operation or a new range top refused because it reaches past CCidFont::kMaxCid.
inline constexpr const char* kCidBeyondLimit =
    "This would reach beyond CID 65535, the highest CID that a CID font can hold. Nothing was "
    "changed.";
}  // namespace cid_font_text

std::string summaryText(const CCidFont& font);
// `font` is 0-based; the text shows it 1-based, with the file name after its last separator.
std::string subsetFontText(const CCidFont& font, int32_t subsetFont, std::string_view filePath);
std::string cidSelectionText(int32_t count, int32_t firstCid, int32_t lastCid);
// The status line for one CID: the character's glyph, font name and 1-based font number.
std::string oneCidText(const CCidFont& font, int32_t cid);
std::string unplacedSelectionText(int32_t count);
std::string oneUnplacedText(const CCidFont& font, int32_t character);
std::string expandRangePrompt(int32_t newTop);

}  // namespace sorvella
