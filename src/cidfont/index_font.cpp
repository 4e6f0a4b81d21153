#include "cidfont/index_font.h"

#include <cmath>
#include <vector>

#include "base/rounding.h"
#include "base/text_format.h"
#include "cidfont/cid_font.h"
#include "cidfont/new_subset_font.h"
#include "cidfont/truetype_glyph_conversion.h"
#include "truetype/cmap_table.h"
#include "truetype/ttf.h"

namespace sorvella {

namespace {

constexpr uint32_t kDigitZero = '0';
// Symbol fonts map their characters from 0xF000 on.
constexpr uint32_t kSymbolOffset = 0xF000;

uint16_t digitGlyph(TTF& font, uint32_t code) {
  if (const TTcmapTable* unicode = font.FindSubtable(3, 1)) return unicode->glyphFor(code);
  if (const TTcmapTable* mac = font.FindSubtable(1, 0)) return mac->glyphFor(code);
  if (const TTcmapTable* symbol = font.FindSubtable(3, 0)) {
    uint16_t glyph = symbol->glyphFor(code);
    return glyph != 0 ? glyph : symbol->glyphFor(kSymbolOffset + code);
  }
  return 0;
}

// Font units to the digits' em, rounded down as the whole part of a 16.16 value is.
int16_t toDigitEm(int64_t v, int64_t units) {
  return clampToInt16(std::floor(static_cast<double>(v) * kIndexDigitEm / units));
}

bool readDigit(TTF& font, uint32_t digit, Outline& shape, int16_t& advance) {
  const int64_t units = font.unitsPerEm();
  TTGLYPH* glyph = font.glyph(digitGlyph(font, kDigitZero + digit));
  if (!glyph || units == 0 || !font.LoadOutline(*glyph)) return false;
  advance = roundToInt16(glyph->advanceWidth() * static_cast<double>(kIndexDigitEm) / units);
  bool read = glyph->kind() == TTGlyphKind::kEmpty ||
              (glyph->kind() == TTGlyphKind::kSimple || font.Flatten(*glyph));
  if (read && glyph->kind() != TTGlyphKind::kEmpty) {
    const TTGlyphOutline& outline = glyph->outline();
    const int64_t shift = int64_t{glyph->header().xMin} - glyph->leftSideBearing();
    std::vector<ScaledPoint> points;
    points.reserve(outline.points.size());
    for (const TTPoint& p : outline.points)
      points.push_back({{toDigitEm(p.x - shift, units), toDigitEm(p.y, units)}, p.onCurve()});
    OutlineBuilder builder(shape);
    passReversedContours(points, outline.endPoints, builder);
    builder.end();
  }
  font.ReleaseOutline(*glyph);
  return read;
}

// Passes the segments of an outline on, moved to the right; `begin` and `end` stay with the
// glyph that receives several outlines.
class ShiftPen : public OutlinePen {
 public:
  ShiftPen(OutlinePen& out, int32_t dx) : out_(out), dx_(dx) {}
  void moveTo(Point p) override { out_.moveTo(shift(p)); }
  void lineTo(Point p) override { out_.lineTo(shift(p)); }
  void curveTo(Point s, Point c1, Point c2, Point e) override {
    out_.curveTo(shift(s), shift(c1), shift(c2), shift(e));
  }

 private:
  Point shift(Point p) const { return {clampToInt16(static_cast<double>(p.x) + dx_), p.y}; }
  OutlinePen& out_;
  int32_t dx_;
};

}  // namespace

std::optional<IndexDigits> readIndexDigits(const std::filesystem::path& file) {
  TTF font;
  if (!font.Open(file)) return std::nullopt;
  IndexDigits digits;
  for (uint32_t d = 0; d < 10; ++d)
    if (!readDigit(font, d, digits.shapes[d], digits.advances[d])) return std::nullopt;
  return digits;
}

void appendIndexGlyphs(SubsetFont& font, uint32_t first, uint32_t last, const IndexDigits& digits) {
  for (uint64_t index = first; index <= last; ++index) {
    auto glyph = std::make_unique<Glyph>(1);
    glyph->setName(indexGlyphName(static_cast<uint32_t>(index)));
    OutlineBuilder builder(*glyph);
    int32_t x = 0;
    for (char c : formatText("%u", static_cast<unsigned>(index))) {
      const auto d = static_cast<std::size_t>(c - '0');
      ShiftPen shifted(builder, x);
      digits.shapes[d].enumerate(shifted);
      x += digits.advances[d];
    }
    builder.end();
    glyph->setAdvance(0, {clampToInt16(x), 0});
    font.appendSlot(std::move(glyph));
  }
}

std::string IndexFontMaker::fill(SubsetFont& font, uint32_t first, uint32_t last) {
  if (first <= last && uint64_t{last} - first + 1 + font.slotCount() >
                           static_cast<uint64_t>(CCidFont::kMaxGlyphsPerFont))
    return formatText(index_font_text::kTooManyIndices, CCidFont::kMaxGlyphsPerFont);
  if (!looked_) {
    looked_ = true;
    if (std::optional<std::filesystem::path> file =
            systemFonts_.trueTypeFont(index_font_text::kDigitFamily))
      digits_ = readIndexDigits(*file);
  }
  if (!digits_) return index_font_text::kDigitsMissing;
  appendIndexGlyphs(font, first, last, *digits_);
  return {};
}

}  // namespace sorvella
