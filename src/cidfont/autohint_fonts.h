// Autohinting whole subset fonts: every glyph on its first master with the font's alignment
// zones, in memory or as the font files of a CID font, with a tally of the hints received.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "glyph/subset_font.h"
#include "outline/autohint.h"
#include "outline/autohint_parameters.h"
#include "platform/progress_callback.h"

namespace sorvella {

namespace autohint_text {
inline constexpr const char* kGlyphNotAutohinted =
    "Glyph %i of subset font %i could not be autohinted.";
}  // namespace autohint_text

struct AutohintFailure {
  int32_t font = 0;  // from 0; -1 for a font given on its own
  int32_t slot = 0;
  AutohintStatus status = AutohintStatus::kOk;
};

struct AutohintTally {
  int32_t fonts = 0;
  int32_t glyphs = 0;       // glyphs autohinted
  int32_t withProgram = 0;  // of them, those left with a replacement program
  int64_t hints = 0;        // hints received by all of them
  int32_t mostHints = 0;
  std::map<int32_t, int32_t> glyphsByHints;  // hints received -> glyphs
  std::vector<AutohintFailure> failures;     // glyphs left unchanged
};

// Autohints every glyph of `font`; the glyphs receive the hints the run adds (all they hold
// when existing hints are removed first). Cancelling through `progress` stops after a glyph.
// Returns false when cancelled.
bool autohintSubsetFont(SubsetFont& font, const AutohintParameters& parameters,
                        AutohintTally& tally, int32_t fontNumber = -1,
                        const ProgressCallback& progress = {});

enum class AutohintFontsStatus { kOk, kUnreadable, kNotWritten, kCancelled };

struct AutohintFontsResult {
  AutohintFontsStatus status = AutohintFontsStatus::kOk;
  std::string message;  // why it stopped, for the user
  AutohintTally tally;
};

// Reads subset font `font` of the CID font (every one for -1) from `folder`, autohints it and
// writes its file again. Stops at the first font that cannot be read or written; fonts
// finished before stay written.
AutohintFontsResult autohintSubsetFontFiles(const CCidFont& cidFont,
                                            const std::filesystem::path& folder, int32_t font,
                                            const AutohintParameters& parameters,
                                            const ProgressCallback& progress = {});

}  // namespace sorvella
