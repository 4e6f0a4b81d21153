// TrueType fonts from anywhere must never crash the reader, the glyph conversion or the
// importer: every table is read, the character maps and names looked up, the first glyphs
// converted, and the font imported as a CID font and added as a base font.
// The corpus is made by scripts/make-truetype-corpus.py.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "cidfont/truetype_glyph_conversion.h"
#include "cidfont/truetype_importer.h"
#include "truetype/cmap_table.h"
#include "truetype/post_table.h"
#include "truetype/ttf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace sorvella;
  TTF font;
  if (!font.Open(std::vector<uint8_t>(data, data + size))) return 0;
  for (const auto& table : font.tables())
    if (table->kind()) font.Table(*table->kind());
  constexpr std::pair<uint16_t, uint16_t> kMaps[] = {{3, 1}, {1, 0}, {3, 0}, {3, 2}};
  for (auto [platform, encoding] : kMaps)
    if (TTcmapTable* map = font.FindSubtable(platform, encoding)) (void)map->glyphFor(0x41);
  (void)font.NameFirst(6, 3);
  const postTABLE* post = font.Table<postTABLE>();
  // A bound on the glyphs converted keeps each input fast; the limits act per glyph.
  const uint32_t glyphs = std::min<uint32_t>(font.glyphCount(), 64);
  for (uint32_t i = 0; i < glyphs; ++i) {
    TTGLYPH& glyph = *font.glyph(i);
    if (post) (void)post->glyphName(i);
    std::unique_ptr<Glyph> converted = ConvertGlyph(font, glyph);
    if (glyph.loaded()) std::abort();  // released again after the conversion
    if (converted && !converted->empty() && converted->type(0) != node_type::kMove) std::abort();
  }

  TTImporter importer;
  if (importer.Open(std::vector<uint8_t>(data, data + size))) {
    importer.Name();
    int32_t slots = 0;
    importer.Run([&](CCidFont&, SubsetFont& subset) {
      if (subset.slotCount() > kTrueTypeSubsetGlyphs) std::abort();
      slots += subset.slotCount();
      return true;
    });
    if (slots > static_cast<int32_t>(font.glyphCount())) std::abort();
    SubsetFont added;
    if (importer.AddTrueTypeFont(added, {}, true) == AddTrueTypeResult::kAdded &&
        added.slotCount() != static_cast<int32_t>(font.glyphCount()))
      std::abort();
  }
  return 0;
}
