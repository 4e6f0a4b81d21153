// The Type 1 font writer: tx reads every written .pfb with our advances and boxes, detype1
// shows the hsbw, stems and hint replacement of hand-built glyphs, odd fonts still write,
// and the same font always gives the same bytes.
#include "postscript/type1_font_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/peer_tool.h"
#include "support/sample_fonts.h"
#include "support/temp_folder.h"
#include "support/tx_metrics.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class Type1Export : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::peerAvailable(test::kTx)) << test::kTx << " is missing (afdko)";
    ASSERT_TRUE(test::peerAvailable(test::kDetype1)) << test::kDetype1 << " is missing (afdko)";
  }

  fs::path write(const SubsetFont& font, const std::string& name = "font.pfb") {
    const fs::path path = folder_ / name;
    EXPECT_TRUE(writeType1Font(font, path));
    return path;
  }

  // The charstring of one glyph as detype1 prints it, from "hsbw" operands to "endchar".
  std::string disassembly(const fs::path& path, const std::string& glyph) {
    const test::PeerRun run = test::runPeer(test::kDetype1, {path.string()});
    EXPECT_EQ(run.status, 0) << run.out;
    std::string words;
    const std::size_t at = run.out.find("/" + glyph + " ## RD {");
    if (at == std::string::npos) return "<no " + glyph + ">";
    const std::size_t begin = run.out.find('{', at) + 1;
    const std::size_t end = run.out.find('}', begin);
    std::string word;
    for (char c : run.out.substr(begin, end - begin)) {
      if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
        if (!word.empty()) words += (words.empty() ? "" : " ") + word;
        word.clear();
      } else {
        word += c;
      }
    }
    return words;
  }

  // Every glyph of the font: tx's width equals its advance, tx's box its box within 1 unit.
  void expectMetricsOf(const SubsetFont& font,
                       const std::map<std::string, test::TxGlyph>& metrics) {
    for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
      const Glyph* glyph = font.glyph(slot);
      if (glyph == nullptr) continue;
      auto found = metrics.find(glyph->name());
      ASSERT_NE(found, metrics.end()) << glyph->name();
      const test::TxGlyph& tx = found->second;
      EXPECT_EQ(tx.width, glyph->advance(0).x) << glyph->name();
      if (glyph->empty()) continue;
      const Box box = glyph->boundingBox();
      EXPECT_NEAR(tx.left, box.xMin, 1) << glyph->name();
      EXPECT_NEAR(tx.bottom, box.yMin, 1) << glyph->name();
      EXPECT_NEAR(tx.right, box.xMax, 1) << glyph->name();
      EXPECT_NEAR(tx.top, box.yMax, 1) << glyph->name();
    }
  }

  test::TempFolder folder_;
};

// A segmented .pfb, the same bytes every time, that tx reads with our advances, boxes and codes.
TEST_F(Type1Export, TxReadsTheSampleFontWithItsAdvancesBoxesAndCodes) {
  const SubsetFont font = test::sampleFont();
  const fs::path path = write(font, "one.pfb");
  const std::string bytes = test::readFile(path);
  ASSERT_GT(bytes.size(), 20u);
  EXPECT_EQ(bytes.substr(0, 2), "\x80\x01");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\x80\x03");
  EXPECT_EQ(bytes, test::readFile(write(font, "two.pfb")));
  const auto metrics = test::checkedTxMetrics(path);
  EXPECT_EQ(metrics.size(), 5u);  // four glyphs and the added .notdef
  expectMetricsOf(font, metrics);
  EXPECT_EQ(metrics.at(".notdef").width, 0);
  EXPECT_EQ(metrics.at("A").encoding, "0x41");
  EXPECT_EQ(metrics.at("space").encoding, "0x20");
  EXPECT_EQ(metrics.at("O").encoding, "0x4F");
  EXPECT_EQ(metrics.at("H").encoding, "-");
}

TEST_F(Type1Export, EncodingNumberOneIsStandardEncoding) {
  SubsetFont font = test::sampleFont();
  font.encoding().number = 1;
  const fs::path path = write(font);
  const std::string bytes = test::readFile(path);
  EXPECT_NE(bytes.find("/Encoding StandardEncoding def"), std::string::npos);
  const auto metrics = test::checkedTxMetrics(path);
  EXPECT_EQ(metrics.at("H").encoding, "0x48");  // where StandardEncoding has H
}

