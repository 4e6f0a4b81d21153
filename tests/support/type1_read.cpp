#include "support/type1_read.h"

#include "postscript/ps_font_reader.h"
#include "postscript/type1_font_parser.h"

namespace sorvella::test {

const EncodingRegistry& shippedEncodings() {
  static const EncodingRegistry registry = [] {
    EncodingRegistry r;
    r.scanFolder(SORVELLA_SOURCE_DATA_DIR);
    return r;
  }();
  return registry;
}

Type1ReadResult readType1Bytes(const std::vector<uint8_t>& bytes, ProgressCallback progress) {
  PSFontReader reader(bytes);
  Type1FontParser parser(reader);
  Type1ReadResult result;
  result.succeeded = parser.readType1Font(nullptr, shippedEncodings(), std::move(progress));
  result.status = parser.status();
  result.font = parser.takeType1Font();
  result.facts = parser.type1Facts();
  return result;
}

Box shownBox(const SubsetFont& font, const Glyph& glyph) {
  Box box = glyph.boundingBox();
  for (const Component& component : glyph.components()) {
    const Glyph* part = font.glyph(component.glyphIndex);
    if (!part) continue;
    const Box partBox = part->boundingBox();
    if (partBox.empty()) continue;
    const Point offset = component.offset.at(0);
    box.include({static_cast<int16_t>(partBox.xMin + offset.x),
                 static_cast<int16_t>(partBox.yMin + offset.y)});
    box.include({static_cast<int16_t>(partBox.xMax + offset.x),
                 static_cast<int16_t>(partBox.yMax + offset.y)});
  }
  return box.empty() ? Box{0, 0, 0, 0} : box;
}

std::vector<std::string> glyphNames(const SubsetFont& font) {
  std::vector<std::string> names;
  for (int32_t slot = 0; slot < font.slotCount(); ++slot)
    names.push_back(font.glyph(slot) ? font.glyph(slot)->name() : std::string());
  return names;
}

}  // namespace sorvella::test
