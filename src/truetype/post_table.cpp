#include "truetype/post_table.h"

#include "truetype/post_standard_names.h"
#include "truetype/tt_stream.h"
#include "truetype/ttf.h"

namespace sorvella {

namespace {

constexpr uint32_t kFormat1 = 0x00010000;
constexpr uint32_t kFormat2 = 0x00020000;
constexpr uint32_t kFormat25 = 0x00025000;

}  // namespace

std::string postTABLE::glyphName(uint32_t glyph) const {
  if (glyph >= nameIndex_.size()) return {};
  std::size_t index = nameIndex_[glyph];
  if (index < kStandardGlyphNames) return std::string(standardGlyphName(index));
  index -= kStandardGlyphNames;
  return index < names_.size() ? names_[index] : std::string{};
}

void postTABLE::readBody(std::span<const uint8_t> body) {
  ByteReader in(body);
  TTPostFields& f = fields_;
  f.format = in.get32be();
  f.italicAngle = asSigned(in.get32be());
  f.underlinePosition = asSigned(in.get16be());
  f.underlineThickness = asSigned(in.get16be());
  f.isFixedPitch = in.get32be();
  f.minMemType42 = in.get32be();
  f.maxMemType42 = in.get32be();
  f.minMemType1 = in.get32be();
  f.maxMemType1 = in.get32be();
  if (in.overran()) {
    fail(TTError::kDamaged);
    return;
  }
  if (f.format == kFormat1) {
    uint32_t glyphs = std::min<uint32_t>(owner().numGlyphs(), kStandardGlyphNames);
    for (uint16_t i = 0; i < glyphs; ++i) nameIndex_.push_back(i);
  } else if (f.format == kFormat2) {
    readFormat2(body.subspan(kHeaderSize));
  } else if (f.format == kFormat25) {
    readFormat25(body.subspan(kHeaderSize));
  }
}

void postTABLE::readFormat2(std::span<const uint8_t> body) {
  ByteReader in(body);
  uint16_t glyphs = in.get16be();
  if (2 + 2 * uint64_t{glyphs} > body.size()) {
    fail(TTError::kDamaged);
    return;
  }
  nameIndex_.resize(glyphs);
  for (uint16_t& index : nameIndex_) index = in.get16be();
  // Pascal strings, as many as there are; a name cut short by the table's end is damage.
  while (!in.atEnd()) {
    uint8_t length = in.get8();
    if (length > in.remaining()) {
      fail(TTError::kDamaged);
      break;
    }
    std::string name(length, '\0');
    in.getBytes(reinterpret_cast<uint8_t*>(name.data()), length);
    names_.push_back(std::move(name));
  }
  for (uint16_t index : nameIndex_)
    if (index >= kStandardGlyphNames && index - kStandardGlyphNames >= names_.size())
      fail(TTError::kDamaged);
}

void postTABLE::readFormat25(std::span<const uint8_t> body) {
  ByteReader in(body);
  uint16_t glyphs = in.get16be();
  if (2 + uint64_t{glyphs} > body.size()) {
    fail(TTError::kDamaged);
    return;
  }
  nameIndex_.resize(glyphs);
  for (uint16_t g = 0; g < glyphs; ++g) {
    int32_t index = static_cast<int32_t>(g) + static_cast<int8_t>(in.get8());
    bool standard = index >= 0 && index < static_cast<int32_t>(kStandardGlyphNames);
    if (!standard) fail(TTError::kDamaged);
    // An index outside the standard names falls past the font's own names: no name.
    nameIndex_[g] = standard ? static_cast<uint16_t>(index) : UINT16_MAX;
  }
}

}  // namespace sorvella
