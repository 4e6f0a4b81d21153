// The batch tool with real Type 1 fonts: added as subset fonts, placed, and exported as a
// Type 1 font and as a CIDFont that AFDKO's tx reads back.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "support/peer_tools.h"
#include "support/temp_folder.h"
#include "support/tx_metrics.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

using test::kTx;
constexpr const char* kSans = "/usr/share/fonts/X11/Type1/NimbusSans-Regular.pfb";
constexpr const char* kRoman = "/usr/share/fonts/X11/Type1/NimbusRoman-Bold.pfb";
constexpr const char* kSymbol = "/usr/share/fonts/X11/Type1/StandardSymbolsPS.pfb";

// The "{name-or-cid,enc-or-fd,width,{box}}" entry tx -mtx prints for one glyph.
std::string txEntry(const std::string& mtx, const std::string& key) {
  std::size_t at = mtx.find("{" + key + ",");
  return at == std::string::npos ? "" : mtx.substr(at, mtx.find('\n', at) - at);
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
  std::string ours = test::commandOutput(std::string(kTx) + " -mtx " + index_ + "1.pfb");
  std::string theirs = test::commandOutput(std::string(kTx) + " -mtx " + kSans);
  for (const char* glyph : {"A", "g", "Aacute", "ampersand"}) {
    std::string a = txEntry(ours, glyph), b = txEntry(theirs, glyph);
    ASSERT_FALSE(a.empty()) << glyph << "\n" << ours.substr(0, 300);
    EXPECT_EQ(a.substr(a.find(',', a.find(',') + 1)), b.substr(b.find(',', b.find(',') + 1)))
        << glyph;
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
  std::string mtx = test::commandOutput(std::string(kTx) + " -mtx " + cid);
  std::string sans = test::commandOutput(std::string(kTx) + " -mtx " + kSans);
  // The first unplaced characters are the font's first glyphs, in CharStrings order.
  std::string a = txEntry(mtx, "1"), glyphA = txEntry(sans, "A");
  ASSERT_FALSE(a.empty()) << mtx.substr(0, 400);
  EXPECT_EQ(a.substr(a.find(',', a.find(',') + 1)),
            glyphA.substr(glyphA.find(',', glyphA.find(',') + 1)));
  EXPECT_TRUE(txEntry(mtx, "11").empty());
}

}  // namespace
}  // namespace sorvella
