// Reading CMap resource files: the first comment, the header keywords, the mapping sections,
// and the statuses of damaged input.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "cmap/code_map.h"
#include "cmap_test_text.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

using test::cmapText;

class CMapReading : public ::testing::Test {
 protected:
  // Reads the text; the status is kept in cmap_.
  bool read(std::string_view text) { return test::readCMapText(cmap_, text); }
  bool readBody(std::string_view body) { return read(cmapText(body)); }

  CCodeMap cmap_;
};

class CMapFirstComment : public CMapReading {};

TEST_F(CMapFirstComment, NamesACMapInAnyLetterCase) {
  EXPECT_TRUE(read("%!ps-adobe-3.0 RESOURCE-CMAP extra\n/CMapName /A def"));
  EXPECT_EQ(cmap_.cmapName, "A");
  EXPECT_EQ(cmap_.status, 0);
}

TEST_F(CMapFirstComment, MissingFailsWithStatusZero) {
  EXPECT_FALSE(read("/CMapName /A def\n"));
  EXPECT_EQ(cmap_.status, 0);
  EXPECT_EQ(cmap_.cmapName, "");
  EXPECT_FALSE(read(""));
  EXPECT_EQ(cmap_.status, 0);
}

TEST_F(CMapFirstComment, OtherResourceFailsWithStatus5) {
  EXPECT_FALSE(read("%!PS-Adobe-3.0 Resource-Encoding\n/CMapName /A def"));
  EXPECT_EQ(cmap_.status, 5);
  EXPECT_FALSE(read("%!PS-Adobe-3.0 Resource-Font\n/FontName /CIDFont def\n"));
  EXPECT_EQ(cmap_.status, 5);
}

TEST_F(CMapFirstComment, RearrangedFontFailsWithStatus6) {
  EXPECT_FALSE(read("%!PS-Adobe-3.0 Resource-Font\n/X 10 dict beginrearrangedfont\n"));
  EXPECT_EQ(cmap_.status, 6);
}

TEST_F(CMapFirstComment, FileThatCannotBeOpenedFailsWithStatusZero) {
  test::TempFolder folder;
  EXPECT_FALSE(cmap_.Read(folder / "absent.cmp"));
  EXPECT_EQ(cmap_.status, 0);
  EXPECT_EQ(cmap_.filePath, folder / "absent.cmp");
  test::writeFile(folder / "Real.cmp", cmapText("/WMode 1 def"));
  EXPECT_TRUE(cmap_.Read(folder / "Real.cmp"));
  EXPECT_EQ(cmap_.filePath, folder / "Real.cmp");
  EXPECT_EQ(cmap_.wMode, 1);
}

class CMapHeaderKeywords : public CMapReading {};

TEST_F(CMapHeaderKeywords, FillTheirFields) {
  ASSERT_TRUE(
      readBody("/CIDSystemInfo 3 dict dup begin /Registry (Adobe) def /Ordering (Japan1) def\n"
               "/Supplement 6 def end def /CMapVersion 1.002 def /CMapType 1 def\n"
               "/UIDOffset 950 def /XUID [1 10 25343] def /WMode 1 def /Base-H usecmap"));
  EXPECT_EQ(cmap_.cmapName, "Test-H");
  EXPECT_EQ(cmap_.registry, "Adobe");
  EXPECT_EQ(cmap_.ordering, "Japan1");
  EXPECT_EQ(cmap_.supplement, 6);
  EXPECT_DOUBLE_EQ(cmap_.cmapVersion, 1.002);
  EXPECT_EQ(cmap_.uidOffset, 950);
  EXPECT_EQ(cmap_.xuidCount, 3);
  EXPECT_EQ(cmap_.xuid[0], 1);
  EXPECT_EQ(cmap_.xuid[1], 10);
  EXPECT_EQ(cmap_.xuid[2], 25343);
  EXPECT_EQ(cmap_.xuid[3], 0);
  EXPECT_EQ(cmap_.wMode, 1);
  EXPECT_EQ(cmap_.baseName, "Base-H");
  EXPECT_TRUE(cmap_.IsBased());
  EXPECT_EQ(cmap_.notice, "");
}