TEST_F(Type1Export, DetypeShowsSideBearingStemsAndShortForms) {
  const fs::path path = write(test::sampleFont());
  // Side bearing 50 (the leftmost x), stems relative to it, then the 12 lines as h/v forms
  // from (50, 0); the closing line back to the start is left to closepath.
  EXPECT_EQ(disassembly(path, "H"),
            "50 600 hsbw 300 100 hstem 0 100 vstem 400 100 vstem 0 hmoveto 100 hlineto "
            "300 vlineto 300 hlineto -300 vlineto 100 hlineto 700 vlineto -100 hlineto "
            "-300 vlineto -300 hlineto 300 vlineto -100 hlineto closepath endchar");
  // From (50, 350): up-right quarter starts vertical and ends horizontal, and so on.
  EXPECT_EQ(disassembly(path, "O"),
            "50 700 hsbw 350 vmoveto 193 134 157 166 vhcurveto 166 134 -157 -193 hvcurveto "
            "-193 -134 -157 -166 vhcurveto -166 -134 157 193 hvcurveto closepath endchar");
}

TEST_F(Type1Export, HintReplacementSwitchesStemsThroughASubroutine) {
  SubsetFont font = test::sampleFont();
  Glyph* h = font.glyph(4);
  // First set: left stem and bar; from node 6 on (the line up the right stem): right stem.
  h->hints()->replacement = {{hint_kind::kHorizontal, 0},
                             {hint_kind::kVertical, 0},
                             {hint_kind::kReplacementPoint, 6},
                             {hint_kind::kVertical, 1}};
  const fs::path path = write(font);
  // The four standard subroutines come first.
  const test::PeerRun run = test::runPeer(test::kDetype1, {path.string()});
  for (const char* subroutine :
       {"dup 0 ## RD { 3 0 callother pop pop setcurrentpoint return } NP",
        "dup 1 ## RD { 0 1 callother return } NP", "dup 2 ## RD { 0 2 callother return } NP",
        "dup 3 ## RD { return } NP", "dup 4 ## RD { 400 100 vstem return } NP"})
    EXPECT_NE(run.out.find(subroutine), std::string::npos) << subroutine;
  const std::string words = disassembly(path, "H");
  EXPECT_EQ(words,
            "50 600 hsbw 300 100 hstem 0 100 vstem 0 hmoveto 100 hlineto 300 vlineto "
            "300 hlineto -300 vlineto 100 hlineto 4 1 3 callother pop callsubr "
            "700 vlineto -100 hlineto -300 vlineto -300 hlineto 300 vlineto -100 hlineto "
            "closepath endchar");
  expectMetricsOf(font, test::checkedTxMetrics(path));
}

TEST_F(Type1Export, QuadraticOutlinesAreRaisedToCubic) {
  SubsetFont font;
  font.info().setText(FontText::kFontName, "Quads");
  // A rounded square of four quadratic pieces, and one with two off-curve points in a row.
  font.appendSlot(
      test::glyphOf("round", 500,
                    {Node::move({200, 0}), Node::offCurve({400, 0}), Node::line({400, 200}),
                     Node::offCurve({400, 400}), Node::line({200, 400}), Node::offCurve({0, 400}),
                     Node::line({0, 200}), Node::offCurve({0, 0})}));
  font.appendSlot(
      test::glyphOf("wave", 600,
                    {Node::move({0, 0}), Node::offCurve({100, 301}), Node::offCurve({301, -200}),
                     Node::line({500, 0}), Node::line({250, -50})}));
  const fs::path path = write(font);
  expectMetricsOf(font, test::checkedTxMetrics(path));
  // (200,0) through (400,0) to (400,200): controls 2/3 of the way to the quadratic control,
  // (333.3, 0) and (400, 66.7), rounded.
  EXPECT_EQ(disassembly(path, "round").substr(0, 72),
            "0 500 hsbw 200 hmoveto 133 67 67 133 hvcurveto 133 -67 67 -133 vhcurveto");
}

TEST_F(Type1Export, CompositesAreFlattened) {
  SubsetFont font = test::sampleFont();
  auto composite = test::glyphOf("Aring", 500, {});
  Component base;
  base.glyphIndex = 0;
  base.offset = {{0, 0}};
  base.scale = {ComponentScale{}};
  Component ring;
  ring.glyphIndex = 3;
  ring.offset = {{200, 750}};
  ring.scale = {ComponentScale{0.2, 0.2}};
  composite->components() = {base, ring};
  font.appendSlot(std::move(composite));
  const auto metrics = test::checkedTxMetrics(write(font));
  const test::TxGlyph& aring = metrics.at("Aring");
  EXPECT_EQ(aring.width, 500);
  // A's box 10 0 490 700 and O's scaled to a fifth and shifted: 210 750 330 890.
  EXPECT_EQ(aring.left, 10);
  EXPECT_EQ(aring.bottom, 0);
  EXPECT_EQ(aring.right, 490);
  EXPECT_EQ(aring.top, 890);
}

