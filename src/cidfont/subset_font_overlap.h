// Remove overlap over whole subset fonts of a CID font: each font's file is rewritten with
// the changed glyphs, whose character records get new thumbnails.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "platform/progress_callback.h"

namespace sorvella {

namespace overlap_text {
inline constexpr const char* kGlyphsChanged = "%d glyphs changed, %d failed.";
inline constexpr const char* kGlyphsFailed = "Error %d: %d glyphs.";
}  // namespace overlap_text

struct OverlapRun {
  uint16_t mode = 2;
  int fitAscender = 900;  // the thumbnails' fit, from the options
  int fitDescender = -200;
};

struct OverlapRunSummary {
  int changed = 0;
  std::map<int32_t, int> failed;      // result code -> glyphs
  std::vector<std::string> messages;  // files that could not be read or written
  int failedCount() const;
};

// Master 0 of every glyph of subset font `font`, or of every font when it is -1. A font whose
// file cannot be written keeps its old file and its records' thumbnails.
OverlapRunSummary removeOverlapInSubsetFonts(CCidFont& cidFont, const std::filesystem::path& folder,
                                             int32_t font, const OverlapRun& how,
                                             const ProgressCallback& progress = {});

}  // namespace sorvella
