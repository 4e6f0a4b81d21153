#include "cidfont/cid_font_export.h"

namespace sorvella {
namespace {

CidGlyphLookup glyphsOf(const CCidFont& font) {
  return [&font](int32_t cid) -> CidGlyph {
    const int32_t character = font.CharacterAt(cid);
    if (character < 0) return {};
    const CharacterRecord& record = font.record(character);
    return {record.font, record.glyph};
  };
}

}  // namespace

CidExport exportCidFont(const CCidFont& font, const SubsetFontSource& source,
                        const ProgressCallback& progress) {
  return exportCidFont(font.info(), font.rangeTop(), glyphsOf(font), source, progress);
}

CidExportResult writeCidFont(const CCidFont& font, const std::filesystem::path& path,
                             const SubsetFontSource& source, const ProgressCallback& progress) {
  return writeCidFont(font.info(), font.rangeTop(), glyphsOf(font), path, source, progress);
}

}  // namespace sorvella