TEST_F(CMapHeaderKeywords, VersionTakesIntegersAsReals) {
  ASSERT_TRUE(readBody("/CMapVersion 2 def"));
  EXPECT_EQ(cmap_.cmapVersion, 2.0);
}

TEST_F(CMapHeaderKeywords, WrongValueKindsFailWithStatus1) {
  for (const char* body :
       {"/Registry /Adobe def", "/Ordering 1 def", "/Supplement (6) def", "/UIDOffset 1.5 def",
        "/WMode /V def", "/CMapName (X) def", "(Base) usecmap", "usecmap"}) {
    CCodeMap fresh;
    EXPECT_FALSE(test::readCMapText(fresh, cmapText(body))) << body;
    EXPECT_EQ(fresh.status, 1) << body;
  }
}

TEST_F(CMapHeaderKeywords, XuidWithoutBracketsFailsWithStatus2) {
  EXPECT_FALSE(readBody("/XUID 1 def"));
  EXPECT_EQ(cmap_.status, 2);
  CCodeMap open;
  EXPECT_FALSE(test::readCMapText(open, "%!PS-Adobe-3.0 Resource-CMap\n/XUID [1 2 3"));
  EXPECT_EQ(open.status, 2);
}

TEST_F(CMapHeaderKeywords, XuidKeepsTwentyValues) {
  std::string values;
  for (int i = 1; i <= 25; ++i) values += std::to_string(i) + " ";
  ASSERT_TRUE(readBody("/XUID [" + values + "] def /WMode 1 def"));
  EXPECT_EQ(cmap_.xuidCount, 20);
  EXPECT_EQ(cmap_.xuid[19], 20);
  EXPECT_EQ(cmap_.wMode, 1);
}

TEST_F(CMapHeaderKeywords, NothingAfterEndcmapCounts) {
  ASSERT_TRUE(read("%!PS-Adobe-3.0 Resource-CMap\n/WMode 1 def endcmap /WMode 2 def"));
  EXPECT_EQ(cmap_.wMode, 1);
  // Without endcmap the end of the input ends the read.
  ASSERT_TRUE(read("%!PS-Adobe-3.0 Resource-CMap\n1 begincidchar <41> 7"));
  EXPECT_EQ(cmap_.Lookup(0, 0x41), 7);
}

class CMapSections : public CMapReading {};

TEST_F(CMapSections, ANumberThatCannotBeConvertedFailsWithStatus9) {
  // The scanner ends there as at the end of the file; what follows would be lost on Save.
  for (const char* body : {"30#12 1 begincidchar <20> 5 endcidchar",
                           "1 begincidchar <20> 5 endcidchar 1#0 1 begincidchar <21> 6 endcidchar",
                           "/CMapVersion 30#12 def"}) {
    EXPECT_FALSE(readBody(body)) << body;
    EXPECT_EQ(cmap_.status, kCMapBadNumber) << body;
  }
}

TEST_F(CMapSections, CidRangeMapsConsecutiveCids) {
  ASSERT_TRUE(readBody("1 begincidrange\n<8140> <817E> 633\nendcidrange"));
  EXPECT_EQ(cmap_.Lookup(0x81, 0x40), 633);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x7E), 695);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x3F), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x7F), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.CountInRow(0x81), 63);
}

TEST_F(CMapSections, CidRangeAcrossRowsFailsWithStatus4) {
  EXPECT_FALSE(readBody("1 begincidrange\n<8140> <8240> 633\nendcidrange"));
  EXPECT_EQ(cmap_.status, 4);
}

TEST_F(CMapSections, OneAndTwoByteCodesShareRowZero) {
  ASSERT_TRUE(readBody("2 begincidchar\n<20> 1\n<0020> 2\nendcidchar"));
  EXPECT_EQ(cmap_.Lookup(0, 0x20), 2);  // the later mapping wins
  EXPECT_EQ(cmap_.CountInRow(0), 1);
}

