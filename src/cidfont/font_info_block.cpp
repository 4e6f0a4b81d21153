#include "cidfont/font_info_block.h"

#include "base/text_format.h"
#include "postscript/keyword_table.h"

namespace sorvella {

namespace {

constexpr const char* kCrLf = "\r\n";

void textLine(std::string& out, const char* key, const std::string& value) {
  if (value.empty()) return;
  out += key;
  out += ' ';
  out += value;
  out += kCrLf;
}

void numberLine(std::string& out, const char* key, int32_t value) {
  out += formatText("%s %i\r\n", key, value);
}

// The rest of the line with its leading bytes 1..32 skipped.
std::string_view textValue(IndexTextReader& in) {
  std::string_view rest = in.restOfLine();
  while (!rest.empty() && rest.front() >= 1 && rest.front() <= 32) rest.remove_prefix(1);
  return rest;
}

bool readBaseFonts(CCidFont& font, IndexTextReader& in, bool store) {
  auto count = in.integer();
  if (!count) return false;
  std::vector<SubsetFontEntry> fonts = font.subsetFonts();
  for (int32_t n = 0; n < *count; ++n) {
    auto word = in.word();
    if (!word) return false;
    if (indexKeywordNumber(*word) != kKwBaseFont) {
      in.unread();  // the list ended early; the word is the block's again
      break;
    }
    auto number = in.integer();
    auto name = in.word();
    auto stem = in.word();
    auto characters = number && name && stem ? in.integer() : std::nullopt;
    auto locked = characters ? in.integer() : std::nullopt;
    if (!locked) return false;
    if (!store || *number < 1 || *number > CCidFont::kMaxSubsetFonts) continue;
    std::size_t at = static_cast<std::size_t>(*number - 1);
    if (fonts.size() <= at) fonts.resize(at + 1);
    SubsetFontEntry& e = fonts[at];
    e.setName(*name);
    e.setFileStem(*stem);
    e.characterCount = *characters;
    e.locked = *locked != 0 ? 1 : 0;
  }
  if (store) font.setSubsetFonts(std::move(fonts));
  return true;
}

}  // namespace

void WriteFontInfo(const CCidFont& font, std::string& out) {
  const CidFontInfo& info = font.info();
  out += "BeginFontInfo\r\n\r\n";
  textLine(out, "FontName", info.fontName());
  textLine(out, "FullName", info.fullName());
  textLine(out, "Notice", info.notice());
  numberLine(out, "Version", info.version);
  textLine(out, "Registry", info.registry());
  textLine(out, "Ordering", info.ordering());
  numberLine(out, "Supplement", info.supplement);
  numberLine(out, "UIDBase", info.uidBase);
  if (!info.xuid().empty()) {
    out += formatText("XUID %i", static_cast<int>(info.xuid().size()));
    for (int32_t v : info.xuid()) out += formatText(" %i", v);
    out += kCrLf;
  }
  numberLine(out, "BeginBaseFonts", font.subsetFontCount());
  for (int32_t f = 0; f < font.subsetFontCount(); ++f) {
    const SubsetFontEntry& e = font.subsetFont(f);
    out += formatText("BaseFont %i %s %s %i %i\r\n", f + 1,
                      e.name().empty() ? kUntitledFontName : e.name().c_str(),
                      e.fileStem().empty() ? kUnknownFileStem : e.fileStem().c_str(),
                      e.characterCount, e.locked);
  }
  out += "EndBaseFonts\r\n";
  numberLine(out, "TotalCharacters", font.characterCount());
  out += "\r\nEndFontInfo\r\n";
}

bool ReadFontInfo(CCidFont& font, IndexTextReader& in, bool store) {
  CidFontInfo& info = font.info();
  while (auto word = in.word()) {
    switch (indexKeywordNumber(*word)) {
      case kKwFontName: info.setFontName(textValue(in)); break;
      case kKwFullName: info.setFullName(textValue(in)); break;
      case kKwNotice: info.setNotice(textValue(in)); break;
      case kKwRegistry: info.setRegistry(textValue(in)); break;
      case kKwOrdering: info.setOrdering(textValue(in)); break;
      case kKwVersion:
        if (auto v = in.integer()) info.version = *v;
        break;
      case kKwSupplement:
        if (auto v = in.integer()) info.supplement = *v;
        break;
      case kKwUIDBase:
        if (auto v = in.integer()) info.uidBase = *v;
        break;
      case kKwXUID: {
        auto count = in.integer();
        std::vector<int32_t> numbers;
        for (int32_t k = 0; count && k < *count && !in.failed(); ++k)
          if (auto v = in.integer()) numbers.push_back(*v);
        info.setXuid(numbers);  // keeps the first 20
        break;
      }
      case kKwBeginBaseFonts:
        if (!readBaseFonts(font, in, store)) return false;
        break;
      case kKwTotalCharacters: in.restOfLine(); break;
      case kKwEndFontInfo: return true;
      default: break;
    }
    if (in.failed()) return false;
  }
  return false;
}

}  // namespace sorvella
