// remove-overlap run as a user runs it: the subset font file rewritten with the cleaned
// glyphs, their thumbnails remade in the index file, and the counts printed.
#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "cidfont/thumbnail.h"
#include "cli/cli_run.h"
#include "glyph/native_font_file.h"
#include "glyph/outline_pen.h"
#include "support/sample_subset_font.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::runCli;

class RemoveOverlapCommandTest : public ::testing::Test {
 protected:
  // Font 1: glyph 0 a square with a second square over it, glyph 1 a plain square.
  void SetUp() override {
    auto font = test::sampleSubsetFont("Squares", {"a", "b"});
    OutlineBuilder pen(*font->glyph(0));
    pen.moveTo({300, 300});
    pen.lineTo({900, 300});
    pen.lineTo({900, 800});
    pen.lineTo({300, 800});
    pen.closePath();
    fs::path file = folder_ / "squares.vtb";
    ASSERT_TRUE(WriteNativeFont(file, *font, native_font_flag::kFullInfo));
    ASSERT_EQ(runCli("new " + test::quoted(folder_ / "MINCHO")).status, 0);
    ASSERT_EQ(runCli("add " + test::quoted(index_) + " " + test::quoted(file)).status, 0);
    before_ = ReadBinaryIndex(index_).font->records();
  }

  test::CliFolder folder_;
  fs::path index_ = folder_ / "MINCHO" / "MINCHO.sqf";
  std::vector<CharacterRecord> before_;
};

// Even-odd filling makes the squares' overlap a hole, which the thumbnail shows.
TEST_F(RemoveOverlapCommandTest, RewritesChangedGlyphsAndTheirThumbnails) {
  test::CliResult r = runCli("remove-overlap " + test::quoted(index_) + " all --mode 3");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(r.output.starts_with("1 glyphs changed, 0 failed.\nSaved ")) << r.output;
  std::unique_ptr<SubsetFont> font = ReadNativeFont(folder_ / "MINCHO" / "MINC0000.vtb");
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->glyph(0)->contourCount(), 2);
  EXPECT_EQ(font->glyph(0)->nodeCount(), 12);
  std::vector<CharacterRecord> after = ReadBinaryIndex(index_).font->records();
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0].thumbnail, makeThumbnail(*font->glyph(0), 900, -200));
  EXPECT_NE(after[0].thumbnail, before_[0].thumbnail);
  EXPECT_EQ(after[1].thumbnail, before_[1].thumbnail);

  // Non-zero filling keeps the hole, so nothing is left to change.
  r = runCli("remove-overlap " + test::quoted(index_) + " 1");
  EXPECT_EQ(r.output, "0 glyphs changed, 0 failed.\n");
}

TEST_F(RemoveOverlapCommandTest, RefusesUnknownFontsAndModes) {
  test::CliResult r = runCli("remove-overlap " + test::quoted(index_) + " 2");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "There is no subset font 2.\n");
  EXPECT_EQ(runCli("remove-overlap " + test::quoted(index_) + " 1 --mode 4").status, 2);
}

}  // namespace
}  // namespace sorvella
