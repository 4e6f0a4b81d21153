// The header of CIDFont resources: every key into the CID font or its font dictionaries,
// the end at StartData, the limits of the FDArray, and encrypted sections.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <optional>
#include <string>

#include "postscript/cid_keyed_font_reader.h"
#include "support/cid_font_bytes.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

using test::bytesOf;
using test::encryptType1;
using test::hexLines;
using test::joined;
using test::replacedOnce;

constexpr uint16_t kEexecKey = 55665;

class CidHeader : public ::testing::Test {
 protected:
  std::unique_ptr<CidFontInfo> parse(const std::vector<uint8_t>& bytes) {
    reader_ = std::make_unique<CidKeyedFontReader>(bytes);
    std::optional<CidFontInfo> info = reader_->parseHeader({});
    return info ? std::make_unique<CidFontInfo>(std::move(*info)) : nullptr;
  }
  std::unique_ptr<CidFontInfo> parse(const std::string& text) { return parse(bytesOf(text)); }
  const SubsetFont& dict(int fd) const {
    const SubsetFont* info = reader_->fontDictInfo(fd);
    EXPECT_NE(info, nullptr) << "no information for font dictionary " << fd;
    static const SubsetFont kNone;
    return info ? *info : kNone;
  }

  std::unique_ptr<CidKeyedFontReader> reader_;
};

// Two font dictionaries: the first in the layout of Adobe's own CIDFonts ("currentdict end"
// before %ADOEndFontDict, "put" after it), the second as AFDKO writes ("end put" first).
const std::string kFullHeader = R"(%!PS-Adobe-3.0 Resource-CIDFont
/CIDFontName /Sample-Light def
/CIDFontVersion 2.003 def
/CIDSystemInfo 3 dict dup begin
  /Registry (Adobe) def
  /Ordering (Japan1) def
  /Supplement 4 def
end def
/FontBBox {-100 -200 1100 900} def
/UIDBase 4001234 def
/XUID [1 11 4001234] def
/FontInfo 2 dict dup begin
  /Notice (Top (nested) notice) def
  /FullName (Sample Light) def
end def
/lenIV 1 def
/SubrCount 9 def
/CIDMapOffset 12 def
/FDBytes 1 def
/GDBytes 3 def
/CIDCount 8720 def
/FDArray 2 array
dup 0
%ADOBeginFontDict
16 dict begin
  /FontName /Sample-Light-Kana def
  /FontMatrix [0.001 0 0.0002 0.001 0 0] def
  /FontInfo 3 dict dup begin
    /Notice (Kana notice) def
    /FullName (Kana full) def
    /version (001.002) def
  end def
  %ADOBeginPrivateDict
  /Private 24 dict dup begin
    /BlueValues [-250 -250 1100 1100] def
    /ForceBold true def
    /UniqueID 55 def
    /MinFeature {16 16} def
    /OtherSubrs [{} {} {} {systemdict /internaldict known not {pop 3} {1183615869} ifelse}] def
    /lenIV 0 def
    /SubrMapOffset 100 def
    /SDBytes 2 def
    /SubrCount 3 def
  end def
  %ADOEndPrivateDict
  currentdict end
%ADOEndFontDict
put
dup 1
%ADOBeginFontDict
5 dict dup begin
/FontName /Sample-Light-Latin def
/FontMatrix [0.002 0 0 0.002 0 0] def
%ADOBeginPrivateDict
/Private 6 dict dup begin
/BlueValues [-20 0] def
/SubrMapOffset 106 def
/SDBytes 1 def
/SubrCount 4 def
end def
%ADOEndPrivateDict
end put
%ADOEndFontDict
def
%%BeginData: 12345 Binary Bytes
(Binary) 12000 StartData )";

