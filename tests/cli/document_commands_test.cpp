// The document subcommands run as a user runs them: a font folder made, filled with native
// fonts, arranged, exported and arranged back, fonts removed, and folders with lost files.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/cid_font_messages.h"
#include "cli/cli_run.h"
#include "support/cid_fixtures.h"
#include "support/sample_subset_font.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::runCli;

// cid -> (font, glyph) of every placed character.
using Arrangement = std::map<int32_t, std::pair<int, int>>;

class DocumentCommandsTest : public ::testing::Test {
 protected:
  std::string q(const fs::path& p) { return "'" + p.string() + "'"; }

  // A new folder MINCHO with fonts of the given glyph counts named Font1, Font2, ...
  void makeFont(const std::vector<int>& glyphCounts) {
    ASSERT_EQ(runCli("new " + q(folder_ / "MINCHO")).status, 0);
    std::string files;
    for (std::size_t i = 0; i < glyphCounts.size(); ++i) {
      std::vector<std::string> names;
      for (int g = 0; g < glyphCounts[i]; ++g) names.push_back("g" + std::to_string(g));
      fs::path file = test::writeSampleFont(folder_ / ("src" + std::to_string(i) + ".vtb"),
                                            "Font" + std::to_string(i + 1), names);
      files += " " + q(file);
    }
    test::CliResult r = runCli("add " + q(index_) + files);
    ASSERT_EQ(r.status, 0) << r.output;
  }

  void run(const std::string& args) {
    test::CliResult r = runCli(args);
    ASSERT_EQ(r.status, 0) << args << "\n" << r.output;
  }

  std::unique_ptr<CCidFont> readBack() {
    BinaryIndexReadResult read = ReadBinaryIndex(index_);
    EXPECT_TRUE(read.opened);
    read.font->RebuildTables();
    return std::move(read.font);
  }

  Arrangement arrangement() {
    std::unique_ptr<CCidFont> font = readBack();
    Arrangement placed;
    for (const CharacterRecord& r : font->records())
      if (r.cid >= 0) placed[r.cid] = {r.font, r.glyph};
    return placed;
  }

  test::CliFolder folder_;
  fs::path index_ = folder_ / "MINCHO" / "MINCHO.sqf";
};

class NewAddAndArrange : public DocumentCommandsTest {};

// A font with unplaced characters and a locked one whose characters are all placed.
TEST_F(NewAddAndArrange, InfoShowsTheLegendAndEveryFont) {
  using namespace cid_font_text;
  makeFont({3, 2});
  run("place " + q(index_) + " 3 4 0");
  run("lock " + q(index_) + " 2");
  test::CliResult r = runCli("info " + q(index_));
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output,
            formatText(kSummary, 5, 2) + "\n" +
                formatText(kFontWithUnplaced, 1, "Font1", "MINC0000.vtb", 3, 3, kNotLocked) + "\n" +
                formatText(kFontAllPlaced, 2, "Font2", "MINC0001.vtb", 2, kLocked) + "\n");
}

TEST_F(NewAddAndArrange, ArrangementSurvivesExportClearAndImport) {
  makeFont({3, 2});
  run("place " + q(index_) + " 0 4 10");
  Arrangement placed = arrangement();
  ASSERT_EQ(placed.size(), 5u);
  EXPECT_EQ(placed[10], std::make_pair(0, 0));
  EXPECT_EQ(placed[14], std::make_pair(1, 1));

  run("copy " + q(index_) + " 10 11 20");
  run("move " + q(index_) + " 12 12 30");
  run("swap " + q(index_) + " 13 13 31");
  run("clear " + q(index_) + " 14 14");
  placed = arrangement();
  EXPECT_EQ(placed[20], std::make_pair(0, 0));
  EXPECT_EQ(placed[21], std::make_pair(0, 1));
  EXPECT_EQ(placed[30], std::make_pair(0, 2));
  EXPECT_EQ(placed[31], std::make_pair(1, 0));
  EXPECT_EQ(placed.count(12), 0u);
  EXPECT_EQ(placed.count(13), 0u);
  EXPECT_EQ(placed.count(14), 0u);

  fs::path sci = folder_ / "arrangement.sci";
  run("export " + q(index_) + " " + q(sci));
  ASSERT_TRUE(fs::exists(sci));
  run("clear " + q(index_) + " 0 100");
  EXPECT_TRUE(arrangement().empty());
  run("import-index " + q(index_) + " " + q(sci));
  EXPECT_EQ(arrangement(), placed);
}

