// Small subset fonts for document tests: square glyphs with chosen names, written as native
// font files where a test needs one on disk.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "glyph/subset_font.h"

namespace sorvella::test {

// One glyph per name, each a filled square; an empty name leaves its slot empty.
std::unique_ptr<SubsetFont> sampleSubsetFont(const std::string& fontName,
                                             const std::vector<std::string>& glyphNames);

// The same font written to `file` with WriteNativeFont; the path, or an empty path on failure.
std::filesystem::path writeSampleFont(const std::filesystem::path& file,
                                      const std::string& fontName,
                                      const std::vector<std::string>& glyphNames);

// A subset font list entry, unlocked.
SubsetFontEntry subsetFontEntry(const char* name, const char* stem, int characterCount);

}  // namespace sorvella::test