TEST_F(CidHeader, KeysGoIntoTheCidFontTheReaderAndEachDictionary) {
  std::unique_ptr<CidFontInfo> font = parse(kFullHeader + "\x01\x02");
  ASSERT_NE(font, nullptr) << "status " << statusNumber(reader_->status());
  const CidFontInfo& info = *font;
  EXPECT_EQ(info.fontName(), "Sample-Light");
  EXPECT_EQ(info.registry(), "Adobe");
  EXPECT_EQ(info.ordering(), "Japan1");
  EXPECT_EQ(info.supplement, 4);
  EXPECT_EQ(info.version, 2);
  EXPECT_EQ(info.uidBase, 4001234);
  EXPECT_EQ(info.xuid(), (std::vector<int32_t>{1, 11, 4001234}));
  EXPECT_EQ(info.notice(), "Top (nested) notice");
  EXPECT_EQ(info.fullName(), "Sample Light");
  // StartData leaves the reader at the first data byte. The data section's keys are checked by
  // splitting hand-made fonts.
  EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
  EXPECT_EQ(reader_->source().position(), kFullHeader.size());
  EXPECT_EQ(reader_->fdCount(), 2);
  // The top level's /lenIV 1 and /SubrCount 9 are ignored. AFDKO's mergefonts writes no
  // /lenIV, and its charstrings carry the format's 4 lead-in bytes.
  const auto& kanaValues = reader_->fontDictValues(0);
  const auto& latinValues = reader_->fontDictValues(1);
  EXPECT_EQ((std::vector<int>{kanaValues.subrMapOffset, kanaValues.sdBytes, kanaValues.subrCount,
                              kanaValues.lenIV, latinValues.subrMapOffset, latinValues.sdBytes,
                              latinValues.subrCount, latinValues.lenIV}),
            (std::vector<int>{100, 2, 3, 0, 106, 1, 4, 4}));
  const SubsetFont& kana = dict(0);
  EXPECT_EQ(kana.info().fontName(), "Sample-Light-Kana");
  EXPECT_EQ(kana.info().text(FontText::kCopyright), "Kana notice");
  EXPECT_EQ(kana.info().fullName(), "Kana full");
  EXPECT_EQ(kana.info().version(), "001.002");
  EXPECT_EQ(kana.info().uniqueId, 55);
  EXPECT_EQ(kana.master(0).privateValues.fontMatrix,
            (std::array<double, 6>{0.001, 0, 0.0002, 0.001, 0, 0}));
  const SubsetFont& latin = dict(1);
  EXPECT_EQ(latin.info().fontName(), "Sample-Light-Latin");
  EXPECT_EQ(latin.master(0).privateValues.fontMatrix,
            (std::array<double, 6>{0.002, 0, 0, 0.002, 0, 0}));
  // The shared Private keys are read as the Type 1 reader reads them, into their dictionary.
  EXPECT_EQ(kana.info().zoneCounts.blueValues, 4);
  EXPECT_EQ(kana.master(0).privateValues.blueValues[2], 1100);
  EXPECT_EQ(kana.master(0).privateValues.forceBold, 1);
  EXPECT_EQ(latin.info().zoneCounts.blueValues, 2);
  EXPECT_EQ(latin.master(0).privateValues.forceBold, 0);
}

// Edits of the full header and what they do: braces hide keys and %%EOF, which ends the header
// elsewhere; the FDArray holds at most fifty dictionaries and no more than it announces.
TEST_F(CidHeader, EditsOfTheHeader) {
  const std::string cut = kFullHeader.substr(0, kFullHeader.find("%%BeginData"));
  const struct {
    std::string text;
    bool parsed;
    PSFontStatus status;  // when not parsed; kFine: any
  } cases[] = {
      {replacedOnce(kFullHeader, "/UIDBase", "{\n%%EOF\n} pop\n/UIDBase"), true,
       PSFontStatus::kFine},
      {replacedOnce(kFullHeader, "/UIDBase",
                    "/Proc { /CIDCount 3 def /UIDBase 7 def } def\n/UIDBase"),
       true, PSFontStatus::kFine},
      {cut + "%%EOF\n(Binary) 12000 StartData ", false, PSFontStatus::kFine},
      {kFullHeader.substr(0, 40), false, PSFontStatus::kFine},
      {kFullHeader.substr(0, kFullHeader.size() / 2), false, PSFontStatus::kFine},
      {kFullHeader.substr(0, kFullHeader.size() - 12), false, PSFontStatus::kFine},
      {replacedOnce(kFullHeader, "/FDArray 2 array", "/FDArray 1 array"), false,
       PSFontStatus::kTooManyFontDicts},
      {replacedOnce(kFullHeader, "/FDArray 2 array", "/FDArray 51 array"), false,
       PSFontStatus::kTooManyFontDicts},
      {replacedOnce(kFullHeader, "/FDArray 2 array", "/FDArray 2000000000 array"), false,
       PSFontStatus::kTooManyFontDicts},
      {replacedOnce(kFullHeader, "/FDArray 2 array", "/FDArray -1 array"), false,
       PSFontStatus::kTooManyFontDicts},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(c.text.size() > 60 ? c.text.size() - 60 : 0));
    std::unique_ptr<CidFontInfo> font = parse(c.text);
    ASSERT_EQ(font != nullptr, c.parsed) << "status " << statusNumber(reader_->status());
    if (font) {
      EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
      EXPECT_EQ(font->uidBase, 4001234);
      EXPECT_EQ(reader_->cidCount(), 8720);
    } else {
      EXPECT_NE(reader_->status(), PSFontStatus::kFinished);
      EXPECT_EQ(reader_->fontDictInfo(0), nullptr);
      if (c.status != PSFontStatus::kFine) {
        EXPECT_EQ(reader_->status(), c.status);
      }
    }
  }
}