TEST_F(NewAddAndArrange, CompactKeepsThePlacedCharactersAndThereIsNoExpand) {
  makeFont({2});
  run("place " + q(index_) + " 0 1 5");
  run("compact " + q(index_));
  Arrangement placed = arrangement();
  EXPECT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[5], std::make_pair(0, 0));
  EXPECT_EQ(placed[6], std::make_pair(0, 1));
  // The range top is not stored, so an expanded range could not be kept.
  EXPECT_EQ(runCli("expand " + q(index_) + " 50").status, 2);
}

TEST_F(NewAddAndArrange, CommandsSayWhatTheyWroteWhatLockedFontsKeptAndWhatIsNoCid) {
  makeFont({3, 2});
  EXPECT_EQ(runCli("place " + q(index_) + " 0 4 10").output,
            "Saved " + index_.string() + ": 2 subset fonts, 5 characters, 5 of them placed.\n");
  run("lock " + q(index_) + " 2");
  // Font 2 stays at CIDs 13 and 14; the move meets them at three of its pairs.
  for (const auto& [command, kept] : {std::pair{"clear %s 0 20", 2}, {"move %s 10 14 11", 3}}) {
    std::string out = runCli(formatText(command, q(index_).c_str())).output;
    EXPECT_NE(out.find("Note: " + std::to_string(kept) + " characters"), std::string::npos) << out;
  }
  for (const char* bad : {"-1", "99999999999999999999", "x"}) {
    test::CliResult r = runCli("clear " + q(index_) + " 0 " + bad);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find(std::string(bad) + " is not a CID"), std::string::npos) << r.output;
  }
}

TEST_F(NewAddAndArrange, NewFontLockAndExportFont) {
  makeFont({2});
  run("new-font " + q(index_) + " ' Index Font '");
  std::unique_ptr<CCidFont> font = readBack();
  ASSERT_EQ(font->subsetFontCount(), 2);
  EXPECT_EQ(font->subsetFont(1).name(), "IndexFont");

  run("lock " + q(index_) + " all");
  EXPECT_TRUE(readBack()->subsetFont(1).locked);
  run("unlock " + q(index_) + " 2");
  font = readBack();
  EXPECT_TRUE(font->subsetFont(0).locked);
  EXPECT_FALSE(font->subsetFont(1).locked);

  run("export-font " + q(index_) + " 1 " + q(folder_ / "copy.vtb"));
  EXPECT_TRUE(fs::exists(folder_ / "copy.vtb"));
  test::CliResult r = runCli("export-font " + q(index_) + " 1 " + q(folder_ / "copy.pfb"));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(fs::exists(folder_ / "copy.pfb"));
  EXPECT_TRUE(fs::exists(folder_ / "copy.afm"));
}

TEST_F(NewAddAndArrange, UnreadableFontIsSkippedAndTheOthersKept) {
  ASSERT_EQ(runCli("new " + q(folder_ / "MINCHO")).status, 0);
  fs::path bad = folder_.write("bad.vtb", "junk");
  fs::path good = test::writeSampleFont(folder_ / "good.vtb", "Good", {"a"});
  test::CliResult r = runCli("add " + q(index_) + " " + q(bad) + " " + q(good));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find(bad.string() + " can't be read as a base font. It is skipped."),
            std::string::npos)
      << r.output;
  EXPECT_EQ(readBack()->subsetFontCount(), 1);
}

class NewFolderCommand : public DocumentCommandsTest {};

