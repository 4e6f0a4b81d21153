// The add-subset-font operation shared by Add Base Font, New subset font and the importers: the
// font gets a file in the font folder and one character record per glyph slot.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "cidfont/cid_font.h"
#include "cidfont/font_info_block.h"
#include "glyph/subset_font.h"

namespace sorvella {

inline constexpr const char* kPlaceByNamePrefix = "CID-";
inline constexpr const char* kSubsetFontNotWrittenMessage =
    "The subset font %s could not be written into the font folder. It was not added.";
inline constexpr const char* kTooManyGlyphsMessage =
    "The font %s has %i glyphs, but a subset font can hold at most 16384. It was not added.";

struct SubsetFontAdding {
  SubsetFontAdding(bool place = false, int ascender = 900, int descender = -200)
      : placeByName(place), fitAscender(ascender), fitDescender(descender) {}

  bool placeByName;  // on while an import runs
  int fitAscender;   // the thumbnails' fit, from the options
  int fitDescender;
  // Called on each font before it is stored; the document gives a new font the table of its
  // encoding there.
  std::function<void(SubsetFont& font)> prepare;
};

// The CID a glyph name such as "CID-1234" gives, or -1.
int32_t cidFromGlyphName(const std::string& name);

// Writes the font as <folder>/<new stem>.vtb, appends its entry (FontName or "Untitled", one
// character per slot, not locked) and its records, then empties the font's slots. Returns the
// new font number, or -1 when the font has more slots than glyph numbers reach, the file could
// not be written or the list is full; the CID font and the folder are then unchanged. The
// caller rebuilds the tables.
int32_t addSubsetFont(CCidFont& cidFont, const std::filesystem::path& folder, SubsetFont& font,
                      const SubsetFontAdding& how);
// Why addSubsetFont refused `font`, for its message.
std::string addSubsetFontFailureText(const SubsetFont& font);

}  // namespace sorvella
