// actions run as a user runs it: every action's summary printed, the glyphs changed in the
// font file and their thumbnails in the index file, and programs that can't be read refused.
#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "cidfont/thumbnail.h"
#include "cli/cli_run.h"
#include "glyph/native_font_file.h"
#include "outline/actions_program.h"
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
    ASSERT_FALSE(file.empty());
    ASSERT_EQ(runCli("new " + test::quoted(folder_ / "MINCHO")).status, 0);
    ASSERT_EQ(runCli("add " + test::quoted(index_) + " " + test::quoted(file)).status, 0);
  }
  test::CliResult actions(const std::string& font, const std::string& program) {
    return runCli("actions " + test::quoted(index_) + " " + font + " --program " +
                  test::quoted(program));
  }
  std::unique_ptr<SubsetFont> font() const { return ReadNativeFont(fontFile_); }

  test::CliFolder folder_;
  fs::path index_ = folder_ / "MINCHO" / "MINCHO.sqf";
  fs::path fontFile_ = folder_ / "MINCHO" / "MINC0000.vtb";
};

TEST_F(ActionsCommandTest, PrintsEverySummaryAndRunsTheProgram) {
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
  std::unique_ptr<SubsetFont> f = font();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->glyph(0)->contourCount(), 2);  // the outline band
  EXPECT_EQ(f->glyph(0)->advance(0), (Point{600, 0}));
}

TEST_F(ActionsCommandTest, ChangedGlyphsGetNewThumbnails) {
  const std::vector<CharacterRecord> before = ReadBinaryIndex(index_).font->records();
  const test::CliResult r = actions("1", "outline 60 60 - -");
  ASSERT_EQ(r.status, 0) << r.output;
  std::unique_ptr<SubsetFont> f = font();
  ASSERT_TRUE(f);
  Box box;
  f->glyph(1)->widenControlBox(0, box);
  EXPECT_EQ(box, (Box{40, -60, 660, 560}));
  const std::vector<CharacterRecord> after = ReadBinaryIndex(index_).font->records();
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[1].thumbnail, makeThumbnail(*f->glyph(1), 900, -200));
  EXPECT_NE(after[1].thumbnail, before[1].thumbnail);
}

TEST_F(ActionsCommandTest, ProgramsThatCannotBeReadAreRefusedBeforeAnythingChanges) {
  const std::string original = test::readFile(fontFile_);
  const struct {
    const char* program;
    const char* message;
  } cases[] = {
      {"shift 10", "The action \"shift 10\" can't be read: it takes 2 numbers."},
      {"width 600 7", "The action \"width 600 7\" can't be read: it takes 1 numbers."},
      {"grow 3", "The action \"grow 3\" can't be read: there is no action of that name."},
      {"scale 50 x", "The action \"scale 50 x\" can't be read: x is not a number."},
      {"weight 1 1 R", "The action \"weight 1 1 R\" can't be read: R is not one of D, -."},
      {"remove-hints x", "The action \"remove-hints x\" can't be read: x is not one of v, h, vh."},
      {" ; ", "The program holds no action."},
  };
  for (const auto& c : cases) {
    const test::CliResult r = actions("1", c.program);
    EXPECT_EQ(r.status, 2) << c.program;
    EXPECT_EQ(r.output, std::string(c.message) + "\n");
  }
  std::string tooLong;
  for (int i = 0; i <= ActionsProgram::kMaxActions; ++i) tooLong += "autohint;";
  EXPECT_EQ(actions("1", tooLong).output, "A program holds at most 108 actions.\n");
  EXPECT_EQ(actions("2", "autohint").status, 1);
  EXPECT_EQ(test::readFile(fontFile_), original);
}

}  // namespace
}  // namespace sorvella
