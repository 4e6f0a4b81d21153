// The metrics summary: character records in glyph order with codes, boxes and kerning, the
// font box, the encoding names and the values of the chosen master.
#include "postscript/metrics_summary.h"

#include <gtest/gtest.h>

#include "support/sample_fonts.h"

namespace sorvella {
namespace {

class SummaryOfSampleFont : public ::testing::Test {
 protected:
  SubsetFont font_ = test::sampleFont();
};

// The records, codes, boxes and kerning of the sample font as written are checked through its
// AFM file; here what that does not show.
TEST_F(SummaryOfSampleFont, CodesAreTheFirstOfANameAndUnnamedCodesGetPlaceholders) {
  font_.encoding().glyphNames[193] = "A";
  const MetricsSummary s = summarizeMetrics(font_);
  EXPECT_EQ(s.characters[0].code, 65);
  EXPECT_EQ(s.characters[1].slot, 2);
  EXPECT_EQ(s.encoding[66], ".0066");
  EXPECT_EQ(s.encoding[65], "A");
  SubsetFont empty;
  EXPECT_EQ(summarizeMetrics(empty).fontBox, (MetricsBox{32767, 32767, -32767, -32767}));
  EXPECT_TRUE(summarizeMetrics(empty).characters.empty());
}

TEST_F(SummaryOfSampleFont, KerningPointsAtRecordsAndCountsOnlyExistingRightGlyphs) {
  font_.glyph(0)->setKerning(1, -10);   // slot 1 is empty
  font_.glyph(0)->setKerning(99, -10);  // outside the font
  font_.glyph(4)->setKerning(2, 15);    // H space
  const MetricsSummary s = summarizeMetrics(font_);
  EXPECT_EQ(s.kerningPairCount, 2);
  ASSERT_EQ(s.characters[0].kerning.size(), 1u);
  EXPECT_EQ(s.characters[0].kerning[0], (MetricsKernPair{2, -50}));  // O is record 2
  EXPECT_EQ(s.characters[3].kerning[0], (MetricsKernPair{1, 15}));
}

TEST_F(SummaryOfSampleFont, CompositeBoxIncludesItsShiftedComponents) {
  auto composite = test::glyphOf("Aring", 500, {});
  Component base;
  base.glyphIndex = 0;
  base.offset = {{0, 0}};
  base.scale = {{}};
  Component ring;
  ring.glyphIndex = 3;  // O, scaled to a fifth and lifted
  ring.offset = {{200, 750}};
  ring.scale = {{0.2, 0.2}};
  composite->components() = {base, ring};
  font_.appendSlot(std::move(composite));
  const MetricsSummary s = summarizeMetrics(font_);
  // O's box 50 0 650 700 scaled by 0.2 is 10 0 130 140, shifted by (200, 750); A's is
  // 10 0 490 700.
  EXPECT_EQ(s.characters.back().box, (MetricsBox{10, 0, 490, 890}));
}

TEST_F(SummaryOfSampleFont, VerticalMetricsComeFromReferenceGlyphs) {
  font_.appendSlot(test::glyphOf(
      "d", 500, {Node::move({40, -12}), Node::line({300, 720}), Node::line({460, -12})}));
  font_.appendSlot(test::glyphOf(
      "p", 500, {Node::move({40, -210}), Node::line({300, 480}), Node::line({460, -210})}));
  font_.appendSlot(
      test::glyphOf("x", 500, {Node::move({40, 0}), Node::line({300, 470}), Node::line({460, 0})}));
  const MetricsSummary s = summarizeMetrics(font_);
  EXPECT_EQ(s.ascender, 720);
  EXPECT_EQ(s.descender, -210);
  EXPECT_EQ(s.capHeight, 700);
  EXPECT_EQ(s.xHeight, 470);
  EXPECT_EQ(s.stemWidth, 88);
}

TEST_F(SummaryOfSampleFont, NamesAreUsableAndUnique) {
  font_.glyph(4)->setName("A");  // taken by slot 0
  font_.appendSlot(test::glyphOf("", 100, {}));
  font_.appendSlot(test::glyphOf("a b/c", 100, {}));
  const MetricsSummary s = summarizeMetrics(font_);
  EXPECT_EQ(s.characters[3].name, "glyph4");
  EXPECT_EQ(s.characters[4].name, "glyph5");
  EXPECT_EQ(s.characters[5].name, "abc");
}

}  // namespace
}  // namespace sorvella
