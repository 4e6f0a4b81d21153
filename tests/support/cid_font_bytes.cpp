#include "support/cid_font_bytes.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

#include "support/charstring_bytes.h"
#include "support/type1_bytes.h"

namespace sorvella::test {
namespace {

constexpr uint16_t kCharstringKey = 4330;
constexpr int kFormatDefaultLenIV = 4;

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Lead-in bytes and encryption as the dictionary's lenIV asks.
std::vector<uint8_t> sealed(const std::vector<uint8_t>& plain, const HandFontDict& dict) {
  const int lenIV = dict.lenIV.value_or(kFormatDefaultLenIV);
  if (lenIV < 0) return plain;
  std::vector<uint8_t> withLeadIn(static_cast<std::size_t>(lenIV), uint8_t{0x5A});
  withLeadIn.insert(withLeadIn.end(), plain.begin(), plain.end());
  return encryptType1(withLeadIn, kCharstringKey);
}

struct Layout {
  std::vector<uint32_t> subrMapOffsets;  // per dictionary
  uint32_t cidMap = 0;
  std::vector<uint8_t> data;
};

Layout layOut(const HandCidFont& font) {
  Layout layout;
  std::vector<std::vector<std::vector<uint8_t>>> subroutines;
  std::size_t mapsSize = 0;
  for (const HandFontDict& dict : font.dicts) {
    subroutines.emplace_back();
    for (const auto& s : dict.subroutines) subroutines.back().push_back(sealed(s, dict));
    if (!dict.subroutines.empty())
      mapsSize += (dict.subroutines.size() + 1) * static_cast<std::size_t>(font.sdBytes);
  }
  // SubrMaps, then every dictionary's subroutines, then the CIDMap, then the charstrings.
  std::vector<uint8_t> maps, bodies;
  for (std::size_t d = 0; d < font.dicts.size(); ++d) {
    layout.subrMapOffsets.push_back(static_cast<uint32_t>(maps.size()));
    if (subroutines[d].empty()) continue;
    uint32_t at = static_cast<uint32_t>(mapsSize + bodies.size());
    for (const auto& s : subroutines[d]) {
      appendBigEndian(maps, at, font.sdBytes);
      bodies.insert(bodies.end(), s.begin(), s.end());
      at += static_cast<uint32_t>(s.size());
    }
    appendBigEndian(maps, at, font.sdBytes);
  }
  layout.data = maps;
  layout.data.insert(layout.data.end(), bodies.begin(), bodies.end());
  layout.cidMap = static_cast<uint32_t>(layout.data.size());

  // A CID whose FD index is beyond the dictionaries is sealed as the last one's.
  static const HandFontDict kNoDict;
  std::vector<std::vector<uint8_t>> charstrings;
  for (const HandCid& cid : font.cids) {
    const std::size_t d =
        std::min<std::size_t>(static_cast<std::size_t>(cid.fd), font.dicts.size() - 1);
    const HandFontDict& dict = font.dicts.empty() ? kNoDict : font.dicts[d];
    charstrings.push_back(cid.charstring.empty() ? std::vector<uint8_t>{}
                                                 : sealed(cid.charstring, dict));
  }
  const std::size_t entry = static_cast<std::size_t>(font.fdBytes + font.gdBytes);
  uint32_t at = static_cast<uint32_t>(layout.cidMap + (font.cids.size() + 1) * entry);
  std::vector<uint8_t> map, strings;
  for (std::size_t i = 0; i <= font.cids.size(); ++i) {
    const int fd = i < font.cids.size() ? font.cids[i].fd : 0;
    appendBigEndian(map, static_cast<uint32_t>(fd), font.fdBytes);
    appendBigEndian(map, at, font.gdBytes);
    if (i < font.cids.size()) {
      strings.insert(strings.end(), charstrings[i].begin(), charstrings[i].end());
      at += static_cast<uint32_t>(charstrings[i].size());
    }
  }
  layout.data.insert(layout.data.end(), map.begin(), map.end());
  layout.data.insert(layout.data.end(), strings.begin(), strings.end());
  return layout;
}

}  // namespace

std::vector<uint8_t> charstring(std::string_view program) {
  static const std::map<std::string, std::vector<uint8_t>> kOperators = {
      {"hstem", {1}},     {"vstem", {3}},         {"vmoveto", {4}},    {"rlineto", {5}},
      {"hlineto", {6}},   {"vlineto", {7}},       {"rrcurveto", {8}},  {"closepath", {9}},
      {"callsubr", {10}}, {"return", {11}},       {"hsbw", {13}},      {"endchar", {14}},
      {"rmoveto", {21}},  {"hmoveto", {22}},      {"vhcurveto", {30}}, {"hvcurveto", {31}},
      {"seac", {12, 6}},  {"sbw", {12, 7}},       {"div", {12, 12}},   {"callothersubr", {12, 16}},
      {"pop", {12, 17}},  {"dotsection", {12, 0}}};
  std::vector<uint8_t> out;
  std::istringstream words{std::string(program)};
  std::string word;
  while (words >> word) {
    auto op = kOperators.find(word);
    if (op != kOperators.end()) {
      out.insert(out.end(), op->second.begin(), op->second.end());
    } else {
      appendCharstringNumber(out, std::stoi(word));
    }
  }
  return out;
}

std::string HandCidFont::header() const {
  const Layout layout = layOut(*this);
  std::ostringstream text;
  text << "%!PS-Adobe-3.0 Resource-CIDFont\n%%BeginResource: CIDFont (Hand)\n"
          "/CIDInit /ProcSet findresource begin\n20 dict begin\n/CIDFontName /Hand def\n"
          "/CIDFontType 0 def\n/CIDSystemInfo 3 dict dup begin\n/Registry (Adobe) def\n"
          "/Ordering (Identity) def\n/Supplement 0 def\nend def\n"
       << topKeys << "/CIDMapOffset " << layout.cidMap << " def\n/FDBytes " << fdBytes
       << " def\n/GDBytes " << gdBytes << " def\n/CIDCount " << cids.size() << " def\n/FDArray "
       << dicts.size() << " array\n";
  for (std::size_t d = 0; d < dicts.size(); ++d) {
    const HandFontDict& dict = dicts[d];
    text << "dup " << d << "\n%ADOBeginFontDict\n4 dict dup begin\n/FontName /" << dict.name
         << " def\n/FontMatrix [0.001 0 0 0.001 0 0] def\n%ADOBeginPrivateDict\n"
            "/Private 4 dict dup begin\n";
    if (dict.lenIV) text << "/lenIV " << *dict.lenIV << " def\n";
    text << "/SubrMapOffset " << layout.subrMapOffsets[d] << " def\n/SDBytes " << sdBytes
         << " def\n/SubrCount " << dict.subroutines.size()
         << " def\nend def\n%ADOEndPrivateDict\nend put\n%ADOEndFontDict\n";
  }
  text << "def\n%%BeginData: " << layout.data.size() << " Binary Bytes\n(Binary) "
       << layout.data.size() << " StartData ";
  return text.str();
}

std::vector<uint8_t> HandCidFont::data() const {
  return layOut(*this).data;
}

std::vector<uint8_t> HandCidFont::bytes() const {
  return joined({bytesOf(header()), data(), bytesOf("\n%%EndData\n%%EndResource\n%%EOF\n")});
}

std::size_t HandCidFont::cidMapOffset() const {
  return layOut(*this).cidMap;
}

std::string replacedOnce(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) throw std::invalid_argument("text to replace not found");
  return text.replace(at, from.size(), to);
}

}  // namespace sorvella::test
