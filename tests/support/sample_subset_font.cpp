#include "support/sample_subset_font.h"

#include "glyph/native_font_file.h"
#include "glyph/outline_pen.h"

namespace sorvella::test {

SubsetFontEntry subsetFontEntry(const char* name, const char* stem, int characterCount) {
  SubsetFontEntry e;
  e.setName(name);
  e.setFileStem(stem);
  e.characterCount = characterCount;
  return e;
}

std::unique_ptr<SubsetFont> sampleSubsetFont(const std::string& fontName,
                                             const std::vector<std::string>& glyphNames) {
  auto font = std::make_unique<SubsetFont>();
  font->info().setText(FontText::kFontName, fontName);
  for (const std::string& name : glyphNames) {
    if (name.empty()) {
      font->appendSlot(nullptr);
      continue;
    }
    auto glyph = std::make_unique<Glyph>();
    OutlineBuilder pen(*glyph);
    pen.moveTo({100, 0});
    pen.lineTo({600, 0});
    pen.lineTo({600, 500});
    pen.lineTo({100, 500});
    pen.closePath();
    pen.end();
    glyph->setName(name);
    glyph->setAdvance(0, {700, 0});
    font->appendSlot(std::move(glyph));
  }
  return font;
}

std::filesystem::path writeSampleFont(const std::filesystem::path& file,
                                      const std::string& fontName,
                                      const std::vector<std::string>& glyphNames) {
  std::unique_ptr<SubsetFont> font = sampleSubsetFont(fontName, glyphNames);
  return WriteNativeFont(file, *font, 4) ? file : std::filesystem::path();
}

}  // namespace sorvella::test
