// Basing a CMap on another: finding base CMap files, loading, applying and dropping the base.
// Real based CMaps are opened in cmap_real_files_test.
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

// The base goes beneath the CMap's own mappings only when applied; a load that fails keeps
// the table loaded before; debasing keeps the merged mappings.
TEST_F(Basing, LoadApplyAndDebase) {
  CCodeMap cmap;
  EXPECT_TRUE(cmap.LoadBase());  // not based: nothing to load
  cmap.Set(0, 0x41, 500);
  cmap.baseName = "Base-H";
  EXPECT_FALSE(cmap.LoadBase());  // based, but on no file
  EXPECT_FALSE(cmap.hasBaseTable());
  cmap.basePath = base_;
  ASSERT_TRUE(cmap.LoadBase());
  EXPECT_EQ(cmap.BaseLookup(0, 0x41), 34);
  EXPECT_EQ(cmap.Lookup(0, 0x42), CCodeMap::kNoCid);
  cmap.basePath = folder_ / "missing.cmp";
  EXPECT_FALSE(cmap.LoadBase());
  cmap.ApplyBase();
  EXPECT_EQ(cmap.Lookup(0, 0x41), 500);
  EXPECT_EQ(cmap.Lookup(0, 0x42), 35);
  EXPECT_EQ(cmap.CountInRow(0), 95);
  cmap.Debase();
  EXPECT_FALSE(cmap.IsBased() || cmap.hasBaseTable() || !cmap.basePath.empty());
  EXPECT_EQ(cmap.Lookup(0, 0x7E), 95);
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

TEST_F(FindingBaseFiles, OnlyMatchingNamesIgnoringCaseAndUntilTheVisitorStops) {
  for (const char* name : {"Alpha", "Beta", "Gamma", "Delta"})
    write(std::string(name) + ".cmp", test::cmapText("1 begincidchar <20> 1 endcidchar", name));
  CCodeMap cmap;
  EXPECT_EQ(find(cmap, false, 2).size(), 2u);
  EXPECT_FALSE(cmap.FindBaseFiles(false, folder_ / "x", [](auto&, auto&) { return false; }));
  EXPECT_FALSE(
      cmap.FindBaseFiles(false, folder_ / "none" / "x", [](auto&, auto&) { return true; }));
  cmap.baseName = "BETA";
  std::vector<Found> found = find(cmap, true);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].file, folder_ / "Beta.cmp");
  EXPECT_EQ(found[0].name, "Beta");
  // A CMap that is not based has its base found at once, and no base file.
  cmap.baseName.clear();
  cmap.basePath = "/somewhere/X.cmp";
  EXPECT_TRUE(cmap.FindBaseFiles(true, folder_ / "Any.cmp", nullptr));
  EXPECT_EQ(cmap.basePath, "");
}

}  // namespace
}  // namespace sorvella
