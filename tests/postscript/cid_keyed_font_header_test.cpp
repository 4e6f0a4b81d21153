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
%%BeginResource: CIDFont (Sample-Light)
/CIDInit /ProcSet findresource begin
20 dict begin
/CIDFontName /Sample-Light def
/CIDFontType 0 def
/CIDFontVersion 2.003 def
/CIDSystemInfo 3 dict dup begin
  /Registry (Adobe) def
  /Ordering (Japan1) def
  /Supplement 4 def
end def
/FontBBox {-100 -200 1100 900} def
/UIDBase 4001234 def
/XUID [1 11 4001234] def
/FontInfo 3 dict dup begin
  /Notice (Top (nested) notice) def
  /FullName (Sample Light) def
  /Weight (Light) def
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
  /FontType 1 def
  /FontMatrix [0.001 0 0.0002 0.001 0 0] def
  /PaintType 0 def
  /FontInfo 3 dict dup begin
    /Notice (Kana notice) def
    /FullName (Kana full) def
    /version (001.002) def
  end def
  %ADOBeginPrivateDict
  /Private 24 dict dup begin
    /BlueValues [-250 -250 1100 1100] def
    /OtherBlues [-300 -290] def
    /FamilyBlues [-251 -250 1101 1100 1200 1210] def
    /FamilyOtherBlues [-301 -290] def
    /BlueScale 0.05 def
    /BlueShift 12 def
    /BlueFuzz 2 def
    /StdHW [32] def
    /StdVW [40 41] def
    /StemSnapH [32 36] def
    /StemSnapV [40 44 48] def
    /ForceBold true def
    /LanguageGroup 1 def
    /UniqueID 55 def
    /MinFeature {16 16} def
    /OtherSubrs [{} {} {} {systemdict /internaldict known not {pop 3} {1183615869} ifelse}] def
    /RndStemUp true def
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

TEST_F(CidHeader, CharacterCollectionAndNamesGoIntoTheCidFontInfo) {
  std::unique_ptr<CidFontInfo> font = parse(kFullHeader);
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
}

TEST_F(CidHeader, DataSectionKeysAreKeptByTheReader) {
  ASSERT_NE(parse(kFullHeader), nullptr);
  EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
  EXPECT_EQ(reader_->fdCount(), 2);
  EXPECT_EQ(reader_->cidCount(), 8720);
  EXPECT_EQ(reader_->cidMapOffset(), 12);
  EXPECT_EQ(reader_->fdBytes(), 1);
  EXPECT_EQ(reader_->gdBytes(), 3);
  EXPECT_EQ(reader_->dataLength(), 12000);
}

TEST_F(CidHeader, EachDictionaryKeepsItsSubroutineValuesAndLenIV) {
  ASSERT_NE(parse(kFullHeader), nullptr);
  const auto& kana = reader_->fontDictValues(0);
  EXPECT_EQ(kana.subrMapOffset, 100);
  EXPECT_EQ(kana.sdBytes, 2);
  EXPECT_EQ(kana.subrCount, 3);
  EXPECT_EQ(kana.lenIV, 0);
  const auto& latin = reader_->fontDictValues(1);
  EXPECT_EQ(latin.subrMapOffset, 106);
  EXPECT_EQ(latin.sdBytes, 1);
  EXPECT_EQ(latin.subrCount, 4);
  // The top level's /lenIV 1 and /SubrCount 9 are ignored. AFDKO's mergefonts writes no
  // /lenIV, and its charstrings carry the format's 4 lead-in bytes.
  EXPECT_EQ(latin.lenIV, 4);
}

TEST_F(CidHeader, DictionaryNamesTextsAndMatrixGoIntoItsInformation) {
  ASSERT_NE(parse(kFullHeader), nullptr);
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
}

TEST_F(CidHeader, PrivateValuesGoIntoTheirDictionary) {
  ASSERT_NE(parse(kFullHeader), nullptr);
  const PerMasterBlock& p = dict(0).master(0).privateValues;
  const ZoneCounts& zones = dict(0).info().zoneCounts;
  ASSERT_EQ(zones.blueValues, 4);
  EXPECT_EQ(
      (std::array<int32_t, 4>{p.blueValues[0], p.blueValues[1], p.blueValues[2], p.blueValues[3]}),
      (std::array<int32_t, 4>{-250, -250, 1100, 1100}));
  ASSERT_EQ(zones.otherBlues, 2);
  EXPECT_EQ(p.otherBlues[1], -290);
  ASSERT_EQ(zones.familyBlues, 6);
  EXPECT_EQ(p.familyBlues[5], 1210);
  ASSERT_EQ(zones.familyOtherBlues, 2);
  EXPECT_EQ(p.familyOtherBlues[0], -301);
  EXPECT_DOUBLE_EQ(p.blueScale, 0.05);
  EXPECT_EQ(p.blueShift, 12);
  EXPECT_EQ(p.blueFuzz, 2);
  EXPECT_EQ(p.stdHW, 32);
  EXPECT_EQ(p.stdVW, 40);  // the first value of the array
  ASSERT_EQ(zones.stemSnapH, 2);
  EXPECT_EQ(p.stemSnapH[1], 36);
  ASSERT_EQ(zones.stemSnapV, 3);
  EXPECT_EQ(p.stemSnapV[2], 48);
  EXPECT_EQ(p.forceBold, 1);
  EXPECT_EQ(dict(1).info().zoneCounts.blueValues, 2);
  EXPECT_EQ(dict(1).master(0).privateValues.forceBold, 0);
}

class CidHeaderEnd : public CidHeader {};

