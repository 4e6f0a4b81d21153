#include "cidfont/cid_font_import.h"

#include <optional>
#include <utility>

namespace sorvella {

std::unique_ptr<CCidFont> importCidKeyedFont(const std::filesystem::path& path,
                                             SubsetFontCallback callback,
                                             const ProgressCallback& progress,
                                             PSFontStatus* status) {
  CidKeyedFontReader reader;
  reader.open(path);
  std::unique_ptr<CCidFont> font;
  if (std::optional<CidFontInfo> info = reader.parseHeader(std::move(callback))) {
    font = std::make_unique<CCidFont>();
    font->info() = std::move(*info);
    reader.setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
    reader.selectAllFontDicts();
    if (!reader.splitIntoSubsetFonts(progress)) font.reset();
  }
  if (status) *status = reader.status();
  return font;
}

}  // namespace sorvella
