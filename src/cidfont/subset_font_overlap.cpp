#include "cidfont/subset_font_overlap.h"

#include <memory>

#include "base/text_format.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/thumbnail.h"
#include "glyph/native_font_file.h"
#include "outline/overlap_removal.h"

namespace sorvella {

namespace {

struct CleanedFont {
  std::unique_ptr<SubsetFont> font;
  std::vector<int32_t> changed;  // slots; empty when nothing changed or nothing was written
};

CleanedFont cleanFont(const std::filesystem::path& file, const OverlapRun& how,
                      OverlapRunSummary& summary) {
  CleanedFont cleaned{ReadNativeFont(file), {}};
  if (!cleaned.font) {
    summary.messages.push_back(
        formatText(document_text::kSubsetFontUnreadable, file.string().c_str()));
    return cleaned;
  }
  for (int32_t slot = 0; slot < cleaned.font->slotCount(); ++slot) {
    Glyph* glyph = cleaned.font->glyph(slot);
    if (!glyph) continue;
    const Glyph before = *glyph;
    OverlapStatus status = removeOverlap(*glyph, 0, how.mode);
    if (status != OverlapStatus::kOk) ++summary.failed[overlapCode(status)];
    if (!glyph->sameContent(before)) cleaned.changed.push_back(slot);
  }
  if (!cleaned.changed.empty() &&
      !WriteNativeFont(file, *cleaned.font, native_font_flag::kFullInfo)) {
    summary.messages.push_back(formatText(document_text::kFileNotWritten, file.string().c_str()));
    cleaned.changed.clear();
  }
  return cleaned;
}

}  // namespace

int OverlapRunSummary::failedCount() const {
  int count = 0;
  for (const auto& [code, glyphs] : failed) count += glyphs;
  return count;
}

OverlapRunSummary removeOverlapInSubsetFonts(CCidFont& cidFont, const std::filesystem::path& folder,
                                             int32_t font, const OverlapRun& how,
                                             const ProgressCallback& progress) {
  OverlapRunSummary summary;
  const int32_t first = font < 0 ? 0 : font;
  const int32_t last = font < 0 ? cidFont.subsetFontCount() - 1 : font;
  if (progress) progress(kProgressRange, first, last + 1);
  for (int32_t f = first; f <= last; ++f) {
    if (progress) progress(kProgressPosition, f, 0);
    CleanedFont cleaned =
        cleanFont(SubsetFontFilePath(folder, cidFont.subsetFont(f).fileStem()), how, summary);
    if (cleaned.changed.empty()) continue;
    const SubsetFont* subset = cleaned.font.get();
    summary.changed += static_cast<int>(cleaned.changed.size());
    std::vector<bool> remade(static_cast<std::size_t>(subset->slotCount()), false);
    for (int32_t slot : cleaned.changed) remade[static_cast<std::size_t>(slot)] = true;
    for (int32_t c = 0; c < cidFont.characterCount(); ++c) {
      const CharacterRecord& r = cidFont.record(c);
      if (r.font != f || r.glyph < 0 || r.glyph >= subset->slotCount() || !remade[r.glyph])
        continue;
      cidFont.mutableRecord(c)->thumbnail =
          makeThumbnail(*subset->glyph(r.glyph), how.fitAscender, how.fitDescender);
    }
    cidFont.setModified(true);
  }
  return summary;
}

}  // namespace sorvella
