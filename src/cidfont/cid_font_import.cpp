#include "cidfont/cid_font_import.h"

#include <optional>
#include <utility>

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
  return result;
}

CidFontImport importCidFont(const std::filesystem::path& file, const AddSubsetFontCallback& add,
                            const ProgressCallback& progress) {
  CidKeyedFontReader reader;
  if (!reader.open(file)) return {};
  return importCidFont(reader, add, progress);
}

}  // namespace sorvella