TEST_F(Type1Export, EmptySlotsAndGlyphsWithoutContoursWrite) {
  SubsetFont font;
  EXPECT_EQ(test::checkedTxMetrics(write(font, "none.pfb")).size(), 1u);  // .notdef alone
  font.info().setText(FontText::kFontName, "Blank");
  font.appendSlot(nullptr);
  font.appendSlot(test::glyphOf("space", 250, {}));
  font.appendSlot(nullptr);
  font.appendSlot(test::glyphOf("nbsp", 250, {}));
  const auto metrics = test::checkedTxMetrics(write(font));
  EXPECT_EQ(metrics.size(), 3u);
  EXPECT_EQ(metrics.at("nbsp").width, 250);
}

TEST_F(Type1Export, OddFontsStillWriteSomethingTxReads) {
  SubsetFont font;
  font.info().setText(FontText::kFontName, "Odd Name (1)\x81");
  font.info().setText(FontText::kFullName, "Full) \\ (Name\x01\xff");
  font.info().setText(FontText::kNotice, "Notice with ) and ( and \\");
  font.master(0).privateValues.fontMatrix = {0, 0, 0, 0, 0, 0};
  font.info().zoneCounts.blueValues = 200;  // more than the array holds
  font.appendSlot(test::glyphOf("huge", 32000,
                                {Node::move({-32768, -32768}), Node::line({32767, 32767}),
                                 Node::curve({-32768, 32767}, {32767, -32768}, {-32768, 0})}));
  font.appendSlot(test::glyphOf("same name", 100, {Node::move({0, 0}), Node::line({10, 10})}));
  font.appendSlot(test::glyphOf("samename", 100, {Node::move({0, 0}), Node::line({20, 20})}));
  font.appendSlot(test::glyphOf("lone", 100, {Node::line({5, 5}), Node::offCurve({8, 0})}));
  auto loop = test::glyphOf("loop", 100, {Node::move({0, 0}), Node::line({10, 0})});
  Component self;
  self.glyphIndex = 4;  // itself
  self.offset = {{1, 1}};
  self.scale = {ComponentScale{}};
  loop->components().assign(10, self);  // ten times itself: expanding it would never end
  font.appendSlot(std::move(loop));
  const fs::path path = write(font);
  const test::PeerRun run = test::runPeer(test::kTx, {"-mtx", path.string()});
  EXPECT_EQ(run.status, 0) << run.out;
  const auto metrics = test::parseTxMetrics(run.out);
  EXPECT_EQ(metrics.at("huge").width, 32000);
  EXPECT_EQ(metrics.at("huge").left, -32768);
  EXPECT_EQ(metrics.at("huge").top, 32767);
  EXPECT_EQ(metrics.at("samename").right, 10);
  EXPECT_EQ(metrics.at("glyph2").right, 20);
  EXPECT_EQ(metrics.at("loop").right, 10);  // its own outline only
  const test::PeerRun dump = test::runPeer(test::kTx, {"-dump", "-0", path.string()});
  EXPECT_NE(dump.out.find("OddName1"), std::string::npos) << dump.out;
}

TEST_F(Type1Export, TxDumpShowsNamesAndPrivateValues) {
  SubsetFont font = test::sampleFont();
  font.info().zoneCounts.stemSnapV = 2;
  font.master(0).privateValues.stemSnapV[0] = 88;
  font.master(0).privateValues.stemSnapV[1] = 96;
  font.master(0).privateValues.forceBold = 1;
  const test::PeerRun run = test::runPeer(test::kTx, {"-dump", "-0", write(font).string()});
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string dump = test::collapsedDump(run.out);
  for (const char* expected :
       {"FontName \"SampleSans\"", "FullName \"Sample Sans\"", "FamilyName \"Sample\"",
        "Weight \"Bold\"", "ItalicAngle -12.5", "UniqueID 4001234", "BlueValues {-15,0,700,715}",
        "StdHW 100", "StdVW 88", "StemSnapV {88,96}", "ForceBold true"})
    EXPECT_NE(dump.find(expected), std::string::npos) << expected << "\n" << dump;
}

TEST_F(Type1Export, CancelOrAnUnwritablePathWritesNothing) {
  const SubsetFont font = test::sampleFont();
  const fs::path path = folder_ / "cancelled.pfb";
  EXPECT_FALSE(writeType1Font(font, path, 0, [](int kind, int64_t, int64_t) {
    return kind == kProgressCancelQuery ? 1 : 0;
  }));
  EXPECT_FALSE(fs::exists(path));
  fs::create_directory(folder_ / "taken.pfb");
  EXPECT_FALSE(writeType1Font(font, folder_ / "taken.pfb"));
}

}  // namespace
}  // namespace sorvella
