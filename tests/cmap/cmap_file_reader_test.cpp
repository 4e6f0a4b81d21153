// Reading CMap resource files: the first comment, the header keywords, the mapping sections,
// and the statuses of damaged input. The poppler-data CMaps are read in cmap_real_files_test.
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
  bool read(std::string_view text) { return test::readCMapText(cmap_, text); }
  bool readBody(std::string_view body) { return read(cmapText(body)); }

  CCodeMap cmap_;
};

TEST_F(CMapReading, HeaderKeywordsFillTheirFields) {
  ASSERT_TRUE(read(
      "%!ps-adobe-3.0 RESOURCE-CMAP extra\n/CMapName /Test-H def\n"
      "/CIDSystemInfo 3 dict dup begin /Registry (Adobe) def /Ordering (Japan1) def\n"
      "/Supplement 6 def end def /CMapVersion 2 def /CMapType 1 def\n"
      "/UIDOffset 950 def /XUID [1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22] def\n"
      "/WMode 1 def /Base-H usecmap endcmap /WMode 2 def"));
  EXPECT_EQ(cmap_.status, kCMapOk);
  EXPECT_EQ(cmap_.cmapName, "Test-H");
  EXPECT_EQ(cmap_.registry, "Adobe");
  EXPECT_EQ(cmap_.ordering, "Japan1");
  EXPECT_EQ(cmap_.supplement, 6);
  EXPECT_EQ(cmap_.cmapVersion, 2.0);
  EXPECT_EQ(cmap_.uidOffset, 950);
  EXPECT_EQ(cmap_.xuidCount, 20);  // the model holds twenty
  EXPECT_EQ(cmap_.xuid[19], 20);
  EXPECT_EQ(cmap_.wMode, 1);  // nothing after endcmap counts
  EXPECT_EQ(cmap_.baseName, "Base-H");
}

TEST_F(CMapReading, SectionsFillTheTableAndTheNotdefList) {
  ASSERT_TRUE(
      readBody("2 begincidrange % comments may stand between entries\n<8140> <817E> 633\n"
               "% here too\n<fffd> <ffff> 65533 endcidrange\n"
               "1 begincidrange <0001> <0003> -1 endcidrange\n"
               "5 begincidchar <20> 1 <0020> 2 <123> 5 <A> 6 <0005> 70000 endcidchar\n"
               "0 begincidchar endcidchar -1 begincidrange endcidrange\n"
               "1 beginnotdefchar <8141> 9 endnotdefchar\n"
               "1 beginnotdefrange <0000> <01ff> 1 endnotdefrange"));
  EXPECT_EQ(cmap_.Lookup(0x81, 0x3F), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x40), 633);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x41), 634);  // the notdef entry does not touch the table
  EXPECT_EQ(cmap_.Lookup(0x81, 0x7E), 695);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x7F), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.CountInRow(0x81), 63);
  // CIDs a table entry cannot hold are left out.
  EXPECT_EQ(cmap_.Lookup(0xFF, 0xFE), 65534);
  EXPECT_EQ(cmap_.Lookup(0xFF, 0xFF), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x01), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x02), 0);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x05), CCodeMap::kNoCid);
  // One- and two-byte codes share row 0, the later mapping winning; short codes take their
  // last two digits as the low byte.
  EXPECT_EQ(cmap_.Lookup(0x00, 0x20), 2);
  EXPECT_EQ(cmap_.Lookup(0x01, 0x23), 5);
  EXPECT_EQ(cmap_.Lookup(0x00, 0x0A), 6);
  EXPECT_EQ(cmap_.notdefs,
            (std::vector<NotdefEntry>{{0x41, 0x41, 0x81, 0x81, 9}, {0x00, 0xFF, 0x00, 0x01, 1}}));
  // A second read starts a new list; without endcmap the end of the input ends the read.
  ASSERT_TRUE(read("%!PS-Adobe-3.0 Resource-CMap\n1 begincidchar <41> 7"));
  EXPECT_TRUE(cmap_.notdefs.empty());
  EXPECT_EQ(cmap_.Lookup(0, 0x41), 7);
}

