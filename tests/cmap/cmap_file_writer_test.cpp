// Writing CMap resource files: the published layout, the grouping of mappings into sections,
// and reading the written file back to the same header and code table.
#include "cmap/cmap_file_writer.h"

#include <gtest/gtest.h>

#include "cmap_test_text.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

class CMapWriting : public ::testing::Test {
 protected:
  // Writes the CMap and reads the text back.
  CCodeMap roundTrip(const CCodeMap& cmap) {
    CCodeMap back;
    EXPECT_TRUE(test::readCMapText(back, CMapResourceText(cmap))) << back.status;
    return back;
  }

  static std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
      ++n;
    return n;
  }

  CCodeMap cmap_;
};

class CMapLayout : public CMapWriting {};

TEST_F(CMapLayout, SmallOneByteCMapInFull) {
  cmap_.cmapName = "Small-H";
  cmap_.registry = "Adobe";
  cmap_.ordering = "Japan1";
  cmap_.supplement = 2;
  cmap_.cmapVersion = 11.006;
  cmap_.uidOffset = 950;
  cmap_.xuid = {1, 10, 25343};
  cmap_.xuidCount = 3;
  cmap_.SetRange(0, 0x20, 0x7d, 231);
  cmap_.Set(0, 0x7e, 631);
  cmap_.notdefs.push_back({0x00, 0x1f, 0, 0, 231});
  EXPECT_EQ(CMapResourceText(cmap_),
            "%!PS-Adobe-3.0 Resource-CMap\r\n"
            "%%DocumentNeededResources: ProcSet (CIDInit)\r\n"
            "%%IncludeResource: ProcSet (CIDInit)\r\n"
            "%%BeginResource: CMap (Small-H)\r\n"
            "%%Title: (Small-H Adobe Japan1 2)\r\n"
            "%%Version: 11.006\r\n"
            "%%EndComments\r\n\r\n"
            "/CIDInit /ProcSet findresource begin\r\n\r\n"
            "12 dict begin\r\n\r\n"
            "begincmap\r\n\r\n"
            "/CIDSystemInfo 3 dict dup begin\r\n"
            "  /Registry (Adobe) def\r\n"
            "  /Ordering (Japan1) def\r\n"
            "  /Supplement 2 def\r\n"
            "end def\r\n\r\n"
            "/CMapName /Small-H def\r\n"
            "/CMapVersion 11.006 def\r\n"
            "/CMapType 1 def\r\n\r\n"
            "/UIDOffset 950 def\r\n"
            "/XUID [1 10 25343] def\r\n\r\n"
            "/WMode 0 def\r\n\r\n"
            "1 begincodespacerange\r\n  <00> <ff>\r\nendcodespacerange\r\n\r\n"
            "1 beginnotdefrange\r\n<00> <1f> 231\r\nendnotdefrange\r\n\r\n"
            "1 begincidrange\r\n<20> <7d> 231\r\nendcidrange\r\n\r\n"
            "1 begincidchar\r\n<7e> 631\r\nendcidchar\r\n\r\n"
            "endcmap\r\n"
            "CMapName currentdict /CMap defineresource pop\r\n"
            "end\r\nend\r\n\r\n"
            "%%EndResource\r\n%%EOF\r\n");
}

TEST_F(CMapLayout, OtherRowsMakeEveryCodeTwoBytesLong) {
  cmap_.ordering = "Japan1";
  cmap_.Set(0x00, 0x41, 34);
  cmap_.SetRange(0x81, 0x40, 0x42, 633);
  cmap_.Set(0x82, 0x4f, 1);
  cmap_.Set(0x90, 0x00, 2);
  const std::string text = CMapResourceText(cmap_);
  EXPECT_NE(text.find("3 begincodespacerange\r\n  <0000> <00ff>\r\n  <8100> <82ff>\r\n"
                      "  <9000> <90ff>\r\nendcodespacerange\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("1 begincidchar\r\n<0041> 34\r\nendcidchar\r\n\r\n"
                      "1 begincidrange\r\n<8140> <8142> 633\r\nendcidrange\r\n\r\n"
                      "2 begincidchar\r\n<824f> 1\r\n<9000> 2\r\nendcidchar\r\n"),
            std::string::npos)
      << text;
}