TEST_F(NewFolderCommand, ExistingFolderNeedsReplace) {
  fs::create_directory(folder_ / "MINCHO");
  test::CliResult r = runCli("new " + q(folder_ / "MINCHO"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("already exists. You can replace it"), std::string::npos) << r.output;
  EXPECT_FALSE(fs::exists(index_));
  run("new --replace " + q(folder_ / "MINCHO"));
  EXPECT_TRUE(fs::exists(index_));
}

TEST_F(NewFolderCommand, ImportOfACidFontMakesLockedSubsetFontsWithCharactersAtTheirCids) {
  fs::path source = test::cidFixture("three-dicts.cid");
  ASSERT_TRUE(fs::exists(source)) << source;
  test::CliResult r = runCli("import " + q(source) + " " + q(folder_ / "THREE"));
  ASSERT_EQ(r.status, 0) << r.output;
  auto result = ReadBinaryIndex(folder_ / "THREE" / "THREE.sqf");
  ASSERT_TRUE(result.hadCharacterData);
  CCidFont& font = *result.font;
  font.RebuildTables();
  ASSERT_GE(font.subsetFontCount(), 3);
  for (const SubsetFontEntry& e : font.subsetFonts()) {
    EXPECT_TRUE(e.locked) << e.name();
    EXPECT_TRUE(fs::exists(folder_ / "THREE" / (e.fileStem() + ".vtb"))) << e.fileStem();
  }
  std::map<int, test::TxCidGlyph> tx = test::txCidMetrics(source);
  ASSERT_FALSE(tx.empty());
  for (const auto& [cid, glyph] : tx) {
    int32_t c = font.CharacterAt(cid);
    ASSERT_GE(c, 0) << "CID " << cid;
  }
  EXPECT_TRUE(font.unplaced().empty());
}

TEST_F(NewFolderCommand, ABrokenCidFontImportsNothing) {
  fs::path cid = folder_.write("Sample.cid", "%!");
  test::CliResult r = runCli("import " + q(cid) + " " + q(folder_ / "Sample"));
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_FALSE(fs::exists(folder_ / "Sample" / "Sample.sqf"));
  EXPECT_EQ(runCli("import " + q(folder_.write("x.txt", "")) + " " + q(folder_ / "X")).status, 2);
}

class RemoveCommand : public DocumentCommandsTest {};

TEST_F(RemoveCommand, KeepsTheFileUnlessAskedToDeleteIt) {
  makeFont({1, 2, 1});
  run("remove " + q(index_) + " 1");
  EXPECT_TRUE(fs::exists(folder_ / "MINCHO" / "MINC0000.vtb"));
  std::unique_ptr<CCidFont> font = readBack();
  ASSERT_EQ(font->subsetFontCount(), 2);
  EXPECT_EQ(font->subsetFont(0).name(), "Font2");
  EXPECT_EQ(font->characterCount(), 3);

  run("remove " + q(index_) + " 1 --delete-file");
  EXPECT_FALSE(fs::exists(folder_ / "MINCHO" / "MINC0001.vtb"));
  EXPECT_EQ(readBack()->subsetFont(0).name(), "Font3");
}

TEST_F(RemoveCommand, RefusesLockedAndUnknownFonts) {
  makeFont({1});
  run("lock " + q(index_) + " 1");
  test::CliResult r = runCli("remove " + q(index_) + " 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("Subset font 1 is locked and can't be removed."), std::string::npos);
  r = runCli("remove " + q(index_) + " 2");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("There is no subset font 2."), std::string::npos);
}

class MissingSubsetFontFiles : public DocumentCommandsTest {
 protected:
  void SetUp() override {
    makeFont({2, 3, 1});
    run("place " + q(index_) + " 0 5 0");
    fs::remove(folder_ / "MINCHO" / "MINC0001.vtb");
  }
};

TEST_F(MissingSubsetFontFiles, OpenFailsWithTheProgramsText) {
  test::CliResult r = runCli("info " + q(index_));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("Sorvella can't find the following subset font files:\n\nMINC0001.VTB\n"
                          "\nWhat do you want to do?"),
            std::string::npos)
      << r.output;
}

TEST_F(MissingSubsetFontFiles, IgnoreKeepsEveryFont) {
  test::CliResult r = runCli("info --missing=ignore " + q(index_));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("6 characters in 3 subset fonts"), std::string::npos) << r.output;
}

TEST_F(MissingSubsetFontFiles, DeleteRenumbersTheLaterFonts) {
  run("lock --missing=delete " + q(index_) + " all");
  Arrangement placed = arrangement();
  Arrangement expected{{0, {0, 0}}, {1, {0, 1}}, {5, {1, 0}}};
  EXPECT_EQ(placed, expected);
  std::unique_ptr<CCidFont> font = readBack();
  ASSERT_EQ(font->subsetFontCount(), 2);
  EXPECT_EQ(font->subsetFont(1).fileStem(), "MINC0002");
}

}  // namespace
}  // namespace sorvella
