#include "postscript/inf_file.h"

#include "postscript/postscript_text.h"

namespace sorvella {

namespace {

// Weight class 11 is "DemiBold"; it and every class after it count as bold.
constexpr int kFirstBoldWeightClass = 11;

std::string inParentheses(const std::string& key, const std::string& text) {
  return key + " (" + singleLine(text) + ")\r\n";
}

std::string trueOrFalse(bool v) {
  return v ? "true" : "false";
}

}  // namespace

std::string infText(const MetricsSummary& s) {
  std::string out;
  if (!s.fontName.empty()) out += inParentheses("FontName", s.fontName);
  if (!s.fullName.empty()) out += inParentheses("FullName", s.fullName);
  if (!s.fontName.empty()) out += inParentheses("ApplName", s.fontName);
  if (!s.familyName.empty()) out += inParentheses("FamilyName", s.familyName);
  if (!s.version.empty()) out += inParentheses("Version", s.version);
  out += "isFixedPitch " + trueOrFalse(s.isFixedPitch) + "\r\n";
  out += "CharacterSet (custom)\r\n";
  out += "Encoding (SpecificEncoding)\r\n";
  out += "ItalicAngle " + (s.italicAngle == 0 ? std::string("0") : generalNumber(s.italicAngle)) +
         "\r\n";
  out += "CapHeight " + std::to_string(s.capHeight) + "\r\n";
  out += "UnderlinePosition " + std::to_string(s.underlinePosition) + "\r\n";
  out += "UnderlineThickness " + std::to_string(s.underlineThickness) + "\r\n";
  out += "StemWidth " + std::to_string(s.stemWidth) + "\r\n";
  const uint16_t serifStyle = s.panose[2];
  out += "Serif " + trueOrFalse(serifStyle >= 2 && serifStyle <= 10) + "\r\n";
  out += "Pi true\r\n";
  const std::string& menu =
      !s.menuName.empty() ? s.menuName : (!s.fullName.empty() ? s.fullName : s.fontName);
  if (!menu.empty()) {
    out += inParentheses("MSMenuName", menu);
    out += inParentheses("VPMenuName", menu);
    out += inParentheses("WORDMenuName", menu);
  }
  const bool bold = s.weightClass >= kFirstBoldWeightClass;
  const bool italic = s.italicAngle != 0;
  const char* style = bold ? (italic ? "T" : "B") : (italic ? "I" : "N");
  out += std::string("VPStyle (") + style + ")\r\n";
  return out;
}

}  // namespace sorvella