TEST_F(CMapSections, ShortCodesTakeTheirLastTwoDigitsAsLowByte) {
  ASSERT_TRUE(readBody("3 begincidchar\n<123> 5\n<A> 6\n<> 7\nendcidchar"));
  EXPECT_EQ(cmap_.Lookup(0x01, 0x23), 5);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x0A), 6);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x00), 7);
}

TEST_F(CMapSections, LongCodesFailWithTheSectionsStatus) {
  const std::pair<const char*, int32_t> cases[] = {
      {"1 begincidchar <e38182> 843 endcidchar", 3},
      {"1 beginnotdefchar <e38182> 1 endnotdefchar", 3},
      {"1 begincidrange <0000> <e38182> 1 endcidrange", 4},
      {"1 beginnotdefrange <e38182> <e38183> 1 endnotdefrange", 4},
  };
  for (const auto& [body, status] : cases) {
    CCodeMap fresh;
    EXPECT_FALSE(test::readCMapText(fresh, cmapText(body))) << body;
    EXPECT_EQ(fresh.status, status) << body;
  }
}

TEST_F(CMapSections, NotdefEntriesGoToTheList) {
  ASSERT_TRUE(
      readBody("1 beginnotdefchar <8140> 9 endnotdefchar\n"
               "1 beginnotdefrange <0000> <01ff> 1 endnotdefrange"));
  ASSERT_EQ(cmap_.notdefs.size(), 2u);
  EXPECT_EQ(cmap_.notdefs[0], (NotdefEntry{0x40, 0x40, 0x81, 0x81, 9}));
  EXPECT_EQ(cmap_.notdefs[1], (NotdefEntry{0x00, 0xFF, 0x00, 0x01, 1}));
  EXPECT_EQ(cmap_.CountInRow(0x81), 0);
  // A second read starts a new list.
  ASSERT_TRUE(readBody(""));
  EXPECT_TRUE(cmap_.notdefs.empty());
}

TEST_F(CMapSections, CountOfZeroReadsNoEntries) {
  ASSERT_TRUE(readBody("0 begincidchar endcidchar -1 begincidrange endcidrange /WMode 1 def"));
  EXPECT_EQ(cmap_.wMode, 1);
}

TEST_F(CMapSections, WrongTokensFailWithStatus1) {
  for (const char* body :
       {"begincidchar <41> 1 endcidchar", "(2) begincidrange <41> <42> 1 endcidrange",
        "2 begincidchar <41> 1 endcidchar", "1 begincidchar 41 1 endcidchar",
        "1 begincidchar <41> 1.0 endcidchar", "1 begincidrange <41> 42 1 endcidrange",
        "1 beginnotdefrange <41> <42> /a endnotdefrange"}) {
    CCodeMap fresh;
    EXPECT_FALSE(test::readCMapText(fresh, cmapText(body))) << body;
    EXPECT_EQ(fresh.status, 1) << body;
  }
}

TEST_F(CMapSections, CommentsMayStandBetweenEntries) {
  ASSERT_TRUE(readBody("2 begincidrange % first\n<20> <21> 1\n% second\n<30> <30> 5\nendcidrange"));
  EXPECT_EQ(cmap_.Lookup(0, 0x21), 2);
  EXPECT_EQ(cmap_.Lookup(0, 0x30), 5);
}

TEST_F(CMapSections, CidsATableCannotHoldAreLeftOut) {
  ASSERT_TRUE(
      readBody("2 begincidrange <fffd> <ffff> 65533 <0001> <0003> -1 endcidrange\n"
               "1 begincidchar <0005> 70000 endcidchar"));
  EXPECT_EQ(cmap_.Lookup(0xFF, 0xFD), 65533);
  EXPECT_EQ(cmap_.Lookup(0xFF, 0xFE), 65534);
  EXPECT_EQ(cmap_.Lookup(0xFF, 0xFF), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x01), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x02), 0);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x05), CCodeMap::kNoCid);
}

TEST_F(CMapSections, HugeCountOnAShortFileEndsAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(readBody("2147483647 begincidrange <20> <21> 1"));
  EXPECT_EQ(cmap_.status, 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(cmap_.Lookup(0, 0x21), 2);  // what was read before the failure stays
}

}  // namespace
}  // namespace sorvella