TEST_F(CidHeader, FiftyDictionariesAreRead) {
  std::string text = "/CIDFontName /Many def\n/FDArray 50 array\n";
  for (int fd = 0; fd < 50; ++fd)
    text += "dup " + std::to_string(fd) + "\n%ADOBeginFontDict\n/FontName /D" + std::to_string(fd) +
            " def\n/SubrCount " + std::to_string(fd) + " def\nend put\n%ADOEndFontDict\n";
  ASSERT_NE(parse(text + "def\n(Binary) 0 StartData "), nullptr);
  EXPECT_EQ(dict(49).info().fontName(), "D49");
  EXPECT_EQ(reader_->fontDictValues(49).subrCount, 49);
}

// A header whose first dictionary's keys are wrapped in an encrypted section.
class CidHeaderEncrypted : public CidHeader {
 protected:
  static constexpr const char* kBefore =
      "/CIDFontName /Wrapped def\n/CIDCount 3 def\n/FDArray 2 array\ndup 0\n%ADOBeginFontDict\n"
      "currentfile eexec\n";
  static constexpr const char* kAfter =
      "%ADOEndFontDict\nput\ndup 1\n%ADOBeginFontDict\n/FontName /Clear def\n"
      "%ADOEndFontDict\nput\ndef\n(Binary) 0 StartData ";
  static constexpr const char* kSecret =
      "/FontName /Secret def\n/lenIV 1 def\n/SubrCount 2 def\ncurrentfile closefile\n";

  // Four lead-in bytes, then the text, under the eexec key.
  static std::vector<uint8_t> cipherOf(const std::string& text) {
    return encryptType1(bytesOf("Lz9q" + text), kEexecKey);
  }

  void expectBothDictionaries() {
    EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
    EXPECT_EQ(dict(0).info().fontName(), "Secret");
    EXPECT_EQ(reader_->fontDictValues(0).lenIV, 1);
    EXPECT_EQ(reader_->fontDictValues(0).subrCount, 2);
    EXPECT_EQ(dict(1).info().fontName(), "Clear");
  }
};

TEST_F(CidHeaderEncrypted, BinaryOrHexadecimalSectionIsReadDecryptedUntilClosefile) {
  const std::vector<uint8_t> cipher = cipherOf(kSecret);
  ASSERT_FALSE(std::isxdigit(cipher[0]) && std::isxdigit(cipher[1]) && std::isxdigit(cipher[2]) &&
               std::isxdigit(cipher[3]))
      << "the cipher text would pass for hexadecimal digits";
  ASSERT_GT(cipher[0], ' ');
  ASSERT_NE(parse(joined({bytesOf(kBefore), cipher, bytesOf(kAfter)})), nullptr);
  expectBothDictionaries();
  ASSERT_NE(parse(kBefore + hexLines(cipher, 64) + "\n" + kAfter), nullptr);
  expectBothDictionaries();
}

TEST_F(CidHeaderEncrypted, AdbeMarkLeavesTheRestOfTheLineAndWhatFollowsInClearText) {
  const std::vector<uint8_t> mark = encryptType1(bytesOf("adbe"), kEexecKey);
  ASSERT_FALSE(std::isxdigit(mark[0]) && std::isxdigit(mark[1]) && std::isxdigit(mark[2]) &&
               std::isxdigit(mark[3]));
  ASSERT_GT(mark[0], ' ');
  const std::string clear =
      " /FontName /NotMe def\n/FontName /Secret def\n/lenIV 1 def\n"
      "/SubrCount 2 def\n";
  ASSERT_NE(parse(joined({bytesOf(kBefore), mark, bytesOf(clear), bytesOf(kAfter)})), nullptr);
  expectBothDictionaries();
  ASSERT_NE(parse(kBefore + hexLines(mark, 64) + clear + kAfter), nullptr);
  expectBothDictionaries();
}

// Without closefile, the clear text after the digits stops the decryption where the pair that
// failed starts: "Bi" fails at its second digit, so "Binary" is read whole.
TEST_F(CidHeaderEncrypted, ABadHexadecimalDigitResumesInClearTextAtItsPair) {
  const std::string secret = "/FontName /Secret def\n/lenIV 1 def\n/SubrCount 2 def\n";
  ASSERT_NE(parse(kBefore + hexLines(cipherOf(secret), 64) + "\n" + kAfter), nullptr);
  expectBothDictionaries();
  const std::string after =
      "Binary ) 77\n%ADOEndFontDict\nput\ndup 1\n%ADOBeginFontDict\n/FontName /Clear def\n"
      "%ADOEndFontDict\nput\ndef\nStartData ";
  ASSERT_NE(parse(kBefore + hexLines(cipherOf(secret), 64) + "\n" + after), nullptr);
  expectBothDictionaries();
  EXPECT_EQ(reader_->dataLength(), 77);
}

}  // namespace
}  // namespace sorvella
