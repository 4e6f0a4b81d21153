// Whole Type 1 font programs through the font-program reader: a small font made by hand in
// its three forms, and NimbusSans from fonts-urw-base35 checked against AFDKO's detype1.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "postscript/ps_font_reader.h"
#include "support/peer_tools.h"
#include "support/temp_folder.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

using test::bytesOf;
using test::encryptType1;
using test::joined;
using test::pfbEnd;
using test::pfbSegment;
using ::testing::ElementsAre;

// What a Type 1 parser sees of a font program: its tokens up to closefile, and for every
// `n RD` the n bytes after it, charstring-decrypted, under the key token before n.
struct FontWalk {
  std::vector<std::string> tokens;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> charstrings;
  bool operator==(const FontWalk&) const = default;
};

bool isDecimal(std::string_view token) {
  return !token.empty() && token.find_first_not_of("0123456789") == std::string_view::npos;
}

// Reads as the Type 1 parser will: line ends after eexec are clear text; a segmented file has
// switched decryption on by then, a plain one is switched here. Hexadecimal input is not
// decoded by block reads, so its charstrings are read byte by byte.
FontWalk walkFontProgram(PSFontReader& reader, bool hexInput = false) {
  FontWalk walk;
  std::string token;
  while (reader.nextToken(token) && walk.tokens.size() < 200000) {
    walk.tokens.push_back(token);
    const std::size_t n = walk.tokens.size();
    if (token == "eexec") {
      while (!reader.decrypting() && (reader.peekRawByte() == '\r' || reader.peekRawByte() == '\n'))
        reader.readByte();
      if (!reader.decrypting()) {
        reader.setDecrypting(true);
        reader.setHexInput(hexInput);
      }
      for (int i = 0; i < 4; ++i) reader.readByte();
    } else if ((token == "RD" || token == "-|") && n >= 3 && isDecimal(walk.tokens[n - 2])) {
      std::vector<uint8_t> data(std::stoul(walk.tokens[n - 2]));
      if (hexInput) {
        for (uint8_t& byte : data) byte = reader.readByte();
      } else {
        reader.readBlock(data);
      }
      PSFontReader::decryptCharstring(data);
      walk.charstrings.emplace_back(walk.tokens[n - 3], std::move(data));
    } else if (token == "closefile") {
      break;
    }
  }
  return walk;
}

// Charstring bytes from the lead-in on as text, with the operator names detype1 prints.
std::string disassemble(const std::vector<uint8_t>& data, std::size_t lenIV) {
  static const std::map<int, std::string> kOperators = [] {
    std::map<int, std::string> names;
    std::istringstream in(
        "1 hstem 3 vstem 4 vmoveto 5 rlineto 6 hlineto 7 vlineto 8 rrcurveto 9 closepath 10 "
        "callsubr 11 return 13 hsbw 14 endchar 21 rmoveto 22 hmoveto 30 vhcurveto 31 "
        "hvcurveto 1200 dotsection 1201 vstem3 1202 hstem3 1206 seac 1207 sbw 1212 div 1216 "
        "callother 1217 pop 1233 setcurrentpoint");
    for (int op; in >> op;) in >> names[op];
    return names;
  }();
  std::string text;
  auto append = [&text](const std::string& word) {
    if (!text.empty()) text += ' ';
    text += word;
  };
  auto byteAt = [&data](std::size_t i) { return i < data.size() ? int{data[i]} : 0; };
  for (std::size_t i = lenIV; i < data.size();) {
    const int v = data[i++];
    if (v >= 32 && v <= 246) {
      append(std::to_string(v - 139));
    } else if (v >= 247 && v <= 250) {
      append(std::to_string((v - 247) * 256 + byteAt(i++) + 108));
    } else if (v >= 251 && v <= 254) {
      append(std::to_string(-(v - 251) * 256 - byteAt(i++) - 108));
    } else if (v == 255) {
      const uint32_t u = uint32_t(byteAt(i)) << 24 | uint32_t(byteAt(i + 1)) << 16 |
                         uint32_t(byteAt(i + 2)) << 8 | uint32_t(byteAt(i + 3));
      append(std::to_string(static_cast<int32_t>(u)));
      i += 4;
    } else {
      const int op = v == 12 ? 1200 + byteAt(i++) : v;
      const auto name = kOperators.find(op);
      append(name != kOperators.end() ? name->second : "op" + std::to_string(op));
    }
  }
  return text;
}

