// The "Base CMap files" and "CMap Header" dialogs without their widgets: the list of bases
// offered, and the header fields shown and stored.
#include <gtest/gtest.h>

#include "cmap/base_cmap_list.h"
#include "cmap/cmap_header_fields.h"
#include "cmap_test_text.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class BaseCMapFiles : public ::testing::Test {
 protected:
  void write(const std::string& file, const std::string& name,
             const std::string& body =
                 "1 begincidchar <20> 1 "
                 "endcidchar") {
    test::writeFile(folder_ / file, test::cmapText(body, name));
  }

  test::TempFolder folder_;
  CCodeMap cmap_;
};

TEST_F(BaseCMapFiles, ListEachUnbasedNameOnce) {
  write("A.cmp", "Alpha");
  write("A2.cmp", "ALPHA");
  write("B.cmp", "Beta");
  write("V.cmp", "Alpha-V", "/Alpha usecmap 1 begincidchar <20> 1 endcidchar");
  cmap_.filePath = folder_ / "Mine.cmp";
  BaseCMapList list = listBaseCMaps(cmap_, "/nowhere/sorvella");
  ASSERT_EQ(list.candidates.size(), 2u);
  std::vector<std::string> names{list.candidates[0].name, list.candidates[1].name};
  std::sort(names.begin(), names.end(), [](auto& a, auto& b) { return a[0] < b[0]; });
  EXPECT_EQ(names[1], "Beta");
  EXPECT_TRUE(names[0] == "Alpha" || names[0] == "ALPHA") << names[0];
  EXPECT_TRUE(list.okEnabled());
  EXPECT_EQ(list.folderText, folder_.path().string());
}

TEST_F(BaseCMapFiles, StopAtOneHundred) {
  for (int i = 0; i < 105; ++i) write(std::to_string(i) + ".cmp", "N" + std::to_string(i));
  EXPECT_EQ(listBaseCMaps(cmap_, folder_ / "sorvella").candidates.size(), 100u);
}

TEST_F(BaseCMapFiles, WithoutFileSearchTheProgramsFolder) {
  BaseCMapList list = listBaseCMaps(cmap_, folder_ / "sorvella");
  EXPECT_TRUE(list.candidates.empty());
  EXPECT_FALSE(list.okEnabled());
  EXPECT_EQ(list.folderText, folder_.path().string());
  EXPECT_EQ(folderText("C:\\maps\\x.cmp"), "C:\\maps");
  EXPECT_EQ(folderText("D:x.cmp"), "D:");
  EXPECT_EQ(folderText("/x.cmp"), "/");
}

TEST_F(BaseCMapFiles, OkBasesTheCMapOnTheChoice) {
  write("B.cmp", "Beta", "1 begincidrange <20> <21> 5 endcidrange");
  cmap_.Set(0, 0x20, 1);
  ASSERT_TRUE(baseCMapOn(cmap_, {"Beta", folder_ / "B.cmp"}));
  EXPECT_EQ(cmap_.baseName, "Beta");
  EXPECT_EQ(cmap_.basePath, folder_ / "B.cmp");
  EXPECT_EQ(cmap_.Lookup(0, 0x20), 1);
  EXPECT_EQ(cmap_.Lookup(0, 0x21), 6);
}

class CMapHeaderDialog : public ::testing::Test {
 protected:
  CCodeMap cmap_;
};

