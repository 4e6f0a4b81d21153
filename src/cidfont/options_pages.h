// The two pages of the options sheet as plain values: what each control shows of the options
// record, and how OK takes the pages back into it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cidfont/settings.h"
#include "cidfont/settings_overlap.h"

namespace sorvella {

namespace options_text {
inline constexpr const char* kSheetTitle = "Sorvella Options";
inline constexpr const char* kOptionsCommand = "Op&tions";
inline constexpr const char* kGlyphEditPage = "Glyph Edit";
inline constexpr const char* kAutohintingPage = "Autohinting";
inline constexpr const char* kHorizontalGrid = "Horizontal grid spacing:";
inline constexpr const char* kVerticalGrid = "Vertical grid spacing:";
inline constexpr const char* kSnapToGrid = "Snap to grid";
inline constexpr const char* kSnapToMargins = "Snap to margins";
inline constexpr const char* kVerticalAlignment = "Vertical alignment in 100% zoom mode";
inline constexpr const char* kAscender = "Ascender:";
inline constexpr const char* kDescender = "Descender:";
inline constexpr const char* kHorizontalHints = "Horizontal hints:";
inline constexpr const char* kVerticalHints = "Vertical hints:";
inline constexpr const char* kMinWidth = "Min. width";
inline constexpr const char* kMaxWidth = "Max. width";
inline constexpr const char* kMinLength = "Min. length";
inline constexpr const char* kAspectRatio = "Minimal length/width aspect ratio:";
inline constexpr const char* kRemoveHints = "Remove all existing hints before autohinting";
// A ratio field whose text is not a number from 0 to 1000 keeps the sheet open.
inline constexpr const char* kRatioRefused = "Please enter a number between 0 and 1000.";
inline constexpr const char* kOptionsNotSaved =
    "The options could not be written to the settings file.";
}  // namespace options_text

// The PaintStyle bits the "Glyph Edit" page shows; the others belong to the glyph editor.
inline constexpr int32_t kSnapToGridBit = 8;
inline constexpr int32_t kSnapToMarginsBit = 32;

struct GlyphEditPage {
  int16_t gridX = 0, gridY = 0;
  bool snapToGrid = false, snapToMargins = false;
  int32_t ascender = 0, descender = 0;
  OverlapModeControls overlap;
};

struct AutohintingPage {
  int32_t minHWidth = 0, maxHWidth = 0, minVWidth = 0, maxVWidth = 0;
  int32_t minHLength = 0, minVLength = 0;
  // The ratio fields as typed; shown with two decimals.
  std::string hRatio, vRatio;
  bool removeHints = false;
};

GlyphEditPage glyphEditPage(const Options& options);
// Only the two PaintStyle bits change; OverlapMode is rebuilt from its two controls alone.
void applyGlyphEditPage(const GlyphEditPage& page, Options& options);

AutohintingPage autohintingPage(const Options& options);
// A ratio field's value when its text is a number from 0 to 1000, kept to two decimals.
std::optional<double> acceptedRatio(std::string_view text);
// False, changing nothing, when a ratio field is refused.
bool applyAutohintingPage(const AutohintingPage& page, Options& options);

}  // namespace sorvella
