#include "platform/ini_document.h"

#include <algorithm>

#include "base/text_trim.h"

namespace sorvella {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return asciiLower(x) == asciiLower(y);
         });
}

bool breaksLine(char c) {
  return c == '\r' || c == '\n';
}

// A name with blanks at either end could be written but never found again, since names are
// compared after trimming; the other characters would change how the line parses.
bool storableName(std::string_view name) {
  return !name.empty() && !isAsciiSpace(name.front()) && !isAsciiSpace(name.back()) &&
         std::none_of(name.begin(), name.end(), breaksLine);
}

bool storableSection(std::string_view section) {
  return storableName(section) && section.find(']') == std::string_view::npos;
}

bool storableKey(std::string_view key) {
  return storableName(key) && key.find('=') == std::string_view::npos && key.front() != '[' &&
         key.front() != ';';
}

bool storableValue(std::string_view value) {
  return std::none_of(value.begin(), value.end(), breaksLine);
}

}  // namespace

IniDocument::Line IniDocument::parseLine(std::string text) {
  Line line;
  std::string_view body = trimAsciiSpace(text);
  if (!body.empty() && body.front() == '[') {
    std::size_t close = body.find(']');
    if (close != std::string_view::npos) {
      line.kind = LineKind::kSection;
      line.name = trimAsciiSpace(body.substr(1, close - 1));
    }
  } else if (!body.empty() && body.front() != ';') {
    std::size_t equals = body.find('=');
    if (equals != std::string_view::npos) {
      std::string_view name = trimAsciiSpace(body.substr(0, equals));
      if (!name.empty()) {
        line.kind = LineKind::kKey;
        line.name = name;
      }
    }
  }
  line.text = std::move(text);
  return line;
}

IniDocument IniDocument::parse(std::string_view text) {
  IniDocument document;
  if (text.starts_with(kByteOrderMark)) {
    document.byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    document.lines_.push_back(parseLine(std::string(line)));
  }
  return document;
}

std::optional<IniDocument::SectionRange> IniDocument::findSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind != LineKind::kSection || !equalsIgnoringCase(lines_[i].name, section)) {
      continue;
    }
    std::size_t end = i + 1;
    while (end < lines_.size() && lines_[end].kind != LineKind::kSection) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key) const {
  std::optional<SectionRange> range = findSection(section);
  if (!range) return std::nullopt;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    const Line& line = lines_[i];
    if (line.kind == LineKind::kKey && equalsIgnoringCase(line.name, key)) {
      return line.text.substr(line.text.find('=') + 1);
    }
  }
  return std::nullopt;
}

bool IniDocument::set(std::string_view section, std::span<const ProfileEntry> entries) {
  if (!storableSection(section)) return false;
  for (const ProfileEntry& entry : entries) {
    if (!storableKey(entry.key) || !storableValue(entry.value)) return false;
  }
  for (const ProfileEntry& entry : entries) setOne(section, entry);
  return true;
}

void IniDocument::setOne(std::string_view section, const ProfileEntry& entry) {
  std::optional<SectionRange> range = findSection(section);
  if (!range) {
    if (!lines_.empty() && !trimAsciiSpace(lines_.back().text).empty()) lines_.push_back(Line{});
    lines_.push_back(parseLine("[" + std::string(section) + "]"));
    lines_.push_back(parseLine(entry.key + "=" + entry.value));
    return;
  }
  // A new key goes after the section's last key, so that blank lines and comments that lead
  // into the next section stay in front of it.
  std::size_t insertAt = range->header + 1;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    Line& line = lines_[i];
    if (line.kind != LineKind::kKey) continue;
    if (equalsIgnoringCase(line.name, entry.key)) {
      // The file's own spelling of the key is kept.
      line = parseLine(line.name + "=" + entry.value);
      return;
    }
    insertAt = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                parseLine(entry.key + "=" + entry.value));
}

std::string IniDocument::text() const {
  std::string out;
  if (byteOrderMark_) out += kByteOrderMark;
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

}  // namespace sorvella