TEST_F(CMapHeaderDialog, ShowsTheHeader) {
  cmap_.cmapName = "Test-V";
  cmap_.cmapVersion = 1.5;
  cmap_.supplement = 4;
  cmap_.uidOffset = 950;
  cmap_.xuid = {1, -10, 25343};
  cmap_.xuidCount = 3;
  cmap_.registry = "Adobe";
  cmap_.ordering = "Japan1";
  cmap_.wMode = 7;
  cmap_.notice = "(c) me";
  cmap_.baseName = "Test-H";
  cmap_.basePath = "/maps/H.cmp";
  CMapHeaderFields f = headerFields(cmap_);
  EXPECT_EQ(f.name, "Test-V");
  EXPECT_EQ(f.version, 1.5);
  EXPECT_EQ(f.supplement, 4);
  EXPECT_EQ(f.uidOffset, 950);
  EXPECT_EQ(f.xuid, "1 -10 25343");
  EXPECT_EQ(f.registry, "Adobe");
  EXPECT_EQ(f.ordering, "Japan1");
  EXPECT_TRUE(f.vertical);
  EXPECT_EQ(f.notice, "(c) me");
  EXPECT_EQ(f.basedOn, "Test-H");
  EXPECT_EQ(f.fromFile, "/maps/H.cmp");
  EXPECT_TRUE(f.debaseEnabled());
}

TEST_F(CMapHeaderDialog, OkStoresEveryField) {
  CMapHeaderFields f;
  f.name = "New-H";
  f.version = 2.5;
  f.supplement = 6;
  f.uidOffset = 12;
  f.xuid = "1, 2;3  4,,-1 x 4294967296";
  f.registry = "Adobe";
  f.ordering = "GB1";
  f.vertical = false;
  f.notice = "Notice";
  cmap_.wMode = 1;
  ASSERT_TRUE(storeHeaderFields(f, cmap_));
  EXPECT_EQ(cmap_.cmapName, "New-H");
  EXPECT_EQ(cmap_.cmapVersion, 2.5);
  EXPECT_EQ(cmap_.supplement, 6);
  EXPECT_EQ(cmap_.uidOffset, 12);
  EXPECT_EQ(cmap_.xuidCount, 6);
  EXPECT_EQ(cmap_.xuid, (std::array<int32_t, 20>{1, 2, 3, 4, -1, -1}));
  EXPECT_EQ(cmap_.registry, "Adobe");
  EXPECT_EQ(cmap_.ordering, "GB1");
  EXPECT_EQ(cmap_.wMode, 0);
  EXPECT_EQ(cmap_.notice, "Notice");
  f.vertical = true;
  ASSERT_TRUE(storeHeaderFields(f, cmap_));
  EXPECT_EQ(cmap_.wMode, 1);
}

TEST_F(CMapHeaderDialog, XuidKeepsTwentyValues) {
  std::array<int32_t, 20> values{};
  EXPECT_EQ(parseXuidText("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22", values), 20);
  EXPECT_EQ(values[19], 20);
  EXPECT_EQ(parseXuidText("", values), 0);
}

TEST_F(CMapHeaderDialog, VersionOutsideItsRangeIsRefused) {
  CMapHeaderFields f = headerFields(cmap_);
  f.name = "Changed";
  for (double version : {-0.001, 1.1e40}) {
    f.version = version;
    EXPECT_FALSE(storeHeaderFields(f, cmap_)) << version;
  }
  EXPECT_EQ(cmap_.cmapName, "");
  f.version = 1e40;
  EXPECT_TRUE(storeHeaderFields(f, cmap_));
}

TEST_F(CMapHeaderDialog, ButtonsBaseAndDebaseAtOnce) {
  test::TempFolder folder;
  test::writeFile(folder / "H.cmp",
                  test::cmapText("1 begincidrange <20> <21> 5 endcidrange", "Test-H"));
  CMapHeaderFields f = headerFields(cmap_);
  EXPECT_FALSE(f.debaseEnabled());
  ASSERT_TRUE(baseFromHeader(cmap_, {"Test-H", folder / "H.cmp"}, f));
  EXPECT_EQ(f.basedOn, "Test-H");
  EXPECT_EQ(f.fromFile, (folder / "H.cmp").string());
  EXPECT_EQ(cmap_.Lookup(0, 0x21), 6);
  debaseFromHeader(cmap_, f);
  EXPECT_EQ(f.basedOn, "");
  EXPECT_EQ(f.fromFile, "");
  EXPECT_FALSE(cmap_.IsBased());
  EXPECT_EQ(cmap_.Lookup(0, 0x21), 6);
}

}  // namespace
}  // namespace sorvella
