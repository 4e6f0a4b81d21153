#include "support_font.h"

namespace sorvella::bench {

const CCidFont& bigFont() {
  static const CCidFont font = [] {
    CCidFont f;
    f.info().setFontName("Bench-Mincho");
    f.info().setRegistry("Adobe");
    f.info().setOrdering("Japan1");
    int32_t cid = 0;
    for (int font = 0; font < 128; ++font) {
      std::vector<CharacterRecord> records;
      for (int g = 0; g < 512 && cid < 65535; ++g) {
        records.push_back(CharacterRecord::make(font, g));
        records.back().cid = cid++;
      }
      SubsetFontEntry e;
      e.setName("Mincho" + std::to_string(font));
      e.setFileStem("MINC" + std::to_string(1000 + font));
      e.characterCount = static_cast<int32_t>(records.size());
      f.addSubsetFont(e, records);
    }
    f.RebuildTables();
    return f;
  }();
  return font;
}

}  // namespace sorvella::bench
