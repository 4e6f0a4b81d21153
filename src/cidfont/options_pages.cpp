#include "cidfont/options_pages.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "base/text_format.h"

namespace sorvella {

GlyphEditPage glyphEditPage(const Options& options) {
  GlyphEditPage page;
  page.gridX = options.editGridX;
  page.gridY = options.editGridY;
  page.snapToGrid = (options.paintStyle & kSnapToGridBit) != 0;
  page.snapToMargins = (options.paintStyle & kSnapToMarginsBit) != 0;
  page.ascender = options.fitAscender;
  page.descender = options.fitDescender;
  page.overlap = overlapModeControls(options.overlapMode);
  return page;
}

void applyGlyphEditPage(const GlyphEditPage& page, Options& options) {
  options.editGridX = page.gridX;
  options.editGridY = page.gridY;
  int32_t style = options.paintStyle & ~(kSnapToGridBit | kSnapToMarginsBit);
  if (page.snapToGrid) style |= kSnapToGridBit;
  if (page.snapToMargins) style |= kSnapToMarginsBit;
  options.paintStyle = style;
  options.fitAscender = page.ascender;
  options.fitDescender = page.descender;
  options.overlapMode = overlapModeFromControls(page.overlap);
}

AutohintingPage autohintingPage(const Options& options) {
  AutohintingPage page;
  page.minHWidth = options.autohintingMinHWidth;
  page.maxHWidth = options.autohintingMaxHWidth;
  page.minVWidth = options.autohintingMinVWidth;
  page.maxVWidth = options.autohintingMaxVWidth;
  page.minHLength = options.autohintingMinHLen;
  page.minVLength = options.autohintingMinVLen;
  page.hRatio = formatText("%.2f", options.autohintingHRatio);
  page.vRatio = formatText("%.2f", options.autohintingVRatio);
  page.removeHints = options.autohintingRemoveHints != 0;
  return page;
}

std::optional<double> acceptedRatio(std::string_view text) {
  std::string owned(text);
  const char* begin = owned.c_str();
  while (*begin == ' ') ++begin;
  if (*begin == '\0') return std::nullopt;
  char* end = nullptr;
  errno = 0;
  double value = std::strtod(begin, &end);
  while (*end == ' ') ++end;
  if (*end != '\0' || errno != 0 || !std::isfinite(value)) return std::nullopt;
  if (value < kMinAutohintingRatio || value > kMaxAutohintingRatio) return std::nullopt;
  // Kept as the file keeps it, so that the sheet and the file agree.
  return std::round(value * 100) / 100;
}

bool applyAutohintingPage(const AutohintingPage& page, Options& options) {
  std::optional<double> h = acceptedRatio(page.hRatio);
  std::optional<double> v = acceptedRatio(page.vRatio);
  if (!h || !v) return false;
  options.autohintingMinHWidth = page.minHWidth;
  options.autohintingMaxHWidth = page.maxHWidth;
  options.autohintingMinVWidth = page.minVWidth;
  options.autohintingMaxVWidth = page.maxVWidth;
  options.autohintingMinHLen = page.minHLength;
  options.autohintingMinVLen = page.minVLength;
  options.autohintingHRatio = *h;
  options.autohintingVRatio = *v;
  options.autohintingRemoveHints = page.removeHints ? 1 : 0;
  return true;
}

}  // namespace sorvella
