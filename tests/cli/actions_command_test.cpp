// actions run as a user runs it: every action's summary printed, the glyphs changed in the
// font file and their thumbnails in the index file, and programs that can't be read refused.
#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "cidfont/thumbnail.h"
#include "cli/cli_run.h"
#include "glyph/native_font_file.h"
#include "support/sample_subset_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::runCli;

class ActionsCommandTest : public ::testing::Test {
 protected:
  // Font 1: two squares x 100..600, y 0..500.
  void SetUp() override {
    const fs::path file = test::writeSampleFont(folder_ / "squares.vtb", "Squares", {"a", "b"});
    ASSERT_EQ(runCli("new " + test::quoted(folder_ / "MINCHO")).status, 0);
    ASSERT_EQ(runCli("add " + test::quoted(index_) + " " + test::quoted(file)).status, 0);
  }
  test::CliResult actions(const std::string& font, const std::string& program) {
    return runCli("actions " + test::quoted(index_) + " " + font + " --program " +
                  test::quoted(program));
  }

  test::CliFolder folder_;
  fs::path index_ = folder_ / "MINCHO" / "MINCHO.sqf";
  fs::path fontFile_ = folder_ / "MINCHO" / "MINC0000.vtb";
  std::string tooLong_ = [] {
    std::string p;
    for (int i = 0; i < 109; ++i) p += "autohint;";
    return p;
  }();
};

TEST_F(ActionsCommandTest, PrintsEverySummaryRunsTheProgramAndRemakesThumbnails) {
  const test::CliResult r =
      actions("all",
              "shift 10 0; scale 50 50; rotate 90 0 0; slant 12 0; autohint; remove-hints v; "
              "remove-overlap; sidebearings 80 80; width 600; weight 10 10 D R; outline 20 20 D -");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(r.output.starts_with(
      "Shift by (10, 0)\nScale by (50.00%, 50.00%)\nRotate on 90.00 deg. around (0, 0)\n"
      "Slant on 12.00 deg. base on (0)\nAutohint\nRemove hints (V)\nRemove overlap\n"
      "Sidebearings L: 80, R: 80\nSet width = 600\nWeight H: 10, V: 10, D, R\n"
      "Outline H: 20, V: 20, D, -\n2 glyphs transformed.\nSaved "))
      << r.output;
  std::unique_ptr<SubsetFont> f = ReadNativeFont(fontFile_);
  EXPECT_EQ(f->glyph(1)->contourCount(), 2);  // the outline band
  EXPECT_EQ(f->glyph(1)->advance(0), (Point{600, 0}));
  const CharacterRecord after = ReadBinaryIndex(index_).font->records().at(1);
  EXPECT_EQ(after.thumbnail, makeThumbnail(*f->glyph(1), 900, -200));
}

TEST_F(ActionsCommandTest, ProgramsThatCannotBeReadAreRefusedBeforeAnythingChanges) {
  const std::string original = test::readFile(fontFile_);
  const std::pair<std::string, std::string> cases[] = {
      {"width 600 7", "The action \"width 600 7\" can't be read: it takes 1 numbers."},
      {"weight 1 1 R", "The action \"weight 1 1 R\" can't be read: R is not one of D, -."},
      {" ; ", "The program holds no action."},
      {tooLong_, "A program holds at most 108 actions."}};
  for (const auto& [program, message] : cases) {
    const test::CliResult r = actions("1", program);
    EXPECT_EQ(r.status, 2) << program;
    EXPECT_EQ(r.output, message + "\n");
  }
  EXPECT_EQ(actions("2", "autohint").status, 1);
  EXPECT_EQ(test::readFile(fontFile_), original);
}

}  // namespace
}  // namespace sorvella