TEST_F(CidHeaderEnd, StartDataLeavesTheReaderAtTheFirstDataByte) {
  ASSERT_NE(parse(kFullHeader + "\x01\x02"), nullptr);
  EXPECT_EQ(reader_->source().position(), kFullHeader.size());
}

TEST_F(CidHeaderEnd, StartDataClearsTheGlyphLimitAndTheSelection) {
  reader_ = std::make_unique<CidKeyedFontReader>(bytesOf(kFullHeader));
  reader_->setGlyphLimit(512);
  reader_->selectAllFontDicts();
  ASSERT_TRUE(reader_->parseHeader({}));
  EXPECT_EQ(reader_->glyphLimit(), CidKeyedFontReader::kNoGlyphLimit);
  EXPECT_FALSE(reader_->fontDictSelected(0));
  EXPECT_FALSE(reader_->fontDictSelected(1));
}

TEST_F(CidHeaderEnd, EofCommentBeforeStartDataGivesNoFont) {
  const std::string cut = kFullHeader.substr(0, kFullHeader.find("%%BeginData"));
  EXPECT_EQ(parse(cut + "%%EOF\n(Binary) 12000 StartData "), nullptr);
  EXPECT_NE(reader_->status(), PSFontStatus::kFinished);
}

TEST_F(CidHeaderEnd, EofCommentInsideBracesDoesNotEndTheHeader) {
  const std::string text = replacedOnce(kFullHeader, "/UIDBase", "{\n%%EOF\n} pop\n/UIDBase");
  ASSERT_NE(parse(text), nullptr);
  EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
}

TEST_F(CidHeaderEnd, KeysInsideBracesAreIgnored) {
  const std::string text = replacedOnce(kFullHeader, "/UIDBase",
                                        "/Proc { /CIDCount 3 def /UIDBase 7 def } def\n/UIDBase");
  std::unique_ptr<CidFontInfo> font = parse(text);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->uidBase, 4001234);
  EXPECT_EQ(reader_->cidCount(), 8720);
}

TEST_F(CidHeaderEnd, EndOfTheFileBeforeStartDataGivesNoFont) {
  for (std::size_t cut :
       {std::size_t{0}, std::size_t{40}, kFullHeader.size() / 2, kFullHeader.size() - 12}) {
    SCOPED_TRACE(cut);
    EXPECT_EQ(parse(kFullHeader.substr(0, cut)), nullptr);
    EXPECT_EQ(reader_->fontDictInfo(0), nullptr);
  }
}

class CidHeaderFontDicts : public CidHeader {};

TEST_F(CidHeaderFontDicts, MoreDictionariesThanTheFdArrayCountSetStatus18) {
  const std::string text = replacedOnce(kFullHeader, "/FDArray 2 array", "/FDArray 1 array");
  EXPECT_EQ(parse(text), nullptr);
  EXPECT_EQ(reader_->status(), PSFontStatus::kTooManyFontDicts);
}

TEST_F(CidHeaderFontDicts, AnFdArrayCountBeyondTheFiftyTablesSetsStatus18) {
  for (const char* count : {"51", "2000000000", "-1"}) {
    SCOPED_TRACE(count);
    const std::string text =
        replacedOnce(kFullHeader, "/FDArray 2 array", std::string("/FDArray ") + count + " array");
    EXPECT_EQ(parse(text), nullptr);
    EXPECT_EQ(reader_->status(), PSFontStatus::kTooManyFontDicts);
  }
}

TEST_F(CidHeaderFontDicts, FiftyDictionariesAreRead) {
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

TEST_F(CidHeaderEncrypted, BinarySectionIsReadDecryptedUntilClosefile) {
  const std::vector<uint8_t> cipher = cipherOf(kSecret);
  ASSERT_FALSE(std::isxdigit(cipher[0]) && std::isxdigit(cipher[1]) && std::isxdigit(cipher[2]) &&
               std::isxdigit(cipher[3]))
      << "the cipher text would pass for hexadecimal digits";
  ASSERT_GT(cipher[0], ' ');
  ASSERT_NE(parse(joined({bytesOf(kBefore), cipher, bytesOf(kAfter)})), nullptr);
  expectBothDictionaries();
}

TEST_F(CidHeaderEncrypted, HexadecimalSectionIsReadDecryptedUntilClosefile) {
  const std::string hex = hexLines(cipherOf(kSecret), 64);
  ASSERT_NE(parse(kBefore + hex + "\n" + kAfter), nullptr);
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

TEST_F(CidHeaderEncrypted, ABadHexadecimalDigitResumesInClearTextThere) {
  // No closefile: the clear text after the digits stops the decryption.
  const std::string secret = "/FontName /Secret def\n/lenIV 1 def\n/SubrCount 2 def\n";
  ASSERT_NE(parse(kBefore + hexLines(cipherOf(secret), 64) + "\n" + kAfter), nullptr);
  expectBothDictionaries();
}

TEST_F(CidHeaderEncrypted, ClearTextThatBeginsWithAHexadecimalDigitIsKept) {
  // "Bi" fails at its second digit; the B is clear text too, so "Binary" is read whole.
  const std::string secret = "/FontName /Secret def\n/lenIV 1 def\n/SubrCount 2 def\n";
  const std::string after =
      "Binary ) 77\n%ADOEndFontDict\nput\ndup 1\n%ADOBeginFontDict\n/FontName /Clear def\n"
      "%ADOEndFontDict\nput\ndef\nStartData ";
  ASSERT_NE(parse(kBefore + hexLines(cipherOf(secret), 64) + "\n" + after), nullptr);
  expectBothDictionaries();
  EXPECT_EQ(reader_->dataLength(), 77);
}

}  // namespace
}  // namespace sorvella
