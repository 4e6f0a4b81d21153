#include "cidfont/cid_font_import.h"

#include <optional>
#include <utility>

#include "postscript/font_program_status.h"

namespace sorvella {

CidFontImport importCidFont(CidKeyedFontReader& reader, const AddSubsetFontCallback& add,
                            const ProgressCallback& progress) {
  CidFontImport result;
  std::unique_ptr<CCidFont> font;
  // Each finished subset font is added at once, so only one is held at a time.
  std::optional<CidFontInfo> info = reader.parseHeader([&](std::unique_ptr<SubsetFont> subset) {
    if (!font || result.refused) return;
    if (add && !add(*font, *subset)) result.refused = true;
  });
  if (info) {
    font = std::make_unique<CCidFont>();
    font->info() = std::move(*info);
    reader.setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
    reader.selectAllFontDicts();
    const bool split = reader.splitIntoSubsetFonts(progress);
    if (split && !result.refused && reader.status() != PSFontStatus::kCancelled)
      result.font = std::move(font);
  }
  result.status = reader.status();
  // A font dictionary out of range ends the split early; what was handed over stays.
  if (!result.font || result.status != PSFontStatus::kFinished)
    result.problem = fontProgramStatusText(result.status, reader.failed());
  return result;
}

CidFontImport importCidFont(const std::filesystem::path& file, const AddSubsetFontCallback& add,
                            const ProgressCallback& progress) {
  CidKeyedFontReader reader;
  if (!reader.open(file)) {
    CidFontImport result;
    result.problem = font_program_text::kCannotOpen;
    return result;
  }
  return importCidFont(reader, add, progress);
}

}  // namespace sorvella