std::vector<std::string> splitWords(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// The token after the first `key`, or "" when there is none.
std::string after(const std::vector<std::string>& tokens, std::string_view key, int distance = 1) {
  for (std::size_t i = 0; i + distance < tokens.size(); ++i)
    if (tokens[i] == key) return tokens[i + distance];
  return "";
}

class HandMadeFont : public ::testing::Test {
 protected:
  // A tiny font with two subroutines and two glyphs, encrypted as a font editor would.
  void SetUp() override {
    clear_ = "%!FontType1-1.0: Tiny 001.000\n/FontName /Tiny def\ncurrentfile eexec\r\n";
    const std::vector<uint8_t> subr0 = encryptType1(std::vector<uint8_t>{1, 2, 3, 4, 11}, 4330);
    const std::vector<uint8_t> glyphA =
        encryptType1(std::vector<uint8_t>{9, 9, 9, 9, 156, 249, 47, 13, 14}, 4330);
    const std::vector<uint8_t> glyphB = encryptType1(std::vector<uint8_t>{0, 0, 0, 0, 14}, 4330);
    const std::vector<uint8_t> priv =
        joined({bytesOf("\x7F\x7F\x7F\x7F"
                        "dup /Private 8 dict dup begin\n/RD{string currentfile "
                        "exch readstring pop}executeonly def\n/Subrs 1 array\ndup 0 5 RD "),
                subr0, bytesOf(" NP\nND\n2 index /CharStrings 2 dict dup begin\n/A 9 -| "), glyphA,
                bytesOf(" |-\n/B 5 RD "), glyphB,
                bytesOf(" ND\nend\nend\nreadonly put\nput\ndup/FontName get exch definefont "
                        "pop\nmark currentfile closefile\n")});
    cipher_ = encryptType1(priv, 55665);
    trailer_ = std::string(64, '0') + "\ncleartomark\n";
  }

  static std::vector<std::string> expectedTokens() {
    std::vector<std::string> tokens = splitWords(
        "/FontName /Tiny def currentfile eexec dup /Private 8 dict dup begin /RD { string "
        "currentfile exch readstring pop } executeonly def /Subrs 1 array dup 0 5 RD NP ND 2 "
        "index /CharStrings 2 dict dup begin /A 9 -| |- /B 5 RD ND end end readonly put put dup "
        "/FontName get exch definefont pop mark currentfile closefile");
    tokens.insert(tokens.begin(), "%!FontType1-1.0: Tiny 001.000");
    return tokens;
  }

  std::string clear_;
  std::vector<uint8_t> cipher_;
  std::string trailer_;
};

TEST_F(HandMadeFont, SegmentedFileReadsTheFontProgram) {
  PSFontReader reader(
      joined({pfbSegment(1, clear_), pfbSegment(2, cipher_), pfbSegment(1, trailer_), pfbEnd()}));
  const FontWalk walk = walkFontProgram(reader);
  EXPECT_EQ(walk.tokens, expectedTokens());
  ASSERT_EQ(walk.charstrings.size(), 3u);
  EXPECT_EQ(walk.charstrings[0].first, "0");
  EXPECT_THAT(walk.charstrings[0].second, ElementsAre(1, 2, 3, 4, 11));
  EXPECT_EQ(walk.charstrings[1].first, "/A");
  EXPECT_EQ(disassemble(walk.charstrings[1].second, 4), "17 667 hsbw endchar");
  EXPECT_EQ(walk.charstrings[2].first, "/B");
  EXPECT_EQ(disassemble(walk.charstrings[2].second, 4), "endchar");
}

TEST_F(HandMadeFont, PlainBinaryFileReadsTheSame) {
  PSFontReader segmented(
      joined({pfbSegment(1, clear_), pfbSegment(2, cipher_), pfbSegment(1, trailer_), pfbEnd()}));
  PSFontReader plain(joined({bytesOf(clear_), cipher_, bytesOf(trailer_)}));
  EXPECT_TRUE(plain.plainFile());
  EXPECT_EQ(walkFontProgram(plain), walkFontProgram(segmented));
}

TEST_F(HandMadeFont, PlainHexadecimalFileReadsTheSame) {
  PSFontReader binary(joined({bytesOf(clear_), cipher_, bytesOf(trailer_)}));
  PSFontReader hex(bytesOf(clear_ + test::hexLines(cipher_, 64) + trailer_));
  EXPECT_EQ(walkFontProgram(hex, true), walkFontProgram(binary));
  EXPECT_EQ(hex.status(), PSFontStatus::kFine);
}

// NimbusSans-Regular as a .pfb and as the package's plain .t1, against detype1's disassembly.
class NimbusSans : public ::testing::Test {
 protected:
  static constexpr const char* kPfb = "/usr/share/fonts/X11/Type1/NimbusSans-Regular.pfb";
  static constexpr const char* kT1 = "/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.t1";

  void SetUp() override {
    for (const char* needed : {kPfb, kT1, test::kDetype1})
      ASSERT_TRUE(std::filesystem::exists(needed))
          << needed << " is missing (fonts-urw-base35, afdko)";
    peer_ =
        splitWords(test::commandOutput(std::string(test::kDetype1) + " " + kPfb + " 2>/dev/null"));
    ASSERT_GT(peer_.size(), 1000u) << "detype1 gave no disassembly";
  }

  // detype1 writes each charstring as `key ## RD { ... }ND` (subroutines end in }NP).
  std::vector<std::pair<std::string, std::string>> peerCharstrings() const {
    std::vector<std::pair<std::string, std::string>> all;
    for (std::size_t i = 1; i + 2 < peer_.size(); ++i) {
      if (peer_[i] != "##" || peer_[i + 1] != "RD" || peer_[i + 2] != "{") continue;
      std::string program;
      std::size_t j = i + 3;
      for (; j < peer_.size() && peer_[j][0] != '}'; ++j)
        program += (program.empty() ? "" : " ") + peer_[j];
      all.emplace_back(peer_[i - 1], program);
      i = j;
    }
    return all;
  }

  static std::vector<uint8_t> fileBytes(const char* path) { return bytesOf(test::readFile(path)); }

  std::vector<std::string> peer_;
};

TEST_F(NimbusSans, ClearTextNamesTheFont) {
  PSFontReader reader;
  ASSERT_TRUE(reader.open(kPfb));
  EXPECT_FALSE(reader.plainFile());
  const FontWalk walk = walkFontProgram(reader);
  EXPECT_EQ(after(walk.tokens, "/FontName"), after(peer_, "/FontName"));
  EXPECT_EQ(after(walk.tokens, "/FontName"), "/NimbusSans-Regular");
  EXPECT_EQ(after(walk.tokens, "/Weight"), "(");
  EXPECT_EQ(after(walk.tokens, "/Weight", 2), "Regular");
}

TEST_F(NimbusSans, PrivatePartAnnouncesTheCountsDetype1Shows) {
  PSFontReader reader;
  ASSERT_TRUE(reader.open(kPfb));
  const FontWalk walk = walkFontProgram(reader);
  EXPECT_EQ(after(walk.tokens, "/Subrs"), after(peer_, "/Subrs"));
  EXPECT_EQ(after(walk.tokens, "/Subrs", 2), "array");
  EXPECT_EQ(after(walk.tokens, "/CharStrings"), after(peer_, "/CharStrings"));
  EXPECT_EQ(after(walk.tokens, "/CharStrings"), "855");
  // Neither shows /lenIV: the charstrings have the default four lead-in bytes.
  EXPECT_EQ(after(peer_, "/lenIV"), "");
  EXPECT_EQ(after(walk.tokens, "/lenIV"), "");
  EXPECT_EQ(walk.tokens.back(), "closefile");
}

TEST_F(NimbusSans, EveryCharstringDecryptsToDetype1sProgram) {
  PSFontReader reader;
  ASSERT_TRUE(reader.open(kPfb));
  const FontWalk walk = walkFontProgram(reader);
  const auto peer = peerCharstrings();
  ASSERT_EQ(walk.charstrings.size(), peer.size());
  ASSERT_EQ(peer.size(), 5u + 855u);
  // Five subroutines come first, then the first glyph.
  EXPECT_EQ(walk.charstrings[5].first, "/A");
  EXPECT_EQ(disassemble(walk.charstrings[5].second, reader.lenIV()).substr(0, 40),
            "17 667 hsbw 0 20 hstem 219 78 hstem 709 ");
  for (std::size_t i = 0; i < peer.size(); ++i) {
    EXPECT_EQ(walk.charstrings[i].first, peer[i].first) << i;
    EXPECT_EQ(disassemble(walk.charstrings[i].second, 4), peer[i].second) << peer[i].first;
  }
}

TEST_F(NimbusSans, PlainFileOfThePackageReadsLikeThePfb) {
  PSFontReader segmented;
  PSFontReader plain;
  ASSERT_TRUE(segmented.open(kPfb));
  ASSERT_TRUE(plain.open(kT1));
  EXPECT_TRUE(plain.plainFile());
  const FontWalk fromPfb = walkFontProgram(segmented);
  EXPECT_EQ(walkFontProgram(plain), fromPfb);
  EXPECT_EQ(fromPfb.charstrings.size(), 860u);
}

TEST_F(NimbusSans, HexadecimalFormReadsLikeTheBinaryOne) {
  // The .t1 with its encrypted part written as hexadecimal digits, 64 to a line.
  const std::vector<uint8_t> t1 = fileBytes(kT1);
  const std::string text(t1.begin(), t1.end());
  std::size_t start = text.find("eexec");
  ASSERT_NE(start, std::string::npos);
  start += 5;
  while (text[start] == '\r' || text[start] == '\n') ++start;
  const std::vector<uint8_t> cipher(t1.begin() + static_cast<std::ptrdiff_t>(start), t1.end());
  PSFontReader hex(bytesOf(text.substr(0, start) + "\n" + test::hexLines(cipher, 64)));
  PSFontReader binary(t1);
  const FontWalk fromHex = walkFontProgram(hex, true);
  EXPECT_EQ(fromHex, walkFontProgram(binary));
  EXPECT_EQ(fromHex.charstrings.size(), 860u);
  EXPECT_EQ(hex.status(), PSFontStatus::kFine);
}

TEST_F(NimbusSans, ProgressFollowsTheWholeRead) {
  PSFontReader reader;
  ASSERT_TRUE(reader.open(kPfb));
  std::vector<int64_t> positions;
  int64_t range = -1;
  reader.setProgressCallback([&](int kind, int64_t a, int64_t b) {
    if (kind == kProgressRange) range = b;
    if (kind == kProgressPosition) positions.push_back(a);
    return 0;
  });
  walkFontProgram(reader);
  EXPECT_EQ(range, static_cast<int64_t>(std::filesystem::file_size(kPfb)));
  ASSERT_GT(positions.size(), 10u);
  for (std::size_t i = 1; i < positions.size(); ++i) {
    EXPECT_GT(positions[i] / 1024, positions[i - 1] / 1024);
    EXPECT_LT(positions[i], range);
  }
}

}  // namespace
}  // namespace sorvella
