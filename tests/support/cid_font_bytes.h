// CIDFont resources made by hand for tests: a clear-text header and a data section laid out
// as the published CIDFont format says (SubrMaps, subroutines, CIDMap, charstrings).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvella::test {

// Type 1 charstring bytes from text such as "0 500 hsbw 100 0 rmoveto endchar".
std::vector<uint8_t> charstring(std::string_view program);

struct HandFontDict {
  std::string name;
  std::optional<int> lenIV;  // none: no /lenIV key, and 4 lead-in bytes as the format's default
  std::vector<std::vector<uint8_t>> subroutines;  // plain charstring bytes
};

struct HandCid {
  int fd = 0;
  std::vector<uint8_t> charstring;  // plain; empty: the CID has no glyph
};

struct HandCidFont {
  int fdBytes = 1;
  int gdBytes = 2;
  int sdBytes = 1;
  std::vector<HandFontDict> dicts;
  std::vector<HandCid> cids;  // CID i is cids[i]
  std::string topKeys;        // more header text before /CIDMapOffset

  // Up to and including "StartData "; keys state the true layout of data().
  std::string header() const;
  std::vector<uint8_t> data() const;
  // header() + data() + the closing comments.
  std::vector<uint8_t> bytes() const;
  std::size_t cidMapOffset() const;  // in data()
};

// Replaces the first `from` in `text` (which must hold it) by `to`.
std::string replacedOnce(std::string text, std::string_view from, std::string_view to);

}  // namespace sorvella::test
