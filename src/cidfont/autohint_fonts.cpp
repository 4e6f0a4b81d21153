#include "cidfont/autohint_fonts.h"

#include <algorithm>
#include <memory>

#include "base/text_format.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "glyph/native_font_file.h"
#include "outline/hint_zones.h"

namespace sorvella {

namespace {

constexpr int32_t kProgressStep = 20;

int32_t hintCount(const Glyph& glyph) {
  if (!glyph.hints()) return 0;
  return static_cast<int32_t>(glyph.hints()->horizontal.size() + glyph.hints()->vertical.size());
}

}  // namespace

bool autohintSubsetFont(SubsetFont& font, const AutohintParameters& parameters,
                        AutohintTally& tally, int32_t fontNumber,
                        const ProgressCallback& progress) {
  const std::vector<AlignmentZone> zones = alignmentZones(font, 0);
  if (progress) progress(kProgressRange, 0, font.slotCount());
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    if (progress && slot % kProgressStep == 0 &&
        (progress(kProgressPosition, slot, 0) != 0 || progress(kProgressCancelQuery, 0, 0) != 0))
      return false;
    Glyph* glyph = font.glyph(slot);
    if (!glyph) continue;
    const int32_t before = parameters.removeHints ? 0 : hintCount(*glyph);
    const AutohintStatus status = autohint(*glyph, 0, zones, parameters);
    if (status != AutohintStatus::kOk) {
      tally.failures.push_back({fontNumber, slot, status});
      continue;
    }
    const int32_t received = hintCount(*glyph) - before;
    ++tally.glyphs;
    ++tally.glyphsByHints[received];
    tally.hints += received;
    tally.mostHints = std::max(tally.mostHints, received);
    if (glyph->hints() && !glyph->hints()->replacement.empty()) ++tally.withProgram;
  }
  ++tally.fonts;
  return true;
}

AutohintFontsResult autohintSubsetFontFiles(const CCidFont& cidFont,
                                            const std::filesystem::path& folder, int32_t font,
                                            const AutohintParameters& parameters,
                                            const ProgressCallback& progress) {
  AutohintFontsResult result;
  const int32_t first = font < 0 ? 0 : font;
  const int32_t last = font < 0 ? cidFont.subsetFontCount() - 1 : font;
  for (int32_t f = first; f <= last; ++f) {
    const std::filesystem::path file = SubsetFontFilePath(folder, cidFont.subsetFont(f).fileStem());
    std::unique_ptr<SubsetFont> subsetFont = ReadNativeFont(file);
    if (!subsetFont) {
      result.status = AutohintFontsStatus::kUnreadable;
      result.message = formatText(document_text::kSubsetFontUnreadable, file.string().c_str());
      return result;
    }
    if (!autohintSubsetFont(*subsetFont, parameters, result.tally, f, progress)) {
      result.status = AutohintFontsStatus::kCancelled;
      return result;
    }
    if (!WriteNativeFont(file, *subsetFont, native_font_flag::kFullInfo)) {
      result.status = AutohintFontsStatus::kNotWritten;
      result.message = formatText(document_text::kFileNotWritten, file.string().c_str());
      return result;
    }
  }
  return result;
}

}  // namespace sorvella
