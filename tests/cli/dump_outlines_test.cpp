// `dump --outlines`: every glyph's nodes, hints, hint replacement program and smooth and fixed
// nodes, in native fonts, Type 1 fonts and CIDFonts alike.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "glyph/native_font_file.h"
#include "support/path_glyph.h"

namespace sorvella {
namespace {

using nlohmann::json;

class DumpOutlines : public ::testing::Test {
 protected:
  // One glyph of every node kind: a cubic contour and a quadratic one.
  void SetUp() override {
    auto g = std::make_unique<Glyph>(test::pathGlyph(
        "M 10 20 L 300 20 C 350 100 350 300 300 400 L 10 400 M 500 0 O 600 0 O 600 100 L 500 100"));
    g->setName("mixed");
    g->setConnection(1, node_flag::kSmooth);
    g->setConnection(2, node_flag::kFixed);
    GlyphHints& hints = g->hints().emplace();
    hints.horizontal = {{{{20, 380}}}, {{{0, 100}}}};
    hints.vertical = {{{{10, 290}}}};
    hints.replacement = {{1, 0}, {2, 0}, {255, 4}, {1, 1}};
    SubsetFont font;
    font.appendSlot(std::move(g));
    path_ = folder_ / "MIXED.vtb";
    ASSERT_TRUE(WriteNativeFont(path_, font, native_font_flag::kFullInfo));
  }

  test::CliFolder folder_;
  std::filesystem::path path_;
};

TEST_F(DumpOutlines, NativeGlyphCarriesItsNodesHintsAndProgram) {
  test::CliResult r = test::runCli("dump --json --outlines " + path_.string());
  ASSERT_EQ(r.status, 0) << r.output;
  const json g = json::parse(r.output)["glyphs"][0];
  EXPECT_EQ(g["contours"], json::parse(R"([
      [["M", 10, 20], ["L", 300, 20], ["C", 350, 100, 350, 300, 300, 400], ["L", 10, 400]],
      [["M", 500, 0], ["O", 600, 0], ["O", 600, 100], ["L", 500, 100]]])"));
  EXPECT_EQ(g["hints"], json::parse(R"({"h": [[20, 380], [0, 100]], "v": [[10, 290]]})"));
  EXPECT_EQ(g["replacement"], json::parse("[[1, 0], [2, 0], [255, 4], [1, 1]]"));
  EXPECT_EQ(g["smooth"], json::parse("[1]"));
  EXPECT_EQ(g["fixed"], json::parse("[2]"));
  EXPECT_EQ(g["nodes"], 8);
}

TEST_F(DumpOutlines, ReadableFormListsThemWithoutTheFlagContoursAreCounted) {
  test::CliResult r = test::runCli("dump --outlines " + path_.string());
  for (const char* line :
       {"    M10,20 L300,20 C350,100,350,300,300,400 L10,400\n",
        "    M500,0 O600,0 O600,100 L500,100\n", "    hints h 20,380 0,100 v 10,290\n",
        "    replacement 1,0 2,0 255,4 1,1\n", "    smooth 1\n", "    fixed 2\n"})
    EXPECT_NE(r.output.find(line), std::string::npos) << line << "in\n" << r.output;
  const json g = json::parse(test::runCli("dump --json " + path_.string()).output)["glyphs"][0];
  EXPECT_EQ(g["contours"], 2);
  EXPECT_FALSE(g.contains("hints"));
}

}  // namespace
}  // namespace sorvella
