// Writes a CID font of 65,535 placed characters in 128 subset fonts of up to 512 glyphs into a
// new font folder, through the same add-subset-font operation as an import, for timing the
// program's start with a large font. Usage: sorvella_make_big_font FOLDER
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "cidfont/binary_index_file.h"
#include "cidfont/cid_font.h"
#include "cidfont/font_folder.h"
#include "cidfont/subset_font_adding.h"
#include "glyph/outline_pen.h"
#include "glyph/subset_font.h"

namespace {

constexpr int kCharacters = 65535;
constexpr int kGlyphsPerFont = 512;

// A box whose size changes with the CID, so that the thumbnails differ.
std::unique_ptr<sorvella::Glyph> boxGlyph(int cid) {
  auto glyph = std::make_unique<sorvella::Glyph>();
  sorvella::OutlineBuilder pen(*glyph);
  const int16_t right = static_cast<int16_t>(200 + cid % 500);
  const int16_t top = static_cast<int16_t>(100 + (cid / 7) % 700);
  pen.moveTo({100, -100});
  pen.lineTo({right, -100});
  pen.lineTo({right, top});
  pen.lineTo({100, top});
  pen.closePath();
  pen.end();
  glyph->setName("CID-" + std::to_string(cid));
  glyph->setAdvance(0, {1000, 0});
  return glyph;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path folder = fs::absolute(argv[1]);
  std::error_code ec;
  fs::create_directories(folder, ec);
  sorvella::CCidFont font;
  font.info().setFontName("Bench-Mincho");
  font.info().setRegistry("Adobe");
  font.info().setOrdering("Identity");
  sorvella::SubsetFontAdding byName(true);
  for (int cid = 0, number = 0; cid < kCharacters; ++number) {
    sorvella::SubsetFont subset;
    subset.info().setText(sorvella::FontText::kFontName, "Mincho" + std::to_string(number));
    for (int g = 0; g < kGlyphsPerFont && cid < kCharacters; ++g)
      subset.appendSlot(boxGlyph(cid++));
    if (sorvella::addSubsetFont(font, folder, subset, byName) < 0) {
      std::fprintf(stderr, "subset font %d could not be written into %s\n", number, folder.c_str());
      return 1;
    }
  }
  font.RebuildTables();
  const fs::path index = sorvella::binaryIndexPath(folder);
  if (!sorvella::WriteBinaryIndex(font, index)) {
    std::fprintf(stderr, "%s could not be written\n", index.c_str());
    return 1;
  }
  std::printf("%s\n", index.c_str());
  return 0;
}
