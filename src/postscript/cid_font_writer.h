// The CID-keyed font exporter of "Export": the CID font as a CIDFontType 0 resource with a
// binary data section, one font dictionary per subset font that has placed characters.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "glyph/cid_font_info.h"
#include "glyph/subset_font.h"
#include "platform/progress_callback.h"

namespace sorvella {

// The subset font of a number, or null when it cannot be read. It is asked for once per
// subset font, in ascending order; the font has to stay valid only until the next call.
using SubsetFontSource = std::function<const SubsetFont*(int32_t subsetFontNumber)>;

// What stands at a CID: the number of its subset font and of the glyph there, -1 for none.
struct CidGlyph {
  int32_t font = -1;
  int32_t glyph = -1;
};
using CidGlyphLookup = std::function<CidGlyph(int32_t cid)>;

inline constexpr const char* kCharactersLeftOutWarning =
    "%i characters were left out of the exported font because their glyphs could not be "
    "read from the subset font files.";

struct CidExport {
  std::vector<uint8_t> bytes;  // empty when cancelled or refused
  // The range top lies beyond kMaxCid: refused before anything was allocated.
  bool rangeBeyondLimit = false;
  // Placed characters whose subset font could not be read or whose glyph slot is empty.
  int32_t charactersLeftOut = 0;
  std::vector<int32_t> unreadableFonts;
};

// CIDs 0 to `rangeTop`, each with the glyph `glyphAt` names; a CID 0 without one gets an
// empty .notdef glyph. A range top beyond kMaxCid is refused.
CidExport exportCidFont(const CidFontInfo& info, int32_t rangeTop, const CidGlyphLookup& glyphAt,
                        const SubsetFontSource& source, const ProgressCallback& progress = {});

struct CidExportResult {
  bool written = false;
  bool rangeBeyondLimit = false;
  int32_t charactersLeftOut = 0;
  std::vector<int32_t> unreadableFonts;
};

// exportCidFont written through a temporary file.
CidExportResult writeCidFont(const CidFontInfo& info, int32_t rangeTop,
                             const CidGlyphLookup& glyphAt, const std::filesystem::path& path,
                             const SubsetFontSource& source, const ProgressCallback& progress = {});

// kCharactersLeftOutWarning filled in, or "" when nothing was left out.
std::string cidExportWarning(int32_t charactersLeftOut);

}  // namespace sorvella
