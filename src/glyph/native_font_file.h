// Native font files (".vtb"), the form in which every subset font is kept: writing one through
// a temporary file and reading one back whole or not at all.
#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "glyph/native_font_reader.h"
#include "glyph/native_font_writer.h"
#include "glyph/subset_font.h"

namespace sorvella {

// Flags as in native_font_flag. The old file is replaced only by a complete new one. On
// success the font's file name becomes the path.
bool WriteNativeFont(const std::filesystem::path& path, SubsetFont& font, int flags);

// Null when the read fails; `status`, when given, says why. Slots whose glyph records are
// damaged are left empty and listed in `damagedGlyphs`. The path variant sets the font's
// file name.
std::unique_ptr<SubsetFont> ReadNativeFont(const std::filesystem::path& path,
                                           NativeFontStatus* status = nullptr,
                                           std::vector<int32_t>* damagedGlyphs = nullptr);
std::unique_ptr<SubsetFont> ReadNativeFont(std::span<const uint8_t> bytes,
                                           NativeFontStatus* status = nullptr,
                                           std::vector<int32_t>* damagedGlyphs = nullptr);

}  // namespace sorvella
