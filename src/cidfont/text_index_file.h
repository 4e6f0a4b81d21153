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
inline constexpr const char* kNotATextIndexMessage =
    "The file %s is not a text index file: it has neither font information nor index data. "
    "Nothing was changed.";
inline constexpr const char* kTextIndexCutShortMessage =
    "The text index file %s ends before its EndIndexData line; it may have been cut short. "
    "Nothing was changed.";
inline constexpr const char* kTextIndexCidBeyondLimitMessage =
    "The text index file %s places a character at CID %lld, beyond 65535, the highest CID that "
    "a CID font can hold. Nothing was changed.";
inline constexpr const char* kUnmatchedFontsRemovedMessage =
    "These subset fonts are not in the text index file and were removed with their %i "
    "characters: %s.";
// One font of that list: its name and its number, from 1, before the removal.
inline constexpr const char* kRemovedFontItem = "%s (%i)";

// Refreshes the records' CIDs and returns the file's text.
std::string textIndexBytes(CCidFont& font);
bool WriteTextIndex(CCidFont& font, const std::filesystem::path& path);

enum TextIndexStatus : int {
  kTextIndexOk = 0,
  kTextIndexBadFontInfo = 1,     // the font info block could not be read
  kTextIndexNoFontMatches = 2,   // none of the subset fonts match
  kTextIndexUnreadable = 3,      // the file could not be read at all
  kTextIndexNotAnIndex = 4,      // neither "BeginFontInfo" nor "BeginIndexData" occurs
  kTextIndexCutShort = 5,        // "BeginIndexData" without its "EndIndexData"
  kTextIndexCidBeyondLimit = 6,  // a line places a character beyond CCidFont::kMaxCid
};

// What an import did beyond placing characters, for its messages.
struct TextIndexImportReport {
  struct RemovedFont {
    int32_t number = 0;  // from 1, as it was in the list
    std::string name;
  };
  std::vector<RemovedFont> removedFonts;  // subset fonts that did not match, with their records
  int32_t removedCharacters = 0;
  int64_t cidBeyondLimit = -1;  // with kTextIndexCidBeyondLimit: the first such CID
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
TextIndexStatus ImportTextIndex(CCidFont& font, std::span<const uint8_t> bytes,
                                TextIndexImportReport* report = nullptr);
TextIndexStatus ImportTextIndex(CCidFont& font, const std::filesystem::path& path,
                                TextIndexImportReport* report = nullptr);

// kUnmatchedFontsRemovedMessage filled in, or "" when no font was removed.
std::string removedFontsText(const TextIndexImportReport& report);

}  // namespace sorvella
