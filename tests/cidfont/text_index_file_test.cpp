// The text index file: runs of CIDs written out, and arrangements imported into an open font.
#include "cidfont/text_index_file.h"

#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "support/bytes.h"
#include "support/sample_subset_font.h"

namespace sorvella {
namespace {

using test::bytesOf;

using test::subsetFontEntry;

// Three subset fonts of 20 glyphs, nothing placed.
CCidFont threeFonts() {
  CCidFont font;
  const char* names[] = {"Alpha", "Beta", "Gamma"};
  const char* stems[] = {"TEST0000", "TEST0001", "TEST0002"};
  for (int f = 0; f < 3; ++f) {
    std::vector<CharacterRecord> records;
    for (int g = 0; g < 20; ++g) records.push_back(CharacterRecord::make(f, g));
    font.addSubsetFont(subsetFontEntry(names[f], stems[f], 20), records);
  }
  font.RebuildTables();
  return font;
}

std::string indexLines(const std::string& text) {
  auto from = text.find("BeginIndexData\r\n\r\n") + 18;
  return text.substr(from, text.find("\r\nEndIndexData") - from);
}

std::pair<int, int> at(const CCidFont& font, int32_t cid) {
  int32_t c = font.CharacterAt(cid);
  if (c < 0) return {-1, -1};
  return {font.record(c).font, font.record(c).glyph};
}

// Consecutive glyphs of one font at consecutive CIDs form one line; a gap, a repeated glyph
// or another font starts a new one.
TEST(TextIndexWriting, RunsOfCidsAndGlyphsFormLines) {
  CCidFont font = threeFonts();
  font.Place(10, 5);
  font.Place(11, 6);
  font.Place(12, 7);
  font.Place(14, 9);
  font.Place(15, font.appendRecord(font.record(9)));
  font.Place(16, 26);     // font 2, glyph 6
  font.Place(70001, 28);  // beyond the table, placed out of order
  font.Place(70000, 27);
  EXPECT_EQ(indexLines(textIndexBytes(font)),
            "CID: 10:12 FONT: 1 GLYPH: 5:7\r\nCID: 14 FONT: 1 GLYPH: 9\r\n"
            "CID: 15 FONT: 1 GLYPH: 9\r\nCID: 16 FONT: 2 GLYPH: 6\r\n"
            "CID: 70000:70001 FONT: 2 GLYPH: 7:8\r\n");
}

TEST(TextIndexWriting, WholeFileHasHeaderFontInfoAndClosingLines) {
  CCidFont font;
  std::vector<CharacterRecord> records(2, CharacterRecord::make(0, 0));
  records[1].glyph = 1;
  records[0].cid = 0;
  records[1].cid = 1;  // a run ending at the range top
  font.addSubsetFont(subsetFontEntry("A", "AB0000", 2), records);
  EXPECT_EQ(textIndexBytes(font),
            "%!Vantrel Sorvell Text Index File\r\n%!Version 1.00\r\n\r\n"
            "BeginFontInfo\r\n\r\nVersion 1\r\nSupplement 0\r\nUIDBase 0\r\nBeginBaseFonts 1\r\n"
            "BaseFont 1 A AB0000 2 0\r\nEndBaseFonts\r\nTotalCharacters 2\r\n\r\nEndFontInfo\r\n"
            "\r\nBeginIndexData\r\n\r\nCID: 0:1 FONT: 1 GLYPH: 0:1\r\n\r\nEndIndexData\r\n");
  EXPECT_EQ(font.record(1).cid, 1);  // refreshed before writing
}

class TextIndexImporting : public ::testing::Test {
 protected:
  std::string header(const char* baseFonts) {
    return std::string(
               "%!Vantrel Sorvell Text Index File\r\n%!Version 1.00\r\n\r\nBeginFontInfo\r\n"
               "FontName Imported\r\nVersion 7\r\nOrdering Japan1\r\nXUID 2 5 6\r\n") +
           baseFonts + "EndBaseFonts\r\nEndFontInfo\r\n\r\nBeginIndexData\r\n\r\n";
  }
  static constexpr const char* kEnd = "\r\nEndIndexData\r\n";
  static constexpr const char* kSameFonts =
      "BeginBaseFonts 3\r\nBaseFont 1 alpha test0000 20 0\r\nBaseFont 2 Beta TEST0001 20 0\r\n"
      "BaseFont 3 Gamma TEST0002 20 0\r\n";
  CCidFont font_ = threeFonts();
};

TEST_F(TextIndexImporting, PlacesTheListedCidsAndTakesTheFontInfo) {
  font_.info().setNotice("kept only when the file has none");
  std::string text = header(kSameFonts) +
                     "CID: 100:102 FONT: 2 GLYPH: 3:5\r\n"
                     "GLYPH: 19 CID: 7 FONT: 3\r\n"  // words in any order
                     "\r\n"
                     "CID: 200 FONT: 1\r\n"           // incomplete: ignored
                     "CID: -4 FONT: 1 GLYPH: 1\r\n"   // negative: ignored
                     "CID: 300 FONT: 9 GLYPH: 1\r\n"  // no such font
                     " \t EndIndexData\r\n"
                     "CID: 400 FONT: 1 GLYPH: 2\r\n";
  ASSERT_EQ(ImportTextIndex(font_, bytesOf(text)), kTextIndexOk);
  EXPECT_EQ(at(font_, 100), std::make_pair(1, 3));
  EXPECT_EQ(at(font_, 102), std::make_pair(1, 5));
  EXPECT_EQ(at(font_, 7), std::make_pair(2, 19));
  EXPECT_EQ(font_.CharacterAt(200), -1);
  EXPECT_EQ(font_.CharacterAt(400), -1);  // after the indented end
  EXPECT_EQ(font_.unplaced().size(), 56u);
  EXPECT_EQ(font_.info().fontName(), "Imported");
  EXPECT_EQ(font_.info().notice(), "");
  EXPECT_EQ(font_.info().version, 7);
  EXPECT_EQ(font_.info().xuid(), (std::vector<int32_t>{5, 6}));
  EXPECT_TRUE(font_.modified());
}

TEST_F(TextIndexImporting, CidRangeLongerThanItsGlyphRangePlacesOnlyTheGlyphs) {
  ASSERT_EQ(ImportTextIndex(font_, bytesOf(header(kSameFonts) +
                                           "CID: 10:19 FONT: 1 GLYPH: 0:2\r\n"
                                           "CID: 30:32 FONT: 1 GLYPH: 18\r\n"
                                           "CID: 40:4000000 FONT: 2 GLYPH: 0\r\n" +
                                           kEnd)),
            kTextIndexOk);
  EXPECT_EQ(at(font_, 12), std::make_pair(0, 2));
  EXPECT_EQ(font_.CharacterAt(13), -1);
  EXPECT_EQ(at(font_, 31), std::make_pair(0, 19));
  EXPECT_EQ(font_.CharacterAt(32), -1);  // glyph 20 does not exist
  EXPECT_EQ(at(font_, 59), std::make_pair(1, 19));
  EXPECT_EQ(font_.CharacterAt(60), -1);
}

// A real index file without index data places nothing; a file that matches no subset font,
// is no index file, is cut short or reaches past the highest CID changes nothing at all.
TEST_F(TextIndexImporting, FailuresChangeNothing) {
  font_.info().setFontName("Before");
  font_.Place(5, 5);
  font_.Refresh();
  font_.setModified(false);
  const CCidFont before = font_;
  const std::pair<std::string, TextIndexStatus> cases[] = {
      {header("BeginBaseFonts 3\r\nBaseFont 1 X A 20 0\r\nBaseFont 2 Y B 20 0\r\n"
              "BaseFont 3 Z C 20 0\r\n") +
           kEnd,
       kTextIndexNoFontMatches},
      {"BeginFontInfo Version 3", kTextIndexBadFontInfo},
      {"", kTextIndexNotAnIndex},
      {"nothing to see here", kTextIndexNotAnIndex},
      {header(kSameFonts) + "CID: 1 FONT: 1 GLYPH: 1\r\n", kTextIndexCutShort},
      {header(kSameFonts) + "CID: 65534:65536 FONT: 1 GLYPH: 0:2" + kEnd,
       kTextIndexCidBeyondLimit}};
  for (const auto& [text, status] : cases) {
    EXPECT_EQ(ImportTextIndex(font_, bytesOf(text)), status) << text;
    EXPECT_EQ(font_.records(), before.records()) << text;
    EXPECT_EQ(font_.info(), before.info()) << text;
    EXPECT_EQ(font_.subsetFonts(), before.subsetFonts()) << text;
    EXPECT_EQ(font_.CharacterAt(5), 5) << text;
    EXPECT_FALSE(font_.modified()) << text;
  }
  ASSERT_EQ(ImportTextIndex(font_, bytesOf(header(kSameFonts) + kEnd)), kTextIndexOk);
  EXPECT_EQ(font_.CharacterAt(5), -1);
}

// More than a hundred subset fonts, CIDs beyond the table: a written file restores it all.
TEST(TextIndexRoundTrip, AWrittenFileRestoresItsArrangement) {
  CCidFont font;
  for (int f = 0; f < 130; ++f) {
    std::string name = "F" + std::to_string(f);
    std::vector<CharacterRecord> records;
    for (int g = 0; g < 3; ++g) records.push_back(CharacterRecord::make(f, g));
    records[2].cid = 1000 + f;
    font.addSubsetFont(subsetFontEntry(name.c_str(), name.c_str(), 3), records);
  }
  font.RebuildTables();
  font.CopyRange(1000, 1129, 60000);
  CCidFont copy = font;
  std::string text = textIndexBytes(font);
  copy.ClearRange(0, 100000);
  ASSERT_EQ(ImportTextIndex(copy, bytesOf(text)), kTextIndexOk);
  for (int32_t cid : {1000, 1129, 60000, 60129}) EXPECT_EQ(at(copy, cid), at(font, cid)) << cid;
  EXPECT_EQ(at(copy, 60129), std::make_pair(129, 2));
}

}  // namespace
}  // namespace sorvella
