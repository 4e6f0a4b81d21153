#include "postscript/metrics_summary.h"

#include <algorithm>
#include <map>

#include "glyph/placeholder_name.h"
#include "postscript/export_glyphs.h"
#include "postscript/type1_font_info.h"

namespace sorvella {

namespace {

MetricsBox boxOf(const Glyph& glyph) {
  if (glyph.empty()) return {};
  const Box box = outlineBox(glyph);
  if (box.empty()) return {};
  return {box.xMin, box.yMin, box.xMax, box.yMax};
}

void unite(MetricsBox& total, const MetricsBox& box) {
  total.left = std::min(total.left, box.left);
  total.bottom = std::min(total.bottom, box.bottom);
  total.right = std::max(total.right, box.right);
  total.top = std::max(total.top, box.top);
}

}  // namespace

MetricsSummary summarizeMetrics(const SubsetFont& font, int master) {
  MetricsSummary s;
  const SubsetFontInfo& info = font.info();
  s.fontName = info.fontName();
  s.fullName = info.fullName();
  s.familyName = info.familyName();
  s.menuName = info.text(FontText::kMenuName);
  s.copyright = info.text(FontText::kCopyright);
  s.weight = info.weight();
  s.weightClass = weightClass(s.weight);
  s.version = info.version();
  s.notice = info.notice();
  s.uniqueId = info.uniqueId;
  s.versionMajor = info.versionMajor;
  s.versionMinor = info.versionMinor;
  s.isFixedPitch = info.isFixedPitch != 0;
  s.italicAngle = info.italicAngle;
  s.underlinePosition = info.underlinePosition;
  s.underlineThickness = info.underlineThickness;
  s.panose = info.panose;
  master = std::clamp(master, 0, font.masterCount() - 1);
  s.stemWidth = font.master(master).privateValues.stdVW;

  for (int code = 0; code < 256; ++code) {
    const std::string& name = font.encoding().glyphNames[static_cast<std::size_t>(code)];
    s.encoding[static_cast<std::size_t>(code)] = name.empty() ? placeholderName(code) : name;
  }
  std::map<std::string, int32_t, std::less<>> firstCode;
  for (int code = 255; code >= 0; --code)
    firstCode[s.encoding[static_cast<std::size_t>(code)]] = code;

  const std::vector<std::string> names = exportGlyphNames(font);
  std::vector<int32_t> recordOfSlot(static_cast<std::size_t>(font.slotCount()), -1);
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    const Glyph* source = font.glyph(slot);
    if (source == nullptr) continue;
    const Glyph glyph = flattenedGlyph(font, slot, master);
    MetricsCharacter c;
    c.slot = slot;
    c.name = names[static_cast<std::size_t>(slot)];
    if (!source->name().empty()) {
      auto found = firstCode.find(source->name());
      if (found != firstCode.end()) c.code = found->second;
    }
    c.advance = glyph.advance(0).x;
    c.box = boxOf(glyph);
    unite(s.fontBox, c.box);
    recordOfSlot[static_cast<std::size_t>(slot)] = static_cast<int32_t>(s.characters.size());
    s.characters.push_back(std::move(c));
  }
  for (MetricsCharacter& c : s.characters) {
    for (const KernPair& pair : font.glyph(c.slot)->kerning()) {
      if (pair.rightGlyph < 0 || pair.rightGlyph >= font.slotCount()) continue;
      const int32_t right = recordOfSlot[static_cast<std::size_t>(pair.rightGlyph)];
      if (right < 0) continue;
      const auto m = static_cast<std::size_t>(master);
      const int32_t value = m < pair.values.size() ? pair.values[m] : 0;
      c.kerning.push_back({right, value});
      ++s.kerningPairCount;
    }
  }

  // Vertical metrics measured on the usual reference glyphs.
  auto find = [&](const char* name) -> const MetricsCharacter* {
    for (const MetricsCharacter& c : s.characters)
      if (font.glyph(c.slot)->name() == name) return &c;
    return nullptr;
  };
  const bool anyBox = !s.characters.empty();
  const MetricsCharacter* d = find("d");
  const MetricsCharacter* p = find("p");
  const MetricsCharacter* h = find("H");
  const MetricsCharacter* x = find("x");
  s.ascender = d ? d->box.top : (anyBox ? s.fontBox.top : 0);
  s.descender = p ? p->box.bottom : (anyBox ? s.fontBox.bottom : 0);
  s.capHeight = h ? h->box.top : (anyBox ? s.fontBox.top : 0);
  s.xHeight = x ? x->box.top : 0;
  return s;
}

}  // namespace sorvella