TEST_F(CMapReading, DamagedInputFailsWithItsStatus) {
  const std::string resource = "%!PS-Adobe-3.0 Resource-";
  const struct {
    std::string text;
    int32_t status;
  } cases[] = {
      {"/CMapName /A def\n", kCMapOk},
      {"", kCMapOk},
      {resource + "Encoding\n/CMapName /A def", kCMapNotACMap},
      {resource + "Font\n/FontName /CIDFont def\n", kCMapNotACMap},
      {resource + "Font\n/X 10 dict beginrearrangedfont\n", kCMapRearrangedFont},
      {cmapText("/Registry /Adobe def"), kCMapWrongToken},
      {cmapText("/Ordering 1 def"), kCMapWrongToken},
      {cmapText("/Supplement (6) def"), kCMapWrongToken},
      {cmapText("/UIDOffset 1.5 def"), kCMapWrongToken},
      {cmapText("/WMode /V def"), kCMapWrongToken},
      {cmapText("/CMapName (X) def"), kCMapWrongToken},
      {cmapText("(Base) usecmap"), kCMapWrongToken},
      {cmapText("usecmap"), kCMapWrongToken},
      {cmapText("/XUID 1 def"), kCMapBadXuid},
      {resource + "CMap\n/XUID [1 2 3", kCMapBadXuid},
      {cmapText("1 begincidchar <e38182> 843 endcidchar"), kCMapBadCharCode},
      {cmapText("1 beginnotdefchar <e38182> 1 endnotdefchar"), kCMapBadCharCode},
      {cmapText("1 begincidrange <0000> <e38182> 1 endcidrange"), kCMapBadRangeCode},
      {cmapText("1 beginnotdefrange <e38182> <e38183> 1 endnotdefrange"), kCMapBadRangeCode},
      {cmapText("1 begincidrange\n<8140> <8240> 633\nendcidrange"), kCMapBadRangeCode},
      {cmapText("begincidchar <41> 1 endcidchar"), kCMapWrongToken},
      {cmapText("(2) begincidrange <41> <42> 1 endcidrange"), kCMapWrongToken},
      {cmapText("2 begincidchar <41> 1 endcidchar"), kCMapWrongToken},
      {cmapText("1 begincidchar 41 1 endcidchar"), kCMapWrongToken},
      {cmapText("1 begincidchar <41> 1.0 endcidchar"), kCMapWrongToken},
      {cmapText("1 begincidrange <41> 42 1 endcidrange"), kCMapWrongToken},
      {cmapText("1 beginnotdefrange <41> <42> /a endnotdefrange"), kCMapWrongToken},
      // A number that cannot be converted ends the scan as the end of the file would; what
      // follows would be lost on Save.
      {cmapText("30#12 1 begincidchar <20> 5 endcidchar"), kCMapBadNumber},
      {cmapText("1 begincidchar <20> 5 endcidchar 1#0 1 begincidchar <21> 6 endcidchar"),
       kCMapBadNumber},
      {cmapText("/CMapVersion 30#12 def"), kCMapBadNumber},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CCodeMap cmap;
    EXPECT_FALSE(test::readCMapText(cmap, c.text));
    EXPECT_EQ(cmap.status, c.status);
  }
}

TEST_F(CMapReading, HugeCountOnAShortFileEndsAtOnceKeepingWhatWasRead) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(readBody("2147483647 begincidrange <20> <21> 1"));
  EXPECT_EQ(cmap_.status, kCMapWrongToken);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(cmap_.Lookup(0, 0x21), 2);
}

TEST_F(CMapReading, FileReadSetsThePathEvenWhenItCannotBeOpened) {
  test::TempFolder folder;
  EXPECT_FALSE(cmap_.Read(folder / "absent.cmp"));
  EXPECT_EQ(cmap_.status, kCMapOk);
  EXPECT_EQ(cmap_.filePath, folder / "absent.cmp");
}

}  // namespace
}  // namespace sorvella
