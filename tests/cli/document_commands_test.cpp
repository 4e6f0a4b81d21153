// The document subcommands run as a user runs them: a font folder made, filled with native
// fonts, arranged, fonts removed and locked, and folders with lost files.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/cid_font_messages.h"
#include "cidfont/document.h"
#include "cli/cli_run.h"
#include "cli/document_session.h"
#include "support/sample_subset_font.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::runCli;

// cid -> (font, glyph) of every placed character.
using Arrangement = std::map<int32_t, std::pair<int, int>>;

class DocumentCommandsTest : public ::testing::Test {
 protected:
  std::string q(const fs::path& p) { return test::quoted(p); }

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
  // Runs a command that fails; its output must hold `says`.
  void fails(const std::string& args, const std::string& says, int status = 1) {
    test::CliResult r = runCli(args);
    EXPECT_EQ(r.status, status) << args << "\n" << r.output;
    EXPECT_NE(r.output.find(says), std::string::npos) << args << "\n" << r.output;
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

TEST_F(NewAddAndArrange, PlaceCopyMoveSwapClearAndCompact) {
  makeFont({3, 2});
  EXPECT_EQ(runCli("place " + q(index_) + " 0 4 10").output,
            formatText(cli::kSavedIndex, index_.c_str(), 2, 5, 5) + "\n");
  run("copy " + q(index_) + " 10 11 20");
  run("move " + q(index_) + " 12 12 30");
  run("swap " + q(index_) + " 13 13 31");
  run("clear " + q(index_) + " 14 14");
  const Arrangement placed{{10, {0, 0}}, {11, {0, 1}}, {20, {0, 0}},
                           {21, {0, 1}}, {30, {0, 2}}, {31, {1, 0}}};
  EXPECT_EQ(arrangement(), placed);
  run("compact " + q(index_));
  EXPECT_EQ(arrangement(), placed);
  // The range top is not stored, so an expanded range could not be kept.
  EXPECT_EQ(runCli("expand " + q(index_) + " 50").status, 2);
}

TEST_F(NewAddAndArrange, CommandsSayWhatLockedFontsKeptAndWhatIsNoCid) {
  makeFont({3, 2});
  run("place " + q(index_) + " 0 4 10");
  run("lock " + q(index_) + " 2");
  // Font 2 stays at CIDs 13 and 14; the move meets them at three of its pairs.
  for (const auto& [command, kept] : {std::pair{"clear %s 0 20", 2}, {"move %s 10 14 11", 3}}) {
    std::string out = runCli(formatText(command, q(index_).c_str())).output;
    EXPECT_NE(out.find(formatText(cli::kLockedLeft, static_cast<long long>(kept))),
              std::string::npos)
        << out;
  }
  for (const char* bad : {"-1", "99999999999999999999", "x"})
    fails("clear " + q(index_) + " 0 " + bad, formatText(cli::kNotACid, bad), 2);
}

TEST_F(NewAddAndArrange, NewFontLockAndUnlock) {
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
}

TEST_F(NewAddAndArrange, UnreadableFontIsSkippedAndTheOthersKept) {
  ASSERT_EQ(runCli("new " + q(folder_ / "MINCHO")).status, 0);
  fs::path bad = folder_.write("bad.vtb", "junk");
  fs::path good = test::writeSampleFont(folder_ / "good.vtb", "Good", {"a"});
  fails("add " + q(index_) + " " + q(bad) + " " + q(good),
        formatText(document_text::kFontUnreadable, bad.c_str()));
  EXPECT_EQ(readBack()->subsetFontCount(), 1);
}

TEST_F(DocumentCommandsTest, NewOnAnExistingFolderNeedsReplace) {
  fs::create_directory(folder_ / "MINCHO");
  fails("new " + q(folder_ / "MINCHO"), "already exists. You can replace it");
  EXPECT_FALSE(fs::exists(index_));
  run("new --replace " + q(folder_ / "MINCHO"));
  EXPECT_TRUE(fs::exists(index_));
}

// The file stays unless asked to go; locked and unknown fonts are refused.
TEST_F(DocumentCommandsTest, RemoveKeepsTheFileUnlessAskedAndRefusesLockedFonts) {
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
  run("lock " + q(index_) + " 1");
  fails("remove " + q(index_) + " 1", formatText(document_text::kLockedFont, 1));
  fails("remove " + q(index_) + " 2", formatText(cli::kNoSuchSubsetFont, "2"));
}

// Without --missing the command fails with the program's text; "ignore" keeps every font,
// "delete" removes the lost one and renumbers the later fonts.
TEST_F(DocumentCommandsTest, MissingSubsetFontFiles) {
  makeFont({2, 3, 1});
  run("place " + q(index_) + " 0 5 0");
  fs::remove(folder_ / "MINCHO" / "MINC0001.vtb");
  fails("info " + q(index_), std::string(document_text::kMissingFilesIntro) + "\n\nMINC0001.VTB\n");
  test::CliResult r = runCli("info --missing=ignore " + q(index_));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output.rfind(formatText(cid_font_text::kSummary, 6, 3), 0), 0u) << r.output;
  run("lock --missing=delete " + q(index_) + " all");
  EXPECT_EQ(arrangement(), (Arrangement{{0, {0, 0}}, {1, {0, 1}}, {5, {1, 0}}}));
  std::unique_ptr<CCidFont> font = readBack();
  ASSERT_EQ(font->subsetFontCount(), 2);
  EXPECT_EQ(font->subsetFont(1).fileStem(), "MINC0002");
}

}  // namespace
}  // namespace sorvella
