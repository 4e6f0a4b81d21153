// Reading a Type 1 font file (.pfb, or the plain form with a binary or hexadecimal eexec
// part) into a subset font in one call, for the commands that add base fonts.
#pragma once

#include <filesystem>
#include <memory>

#include "glyph/subset_font.h"
#include "platform/progress_callback.h"
#include "postscript/ps_font_status.h"

namespace sorvella {

class EncodingRegistry;

// The font, or nothing when the file cannot be read or its program fails. `status`, when
// given, receives the reader's status: kFinished (or kFine) after success, that of the
// problem otherwise, kFine also when the file could not be opened.
std::unique_ptr<SubsetFont> readType1Font(const std::filesystem::path& path,
                                          const EncodingRegistry& encodings,
                                          ProgressCallback progress = {},
                                          PSFontStatus* status = nullptr);

}  // namespace sorvella
