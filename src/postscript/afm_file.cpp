#include "postscript/afm_file.h"

#include "postscript/postscript_text.h"

namespace sorvella {

namespace {

class Lines {
 public:
  void add(const std::string& line) { text_ += line + "\r\n"; }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

std::string num(int32_t v) {
  return std::to_string(v);
}

std::string boxText(const MetricsBox& b) {
  return num(b.left) + " " + num(b.bottom) + " " + num(b.right) + " " + num(b.top);
}

}  // namespace

std::string afmText(const MetricsSummary& s) {
  Lines out;
  out.add("StartFontMetrics 2.0");
  if (!s.copyright.empty()) out.add("Comment Copyright " + singleLine(s.copyright));
  out.add("Comment UniqueID " + num(s.uniqueId));
  std::string panose = "Comment Panose";
  for (uint16_t digit : s.panose) panose += " " + num(digit);
  out.add(panose);
  if (!s.fullName.empty()) out.add("FullName " + singleLine(s.fullName));
  if (!s.fontName.empty()) out.add("FontName " + singleLine(s.fontName));
  if (!s.familyName.empty()) out.add("FamilyName " + singleLine(s.familyName));
  if (!s.weight.empty()) out.add("Weight " + singleLine(s.weight));
  out.add(std::string("IsFixedPitch ") + (s.isFixedPitch ? "true" : "false"));
  out.add("ItalicAngle " + fixedDecimals(s.italicAngle, 2));
  out.add("FontBBox " + boxText(s.fontBox));
  out.add("Ascender " + num(s.ascender));
  out.add("Descender " + num(s.descender));
  out.add("XHeight " + num(s.xHeight));
  out.add("CapHeight " + num(s.capHeight));
  out.add("UnderlinePosition " + num(s.underlinePosition));
  out.add("UnderlineThickness " + num(s.underlineThickness));
  out.add("EncodingScheme FontSpecific");
  out.add("StartCharMetrics " + num(static_cast<int32_t>(s.characters.size())));
  for (const MetricsCharacter& c : s.characters) {
    out.add("C " + num(c.code) + " ; WX " + num(c.advance) + " ; N " + c.name + " ; B " +
            boxText(c.box) + " ;");
  }
  out.add("EndCharMetrics");
  if (s.kerningPairCount >= 1) {
    out.add("StartKernData");
    out.add("StartKernPairs " + num(s.kerningPairCount));
    for (const MetricsCharacter& c : s.characters) {
      if (c.kerning.empty()) continue;
      for (const MetricsKernPair& pair : c.kerning) {
        const std::string& right = s.characters[static_cast<std::size_t>(pair.right)].name;
        out.add("KPX " + c.name + " " + right + " " + num(pair.value));
      }
      out.add("");
    }
    out.add("EndKernPairs");
    out.add("EndKernData");
  }
  out.add("EndFontMetrics");
  return out.take();
}

}  // namespace sorvella
