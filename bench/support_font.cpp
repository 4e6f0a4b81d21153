#include "support_font.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cidfont/cid_font_import.h"

namespace sorvella::bench {

std::vector<Glyph> ipaMinchoGlyphs() {
  namespace fs = std::filesystem;
  const fs::path path = fs::path(SORVELLA_FIXTURE_DIR) / "ipamincho.cid";
  if (!fs::exists(path)) {
    const std::string command =
        std::string("bash '") + SORVELLA_FIXTURE_SCRIPT + "' '" + SORVELLA_FIXTURE_DIR + "'";
    if (std::system(command.c_str()) != 0) return {};
  }
  std::vector<Glyph> glyphs;
  importCidFont(path, [&](CCidFont&, SubsetFont& font) {
    for (int32_t g = 0; g < font.slotCount(); ++g)
      if (font.glyph(g)) glyphs.push_back(*font.glyph(g));
    return true;
  });
  return glyphs;
}

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