TEST_F(CMapLayout, EveryLineEndsWithCrLf) {
  cmap_.ordering = "Japan1";
  cmap_.notice = "First line\nSecond line";
  cmap_.SetRange(0x30, 0, 0xff, 1);
  const std::string text = CMapResourceText(cmap_);
  EXPECT_EQ(count(text, "\n"), count(text, "\r\n"));
  EXPECT_EQ(count(text, "\r"), count(text, "\r\n"));
  EXPECT_NE(text.find("%%Copyright: First line\r\n%%Copyright: Second line\r\n"),
            std::string::npos);
}

TEST_F(CMapLayout, SectionsHoldAtMostOneHundredEntries) {
  cmap_.ordering = "Japan1";
  for (int high = 0; high < 150; ++high) cmap_.SetRange(static_cast<uint8_t>(high), 0x40, 0x41, 20);
  for (int low = 0; low < 256; low += 2) cmap_.Set(0xF0, static_cast<uint8_t>(low), 10);
  const std::string text = CMapResourceText(cmap_);
  EXPECT_NE(text.find("100 begincidchar\r\n"), std::string::npos);
  EXPECT_NE(text.find("28 begincidchar\r\n"), std::string::npos);
  EXPECT_NE(text.find("100 begincidrange\r\n"), std::string::npos);
  EXPECT_NE(text.find("50 begincidrange\r\n"), std::string::npos);
  EXPECT_EQ(count(text, "begincid"), 4u);
  EXPECT_EQ(count(text, "\r\n<"), 128u + 150u);  // one line per entry
}

TEST_F(CMapLayout, BasedCMapListsOnlyWhatDiffersFromTheBase) {
  test::TempFolder folder;
  test::writeFile(folder / "Base-H.cmp",
                  test::cmapText("1 begincidrange <8140> <817e> 633 endcidrange", "Base-H"));
  cmap_.cmapName = "Test-V";
  cmap_.ordering = "Japan1";
  cmap_.baseName = "Base-H";
  cmap_.basePath = folder / "Base-H.cmp";
  cmap_.Set(0x81, 0x41, 7887);
  ASSERT_TRUE(cmap_.LoadBase());
  cmap_.ApplyBase();
  const std::string text = CMapResourceText(cmap_);
  EXPECT_NE(text.find("/Base-H usecmap\r\n"), std::string::npos);
  EXPECT_NE(text.find("%%IncludeResource: CMap (Base-H)\r\n"), std::string::npos);
  EXPECT_EQ(count(text, "begincid"), 1u) << text;
  EXPECT_NE(text.find("1 begincidchar\r\n<8141> 7887\r\nendcidchar"), std::string::npos) << text;
}

class CMapRoundTrip : public CMapWriting {};

TEST_F(CMapRoundTrip, HeaderAndTableComeBack) {
  cmap_.cmapName = "Round-V";
  cmap_.registry = "Adobe";
  cmap_.ordering = "Korea1";
  cmap_.supplement = -3;
  cmap_.cmapVersion = 1e40;
  cmap_.uidOffset = -7;
  cmap_.xuidCount = 20;
  for (int i = 0; i < 20; ++i) cmap_.xuid[static_cast<std::size_t>(i)] = i * 1000 - 5000;
  cmap_.wMode = 1;
  cmap_.baseName = "Base-H";
  cmap_.notdefs = {{0x00, 0x1f, 0x00, 0x00, 1}, {0x40, 0x40, 0x81, 0x81, 0xFFFFFFFF}};
  for (int code = 0; code < 65536; code += 3)
    cmap_.Set(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code), (code * 7) % 65535);
  CCodeMap back = roundTrip(cmap_);
  EXPECT_EQ(back.cmapName, "Round-V");
  EXPECT_EQ(back.registry, "Adobe");
  EXPECT_EQ(back.ordering, "Korea1");
  EXPECT_EQ(back.supplement, -3);
  EXPECT_EQ(back.cmapVersion, 1e40);
  EXPECT_EQ(back.uidOffset, -7);
  EXPECT_EQ(back.xuidCount, 20);
  EXPECT_EQ(back.xuid, cmap_.xuid);
  EXPECT_EQ(back.wMode, 1);
  EXPECT_EQ(back.baseName, "Base-H");
  EXPECT_EQ(back.notdefs, cmap_.notdefs);
  EXPECT_TRUE(
      std::equal(back.codeTable().begin(), back.codeTable().end(), cmap_.codeTable().begin()));
}

TEST_F(CMapRoundTrip, VersionsReadBackExactly) {
  cmap_.ordering = "Japan1";
  for (double version : {0.0, 2.0, 11.006, 1.5e-7, 123456789012.0, 0.1}) {
    cmap_.cmapVersion = version;
    EXPECT_EQ(roundTrip(cmap_).cmapVersion, version);
  }
}

