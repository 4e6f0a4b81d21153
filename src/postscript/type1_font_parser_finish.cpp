// What a Type 1 font needs once its program has been read: master names, accented
// characters (seac) turned into composites of two glyphs, and the path it came from.
#include <string>
#include <unordered_map>

#include "base/rounding.h"
#include "base/text_format.h"
#include "postscript/encoding_registry.h"
#include "postscript/type1_font_parser.h"

namespace sorvella {
namespace {

// One part per axis: the axis name and the master's design position.
constexpr char kMasterNamePartFormat[] = "%s=%.0f ";
constexpr char kSingleMasterName[] = "Untitled";

int16_t perMaster(const std::vector<int16_t>& values, int m) {
  return static_cast<std::size_t>(m) < values.size() ? values[static_cast<std::size_t>(m)] : 0;
}

}  // namespace

void Type1FontParser::finishType1Font() {
  nameType1Masters();
  buildSeacComposites();
  font_->setFileName(in_.path());
}

void Type1FontParser::nameType1Masters() {
  if (font_->masterCount() == 1) {
    font_->master(0).setName(kSingleMasterName);
    return;
  }
  const std::vector<std::string>& axes = type1Facts_.axisTypes;
  const std::vector<std::vector<double>>& design = type1Facts_.designPositions;
  for (int m = 0; m < font_->masterCount() && static_cast<std::size_t>(m) < design.size(); ++m) {
    std::string name;
    const std::vector<double>& positions = design[static_cast<std::size_t>(m)];
    for (std::size_t a = 0; a < positions.size(); ++a)
      name +=
          formatText(kMasterNamePartFormat, a < axes.size() ? axes[a].c_str() : "", positions[a]);
    font_->master(m).setName(name);
  }
}

void Type1FontParser::buildSeacComposites() {
  EncodingTable standard;
  encodings_->loadEncoding(kSeacEncodingNumber, standard, true);
  std::unordered_map<std::string, int32_t> slots;
  for (int32_t slot = 0; slot < font_->slotCount(); ++slot)
    if (const Glyph* glyph = font_->glyph(slot)) slots.emplace(glyph->name(), slot);
  const auto slotOfCode = [&](uint16_t code) -> int32_t {
    if (code >= EncodingTable::kSize) return -1;
    const auto found = slots.find(standard.name(code));
    return found == slots.end() ? -1 : found->second;
  };

  const int masters = font_->masterCount();
  for (std::size_t i = 0; i < glyphRecords_.size(); ++i) {
    const CharstringGlyphRecord& record = glyphRecords_[i];
    if (!record.accented) continue;
    const auto slot = static_cast<int32_t>(i);
    const int32_t baseSlot = slotOfCode(record.baseCode);
    const int32_t accentSlot = slotOfCode(record.accentCode);
    // A glyph made of itself would never end.
    if (baseSlot < 0 || accentSlot < 0 || baseSlot == slot || accentSlot == slot) continue;
    Glyph& glyph = *font_->glyph(slot);
    const Glyph& base = *font_->glyph(baseSlot);
    const CharstringGlyphRecord& baseRecord = glyphRecords_[static_cast<std::size_t>(baseSlot)];
    const CharstringGlyphRecord& accentRecord = glyphRecords_[static_cast<std::size_t>(accentSlot)];

    Component baseComponent;
    baseComponent.glyphIndex = baseSlot;
    Component accentComponent;
    accentComponent.glyphIndex = accentSlot;
    for (int m = 0; m < masters; ++m) {
      glyph.setAdvance(m, base.advance(m));
      baseComponent.offset.push_back({0, 0});
      baseComponent.scale.push_back({});
      // Outlines keep their side bearing, so the accent moves by its distance to adx.
      const int shift = perMaster(record.accentX, m) - perMaster(accentRecord.sideBearing, m) +
                        perMaster(baseRecord.sideBearing, m);
      accentComponent.offset.push_back({clampToInt16(shift), perMaster(record.accentY, m)});
      accentComponent.scale.push_back({});
    }
    glyph.components() = {std::move(baseComponent), std::move(accentComponent)};
  }
}

}  // namespace sorvella
