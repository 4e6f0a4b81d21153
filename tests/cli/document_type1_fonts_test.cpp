// The batch tool with real Type 1 fonts: added as subset fonts, placed, and exported as a
// Type 1 font and as a CIDFont that AFDKO's tx reads back.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "cli/cli_run.h"
#include "support/peer_tool.h"
#include "support/temp_folder.h"
#include "support/tx_metrics.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

using test::kTx;
constexpr const char* kSans = "/usr/share/fonts/X11/Type1/NimbusSans-Regular.pfb";
constexpr const char* kRoman = "/usr/share/fonts/X11/Type1/NimbusRoman-Bold.pfb";
constexpr const char* kSymbol = "/usr/share/fonts/X11/Type1/StandardSymbolsPS.pfb";

// Advance and box as tx prints them.
std::array<int, 5> shape(const test::TxGlyph& g) {
  return {g.width, g.left, g.bottom, g.right, g.top};
}

class DocumentTypeOneFonts : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(kTx));
    index_ = (folder_ / "FONT" / "FONT.sqf").string();
    ASSERT_EQ(test::runCli("new " + (folder_ / "FONT").string()).status, 0);
    test::CliResult added = test::runCli("add " + index_ + " " + kSans + " " + kRoman);
    ASSERT_EQ(added.status, 0) << added.output;
  }
  test::CliFolder folder_;
  std::string index_;
};

// Each exported font reads in tx with the metrics of its source, its .afm beside it, and
// keeps its encoding: the standard one, or the symbol font's own, through the font folder.
TEST_F(DocumentTypeOneFonts, ExportedType1FontsReadInTxWithTheirMetricsAndEncodings) {
  ASSERT_EQ(test::runCli("add " + index_ + " " + kSymbol).status, 0);
  for (const char* n : {"1", "3"}) {
    test::CliResult r = test::runCli("export-font " + index_ + " " + n + " " + index_ + n + ".pfb");
    ASSERT_EQ(r.status, 0) << r.output;
  }
  EXPECT_TRUE(fs::exists(index_ + "1.inf"));
  EXPECT_NE(test::readFile(index_ + "1.afm").find("\nC 65 ; WX 667 ; N A ; "), std::string::npos);
  auto ours = test::checkedTxMetrics(index_ + "1.pfb");
  auto theirs = test::checkedTxMetrics(kSans);
  for (const char* glyph : {"A", "g", "Aacute", "ampersand"}) {
    ASSERT_EQ(ours.count(glyph), 1u) << glyph;
    EXPECT_EQ(shape(ours[glyph]), shape(theirs[glyph])) << glyph;
  }
  auto symbol = test::checkedTxMetrics(index_ + "3.pfb");
  auto source = test::checkedTxMetrics(kSymbol);
  ASSERT_EQ(symbol.size(), source.size());
  for (const auto& [name, glyph] : source) EXPECT_EQ(symbol[name].encoding, glyph.encoding) << name;
}

TEST_F(DocumentTypeOneFonts, ExportedCidFontShowsThePlacedGlyphsAtTheirCids) {
  ASSERT_EQ(test::runCli("place " + index_ + " 0 9 1").status, 0);
  std::string cid = (folder_ / "out.cid").string();
  test::CliResult r = test::runCli("export " + index_ + " " + cid);
  ASSERT_EQ(r.status, 0) << r.output;
  auto mtx = test::checkedTxMetrics(cid);
  // The first unplaced characters are the font's first glyphs, in CharStrings order.
  ASSERT_EQ(mtx.count("1"), 1u);
  EXPECT_EQ(shape(mtx["1"]), shape(test::checkedTxMetrics(kSans)["A"]));
  EXPECT_EQ(mtx.count("11"), 0u);
}

}  // namespace
}  // namespace sorvella
