// eps-export and eps-import run as a user runs them, on a font folder with one subset font.
#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "cli/cli_run.h"
#include "glyph/native_font_file.h"
#include "postscript/eps_exchange.h"
#include "support/sample_subset_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::quoted;
using test::runCli;

class EpsCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::path file = test::writeSampleFont(folder_ / "squares.vtb", "Squares", {"a", "b"});
    ASSERT_FALSE(file.empty());
    ASSERT_EQ(runCli("new " + quoted(folder_ / "MINCHO")).status, 0);
    ASSERT_EQ(runCli("add " + quoted(index_) + " " + quoted(file)).status, 0);
  }
  std::unique_ptr<SubsetFont> subsetFont() {
    return ReadNativeFont(folder_ / "MINCHO" / "MINC0000.vtb");
  }

  test::CliFolder folder_;
  fs::path index_ = folder_ / "MINCHO" / "MINCHO.sqf";
};

TEST_F(EpsCommandsTest, ExportWritesTheGlyphAndImportAddsItsPathsSelected) {
  const fs::path eps = folder_ / "a.eps";
  test::CliResult r = runCli("eps-export " + quoted(index_) + " 1 0 " + quoted(eps));
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(test::readFile(eps), epsText(*subsetFont()->glyph(0), 0));

  // A square over the whole em, added to glyph 1.
  const fs::path big = folder_ / "big.eps";
  test::writeFile(big, "%!PS-Adobe-3.0\n%%EndProlog\n0 -200 m 900 -200 L 900 900 L 0 900 L\n");
  const auto before = ReadBinaryIndex(index_).font->records();
  r = runCli("eps-import " + quoted(index_) + " 1 1 " + quoted(big));
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(r.output.starts_with("Added 4 nodes to glyph 1.\n")) << r.output;
  auto font = subsetFont();
  const Glyph& b = *font->glyph(1);
  ASSERT_EQ(b.nodeCount(), 8);
  EXPECT_EQ(b.point(4), (Point{0, -200}));
  EXPECT_EQ(b.point(6), (Point{900, 900}));
  EXPECT_EQ(font->glyph(0)->nodeCount(), 4);
  const auto after = ReadBinaryIndex(index_).font->records();
  EXPECT_EQ(after[0].thumbnail, before[0].thumbnail);
  EXPECT_NE(after[1].thumbnail, before[1].thumbnail);
}

TEST_F(EpsCommandsTest, RefusesBadFilesAndMissingGlyphsWithoutChangingTheFont) {
  const fs::path bad = folder_ / "bad.eps";
  test::writeFile(bad, "%!PS-Adobe-3.0\n%%EndProlog\n1 m\n");
  test::CliResult r = runCli("eps-import " + quoted(index_) + " 1 1 " + quoted(bad));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, std::string(eps_text::kCannotImport) + "\n");
  EXPECT_EQ(subsetFont()->glyph(1)->nodeCount(), 4);
  r = runCli("eps-export " + quoted(index_) + " 1 5 " + quoted(folder_ / "x.eps"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "There is no glyph 5 in subset font 1.\n");
  EXPECT_FALSE(fs::exists(folder_ / "x.eps"));
  r = runCli("eps-export " + quoted(index_) + " 1 0 " + quoted(folder_ / "none" / "x.eps" / "y"));
  EXPECT_EQ(r.status, 0) << r.output;  // missing folders are made
  test::writeFile(folder_ / "plain", "");
  r = runCli("eps-export " + quoted(index_) + " 1 0 " + quoted(folder_ / "plain" / "x.eps"));
  EXPECT_EQ(r.status, 1);
}

}  // namespace
}  // namespace sorvella
