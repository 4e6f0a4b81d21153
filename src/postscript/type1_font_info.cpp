#include "postscript/type1_font_info.h"

#include <algorithm>
#include <cctype>

#include "postscript/keyword_table.h"

namespace sorvella {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// Reads decimal digits at `at` as an unsigned number, saturating.
uint32_t readNumber(std::string_view text, std::size_t at) {
  uint64_t value = 0;
  while (at < text.size() && isDigit(text[at])) {
    value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(text[at] - '0'), UINT32_MAX);
    ++at;
  }
  return static_cast<uint32_t>(value);
}

std::string_view between(std::string_view text, std::string_view mark) {
  std::size_t first = text.find(mark);
  if (first == std::string_view::npos) return {};
  std::string_view rest = text.substr(first + mark.size());
  std::size_t second = rest.find(mark);
  return second == std::string_view::npos ? rest : rest.substr(0, second);
}

}  // namespace

NoticeFacts parseNotice(std::string_view notice) {
  NoticeFacts facts;
  std::string text(notice.substr(0, std::min<std::size_t>(notice.size(), 511)));
  std::size_t reserved = lowerAscii(text).find("all rights reserved");
  if (reserved != std::string::npos) text.resize(reserved);

  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isDigit(text[i])) continue;
    facts.year = readNumber(text, i);
    while (i < text.size() && (isDigit(text[i]) || text[i] == ',')) text[i++] = ' ';
    --i;
  }

  std::string_view vendor = text;
  if (text.find("(c)") != std::string::npos) {
    vendor = between(text, "(c)");
  } else if (text.find('\xA9') != std::string::npos) {
    vendor = between(text, "\xA9");
  }
  std::size_t copyright = vendor.find("Copyright");
  if (copyright != std::string_view::npos) vendor.remove_prefix(copyright + 9);

  // Letters start the name: bytes from 128 up count as below "A".
  while (!vendor.empty() && (vendor.front() < 'A' || static_cast<unsigned char>(vendor.front()) >= 128))
    vendor.remove_prefix(1);
  std::string clean;
  for (char c : vendor)
    if (c != ' ' || clean.empty() || clean.back() != ' ') clean += c;
  while (!clean.empty() && (clean.back() == ' ' || clean.back() == '.')) clean.pop_back();

  std::string lower = lowerAscii(clean);
  for (std::string_view ending : {"intl.", "corp.", "plc.", "ltd.", "inc.", "int."}) {
    std::size_t at = lower.find(ending);
    if (at != std::string::npos) {
      clean.resize(at + ending.size() - 1);
      break;
    }
  }
  facts.vendor = clean;
  return facts;
}

int weightClass(std::string_view weight) {
  for (std::size_t i = 0; i < kWeightNames.size(); ++i)
    if (equalsIgnoringAsciiCase(weight, kWeightNames[i])) return static_cast<int>(i);
  return -1;
}

std::optional<VersionNumbers> parseVersion(std::string_view version) {
  std::size_t at = 0;
  while (at < version.size() && !isDigit(version[at])) ++at;
  if (at == version.size()) return std::nullopt;
  VersionNumbers v;
  v.major = static_cast<uint16_t>(readNumber(version, at));
  while (at < version.size() && isDigit(version[at])) ++at;
  if (at + 1 < version.size() && version[at] == '.' && isDigit(version[at + 1]))
    v.minor = static_cast<uint16_t>(readNumber(version, at + 1));
  return v;
}

}  // namespace sorvella
