// The text of an INI file held line by line, so that values can be looked up and changed
// while every other line (comments, blank lines, unknown keys) is written back unchanged.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace sorvella {

class IniDocument {
 public:
  // Accepts LF and CR LF line ends. Nothing is rejected: lines that are neither a section
  // header, a key line nor a comment are kept but never match a lookup.
  static IniDocument parse(std::string_view text);

  // The raw text after the first equals sign of the key's line.
  std::optional<std::string> find(std::string_view section, std::string_view key) const;

  // Applies every entry, or none of them when one of the names or values cannot be stored.
  bool set(std::string_view section, std::span<const ProfileEntry> entries);

  // Every line ends with CR LF.
  std::string text() const;

 private:
  enum class LineKind { kOther, kSection, kKey };
  struct Line {
    std::string text;
    LineKind kind = LineKind::kOther;
    std::string name;  // section or key name, blanks trimmed
  };
  struct SectionRange {
    std::size_t header;
    std::size_t end;  // one past its last line
  };

  static Line parseLine(std::string text);
  std::optional<SectionRange> findSection(std::string_view section) const;
  void setOne(std::string_view section, const ProfileEntry& entry);

  std::vector<Line> lines_;
  bool byteOrderMark_ = false;
};

}  // namespace sorvella
