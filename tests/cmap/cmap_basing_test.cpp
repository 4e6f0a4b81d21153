// Basing a CMap on another: finding base CMap files, loading, applying and dropping the base.
#include <gtest/gtest.h>

#include <algorithm>

#include "cmap/code_map.h"
#include "cmap_test_text.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

class Basing : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::filesystem::path base_ = folder_ / "Base-H.cmp";

  void SetUp() override {
    test::writeFile(base_, test::cmapText("1 begincidrange <20> <7e> 1 endcidrange", "Base-H"));
  }
};

TEST_F(Basing, NotBasedLoadsNothingAndSucceeds) {
  CCodeMap cmap;
  EXPECT_TRUE(cmap.LoadBase());
  EXPECT_FALSE(cmap.hasBaseTable());
}

TEST_F(Basing, BasedWithoutPathFails) {
  CCodeMap cmap;
  cmap.baseName = "Base-H";
  EXPECT_FALSE(cmap.LoadBase());
  EXPECT_FALSE(cmap.hasBaseTable());
}

TEST_F(Basing, ApplyPutsTheBaseBeneathOwnMappings) {
  CCodeMap cmap;
  cmap.Set(0, 0x41, 500);
  cmap.baseName = "Base-H";
  cmap.basePath = base_;
  ASSERT_TRUE(cmap.LoadBase());
  EXPECT_EQ(cmap.BaseLookup(0, 0x41), 34);
  EXPECT_EQ(cmap.Lookup(0, 0x42), 65535);  // loading alone changes no entry
  cmap.ApplyBase();
  EXPECT_EQ(cmap.Lookup(0, 0x41), 500);
  EXPECT_EQ(cmap.Lookup(0, 0x42), 35);
  EXPECT_EQ(cmap.Lookup(0, 0x20), 1);
  EXPECT_EQ(cmap.CountInRow(0), 95);
}

TEST_F(Basing, FailedLoadKeepsTheBaseTable) {
  CCodeMap cmap;
  cmap.baseName = "Base-H";
  cmap.basePath = base_;
  ASSERT_TRUE(cmap.LoadBase());
  cmap.basePath = folder_ / "missing.cmp";
  EXPECT_FALSE(cmap.LoadBase());
  EXPECT_EQ(cmap.BaseLookup(0, 0x20), 1);
}

TEST_F(Basing, DebaseKeepsMergedMappings) {
  CCodeMap cmap;
  cmap.baseName = "Base-H";
  cmap.basePath = base_;
  ASSERT_TRUE(cmap.LoadBase());
  cmap.ApplyBase();
  cmap.Debase();
  EXPECT_FALSE(cmap.IsBased());
  EXPECT_EQ(cmap.basePath, "");
  EXPECT_FALSE(cmap.hasBaseTable());
  EXPECT_EQ(cmap.Lookup(0, 0x7E), 95);
  cmap.ApplyBase();  // without a base table nothing happens
  EXPECT_EQ(cmap.Lookup(0, 0x7F), 65535);
}

class FindingBaseFiles : public ::testing::Test {
 protected:
  struct Found {
    std::filesystem::path file;
    std::string name;
  };

  void write(const std::string& file, const std::string& text) {
    test::writeFile(folder_ / file, text);
  }

  std::vector<Found> find(CCodeMap& cmap, bool onlyMatching, std::size_t stopAfter = 1000) {
    std::vector<Found> found;
    cmap.FindBaseFiles(onlyMatching, folder_ / "Any.cmp",
                       [&](const std::filesystem::path& file, const std::string& name) {
                         found.push_back({file, name});
                         return found.size() >= stopAfter;
                       });
    return found;
  }

  test::TempFolder folder_;
};

TEST_F(FindingBaseFiles, OffersOnlyCMapsThatAreNotBased) {
  write("A.cmp", test::cmapText("1 begincidchar <20> 1 endcidchar", "Alpha"));
  write("B.CMP", test::cmapText("1 beginnotdefrange <00> <1f> 1 endnotdefrange", "Beta"));
  write("V.cmp", test::cmapText("/Alpha usecmap 1 begincidchar <20> 2 endcidchar", "Alpha-V"));
  write("C.txt", test::cmapText("1 begincidchar <20> 1 endcidchar", "NotACmpName"));
  write("N.cmp", test::cmapText("/CMapName 5 def 1 begincidchar <20> 1 endcidchar", "Num"));
  write("E.cmp", test::cmapText("/WMode 0 def", "NoMappings"));
  write("D.cmp", "%!PS-Adobe-3.0 Resource-CMap extra\n/CMapName /D def 1 begincidchar <20> 1");
  CCodeMap cmap;
  std::vector<Found> found = find(cmap, false);
  std::vector<std::string> names;
  for (const Found& f : found) {
    names.push_back(f.name);
    EXPECT_EQ(f.file.parent_path(), folder_.path());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(FindingBaseFiles, OnlyMatchingNamesIgnoringCase) {
  write("A.cmp", test::cmapText("1 begincidchar <20> 1 endcidchar", "Alpha"));
  write("B.cmp", test::cmapText("1 begincidchar <20> 1 endcidchar", "Beta"));
  CCodeMap cmap;
  cmap.baseName = "BETA";
  std::vector<Found> found = find(cmap, true);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].file, folder_ / "B.cmp");
  EXPECT_EQ(found[0].name, "Beta");
}

TEST_F(FindingBaseFiles, OnlyMatchingOnAnUnbasedCMapReportsFound) {
  CCodeMap cmap;
  cmap.basePath = "/somewhere/X.cmp";
  bool visited = false;
  EXPECT_TRUE(cmap.FindBaseFiles(true, folder_ / "Any.cmp", [&](auto&, auto&) {
    visited = true;
    return true;
  }));
  EXPECT_FALSE(visited);
  EXPECT_EQ(cmap.basePath, "");
}

TEST_F(FindingBaseFiles, VisitorStopsTheSearch) {
  for (int i = 0; i < 5; ++i)
    write("F" + std::to_string(i) + ".cmp",
          test::cmapText("1 begincidchar <20> 1 endcidchar", "F" + std::to_string(i)));
  CCodeMap cmap;
  EXPECT_EQ(find(cmap, false, 2).size(), 2u);
  EXPECT_TRUE(cmap.FindBaseFiles(false, folder_ / "x", [](auto&, auto&) { return true; }));
  EXPECT_FALSE(cmap.FindBaseFiles(false, folder_ / "x", [](auto&, auto&) { return false; }));
  EXPECT_FALSE(
      cmap.FindBaseFiles(false, folder_ / "none" / "x", [](auto&, auto&) { return true; }));
}

}  // namespace
}  // namespace sorvella
