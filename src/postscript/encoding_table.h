// A code-to-name table of 256 glyph names, one per character code, with the reverse lookup
// that finds the code of a glyph name.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "glyph/placeholder_name.h"

namespace sorvella {

class EncodingTable {
 public:
  static constexpr int kSize = 256;

  // Every code holds its placeholder name.
  EncodingTable();

  static std::string placeholderName(int code);

  // Empties the table: every code gets its placeholder name again.
  void reset();

  // Gives `code` the name unless the code is outside 0..255, the name is empty or the name
  // already stands anywhere in the table (placeholders included), so that the first code
  // given a name keeps it. True when the name was stored.
  bool assign(int code, std::string_view name);

  // The name at a code in 0..255.
  const std::string& name(int code) const { return names_[static_cast<std::size_t>(code)]; }
  // True when the code still carries its own placeholder name.
  bool isPlaceholder(int code) const;
  // The code that carries the name, or -1.
  int codeOf(std::string_view name) const;

  const std::array<std::string, kSize>& names() const { return names_; }

  friend bool operator==(const EncodingTable& a, const EncodingTable& b) {
    return a.names_ == b.names_;
  }

 private:
  std::array<std::string, kSize> names_;
  // Names are unique, so the reverse lookup is a plain map.
  std::map<std::string, int, std::less<>> codes_;
};

}  // namespace sorvella