TEST_F(CMapRoundTrip, AwkwardTextsStayContained) {
  cmap_.registry = "Ad(o)be";
  cmap_.ordering = "Jap)an(1";
  cmap_.cmapName = "Has Space/Slash";
  cmap_.Set(0, 0x41, 34);
  CCodeMap back = roundTrip(cmap_);
  EXPECT_EQ(back.registry, "Ad(o)be");
  EXPECT_EQ(back.ordering, "Jap\\051an\\0501");  // PostScript's escapes, left as they stand
  EXPECT_EQ(back.cmapName, "Has_Space_Slash");
  EXPECT_EQ(back.Lookup(0, 0x41), 34);
}

TEST_F(CMapRoundTrip, OverlongTextsNeverSpillIntoTokens) {
  cmap_.ordering = std::string(200, ')') + " endcmap ";
  cmap_.cmapName = std::string(600, 'N') + "endcmap";
  cmap_.Set(0, 0x41, 34);
  CCodeMap back = roundTrip(cmap_);
  EXPECT_EQ(back.ordering.substr(0, 8), "\\051\\051");
  EXPECT_EQ(back.cmapName, std::string(511, 'N'));
  EXPECT_EQ(back.Lookup(0, 0x41), 34);
}

TEST_F(CMapRoundTrip, NotdefRangeRunningDownARowKeepsBothHighBytes) {
  cmap_.notdefs = {{0x00, 0xff, 0x04, 0x03, 4}};  // <0400> <03ff> 4
  EXPECT_EQ(roundTrip(cmap_).notdefs, cmap_.notdefs);
}

TEST_F(CMapRoundTrip, EmptyNameStaysEmpty) {
  cmap_.ordering = "Japan1";
  CCodeMap back = roundTrip(cmap_);
  EXPECT_EQ(back.cmapName, "");
  EXPECT_EQ(back.uidOffset, -1);
  EXPECT_EQ(back.xuidCount, 0);
}

class CMapSaving : public CMapWriting {
 protected:
  test::TempFolder folder_;
};

TEST_F(CMapSaving, WithoutOrderingIsRefusedWithStatus7) {
  cmap_.Set(0, 0x41, 1);
  EXPECT_FALSE(cmap_.Save(folder_ / "A.cmp"));
  EXPECT_EQ(cmap_.status, 7);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "A.cmp"));
}

TEST_F(CMapSaving, WritesTheFileAndKeepsTheFilePath) {
  cmap_.ordering = "GB1";
  cmap_.Set(0, 0x41, 1);
  cmap_.filePath = "/elsewhere/Old.cmp";
  cmap_.status = 3;
  ASSERT_TRUE(cmap_.Save(folder_ / "A.cmp"));
  EXPECT_EQ(cmap_.status, 0);
  EXPECT_EQ(cmap_.filePath, "/elsewhere/Old.cmp");
  EXPECT_EQ(test::readFile(folder_ / "A.cmp"), CMapResourceText(cmap_));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

TEST_F(CMapSaving, TextsThatWouldNotReadBackAreRefusedWithStatus10) {
  cmap_.ordering = "Ja(p)an";  // balanced: kept as it is
  ASSERT_TRUE(cmap_.Save(folder_ / "A.cmp"));
  for (auto [field, text] : {std::pair{&CCodeMap::cmapName, "Has Space"},
                             {&CCodeMap::registry, "Two\nLines"},
                             {&CCodeMap::ordering, "Open("},
                             {&CCodeMap::baseName, "Base<"}}) {
    CCodeMap cmap = cmap_;
    cmap.*field = text;
    EXPECT_FALSE(cmap.Save(folder_ / "B.cmp")) << text;
    EXPECT_EQ(cmap.status, kCMapUnwritable) << text;
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "B.cmp"));
}

TEST_F(CMapSaving, UnwritablePlaceFailsWithANonZeroStatus) {
  cmap_.ordering = "GB1";
  test::writeFile(folder_ / "file", "x");
  EXPECT_FALSE(cmap_.Save(folder_ / "file" / "A.cmp"));
  EXPECT_NE(cmap_.status, 0);
  EXPECT_NE(cmap_.status, 7);
  std::filesystem::create_directory(folder_ / "Dir.cmp");
  EXPECT_FALSE(cmap_.Save(folder_ / "Dir.cmp"));
  EXPECT_EQ(test::readFile(folder_ / "file"), "x");
}

}  // namespace
}  // namespace sorvella
