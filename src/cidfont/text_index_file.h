// The text index file (".sci"): a readable export of which glyph of which subset font stands
// at each CID, in runs, and its import into the open CID font.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"

namespace sorvella {

inline constexpr const char* kTextIndexHeader =
    "%!Vantrel Sorvell Text Index File\r\n%!Version 1.00\r\n\r\n";
inline constexpr const char* kIncompatibleIndexMessage =
    "Subset fonts in the imported index file are incompatible with the current list of subset "
    "fonts. Import is aborted.";

// Refreshes the records' CIDs and returns the file's text.
std::string textIndexBytes(CCidFont& font);
bool WriteTextIndex(CCidFont& font, const std::filesystem::path& path);

enum TextIndexStatus : int {
  kTextIndexOk = 0,
  kTextIndexBadFontInfo = 1,     // the font info block could not be read
  kTextIndexNoFontMatches = 2,   // none of the subset fonts match
  kTextIndexUnreadable = 3,      // the file could not be read at all
};

// One index line: CIDs first..last show glyphs first..last of the 1-based font.
struct TextIndexEntry {
  int64_t firstCid = -1, lastCid = -1;
  int64_t font = -1;
  int64_t firstGlyph = -1, lastGlyph = -1;
  bool cidRange = false, glyphRange = false;
};

// The usable index lines of a file, in file order.
std::vector<TextIndexEntry> TextIndexEntries(std::span<const uint8_t> bytes);

// Applies the file's arrangement to `font`. On failure nothing in `font` has changed.
TextIndexStatus ImportTextIndex(CCidFont& font, std::span<const uint8_t> bytes);
TextIndexStatus ImportTextIndex(CCidFont& font, const std::filesystem::path& path);

}  // namespace sorvella
