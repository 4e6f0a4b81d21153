#include "cidfont/font_info_fields.h"

#include <cstdlib>

#include "cidfont/cid_font_messages.h"

namespace sorvella {

namespace {

// As "%i" reads a field: leading blanks, a sign and digits; 0 when there are none.
int32_t fieldInteger(const std::string& text) {
  return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

FontInfoFields fontInfoFields(const CidFontInfo& info) {
  FontInfoFields f;
  f.fontName = info.fontName();
  f.fullName = info.fullName();
  f.uidBase = std::to_string(info.uidBase);
  for (int32_t n : info.xuid()) {
    if (!f.xuid.empty()) f.xuid += ' ';
    f.xuid += std::to_string(static_cast<uint32_t>(n));
  }
  f.registry = info.registry();
  f.ordering = info.ordering();
  f.supplement = std::to_string(info.supplement);
  f.notice = info.notice();
  return f;
}

void applyFontInfoFields(const FontInfoFields& fields, CidFontInfo& info) {
  info.setFontName(filteredFontName(fields.fontName));
  info.setFullName(fields.fullName);
  info.setRegistry(fields.registry);
  info.setOrdering(fields.ordering);
  info.setNotice(fields.notice);
  info.uidBase = fieldInteger(fields.uidBase);
  info.supplement = fieldInteger(fields.supplement);
  std::vector<int32_t> xuid = parseXuidField(fields.xuid);
  info.setXuid(xuid);
}

std::string filteredFontName(std::string_view text) {
  std::string name;
  for (char c : text)
    if (static_cast<signed char>(c) > 32) name += c;
  return name;
}

std::vector<int32_t> parseXuidField(std::string_view text) {
  std::vector<int32_t> numbers;
  std::size_t i = 0;
  while (i < text.size() && numbers.size() < CidFontInfo::kMaxXuid) {
    std::size_t end = text.find_first_of(" ,;", i);
    if (end == std::string_view::npos) end = text.size();
    if (end > i) {
      // "%u" wraps negative and large numbers into 32 bits; a word without digits reads as 0.
      std::string word(text.substr(i, end - i));
      unsigned long value = std::strtoul(word.c_str(), nullptr, 10);
      numbers.push_back(static_cast<int32_t>(static_cast<uint32_t>(value)));
    }
    i = end + 1;
  }
  return numbers;
}

std::string fontInfoLegend(const CCidFont* font) {
  return font ? summaryText(*font) : cid_font_text::kNoFontMainPage;
}

}  // namespace sorvella
