// Running an actions program over one glyph, the selected glyphs, a subset font or the whole
// CID font: what to run, and what the run did to which glyphs.
#pragma once

#include <cstdint>
#include <vector>

#include "outline/actions_program.h"

namespace sorvella {

namespace actions_run_text {
inline constexpr const char* kFontFailed = "Subset font %i: %s failed on glyphs %s.";
inline constexpr const char* kFontRawOffset =
    "Subset font %i: the offset contours of glyphs %s could not be merged; they were kept "
    "unmerged.";
inline constexpr const char* kCancelled =
    "The actions program was cancelled. %i glyphs were transformed.";
}  // namespace actions_run_text

struct ActionsRun {
  std::vector<GlyphAction> program;
  ActionsTarget target = ActionsTarget::kOneGlyph;
  int32_t font = 0;             // the current subset font (not for the whole CID font)
  std::vector<int32_t> glyphs;  // the glyph (one) or the selected glyphs, as slots
  int master = 0;
};

struct ActionGlyph {
  int32_t font = 0;
  int32_t slot = 0;
  ActionKind kind = ActionKind::kShift;  // of a failure: the first action that failed
  int32_t code = 0;
};

struct ActionsRunSummary {
  int32_t transformed = 0;             // glyphs changed and kept
  std::vector<ActionGlyph> failed;     // an action failed; the others ran
  std::vector<ActionGlyph> rawOffset;  // weight or outline kept unmerged offset contours
  bool cancelled = false;
};

}  // namespace sorvella
