// PFM files: the stated values at the offsets of the published layout, the widths per code
// and the kerning pairs by code, read back field by field.
#include "postscript/pfm_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "postscript/metrics_summary.h"
#include "support/sample_fonts.h"

namespace sorvella {
namespace {

namespace at = pfm_offset;

class PfmOfSampleFont : public ::testing::Test {
 protected:
  void build() { pfm_ = pfmBytes(summarizeMetrics(font_)); }
  int u8(std::size_t o) const { return pfm_.at(o); }
  int u16(std::size_t o) const { return pfm_.at(o) | pfm_.at(o + 1) << 8; }
  int s16(std::size_t o) const { return static_cast<int16_t>(u16(o)); }
  uint32_t u32(std::size_t o) const { return static_cast<uint32_t>(u16(o) | u16(o + 2) << 16); }
  // The n-th 16-bit field of the extended text metrics.
  int etm(int n) const { return s16(at::kExtTextMetrics + 2 * static_cast<std::size_t>(n)); }
  std::string zeroEnded(std::size_t o) const {
    std::string s;
    while (o < pfm_.size() && pfm_[o] != 0) s += static_cast<char>(pfm_[o++]);
    return s;
  }

  SubsetFont font_ = test::sampleFont();
  std::vector<uint8_t> pfm_;
};

TEST_F(PfmOfSampleFont, HeaderHoldsTheStatedValues) {
  build();
  EXPECT_EQ(u16(at::kVersion), 256);
  EXPECT_EQ(u32(at::kSize), pfm_.size());
  EXPECT_EQ(zeroEnded(at::kCopyright), "Copyright (c) 2024 Sample Type. All Rights Reserved.");
  EXPECT_EQ(u16(at::kType), 129);
  EXPECT_EQ(u16(at::kPoints), 10);
  EXPECT_EQ(u16(at::kVertRes), 300);
  EXPECT_EQ(u16(at::kHorizRes), 300);
  EXPECT_EQ(u16(at::kAscent), 700);
  EXPECT_EQ(u16(at::kInternalLeading), 0);  // 700 - 0 - 1000 is below 0
  EXPECT_EQ(u16(at::kExternalLeading), 0);
  EXPECT_EQ(u8(at::kItalic), 1);
  EXPECT_EQ(u8(at::kUnderline), 0);
  EXPECT_EQ(u8(at::kStrikeOut), 0);
  EXPECT_EQ(u16(at::kWeight), 700);  // Bold
  EXPECT_EQ(u8(at::kFirstChar), 32);
  EXPECT_EQ(u8(at::kLastChar), 79);
  EXPECT_EQ(u16(at::kMaxWidth), 700);
}

TEST_F(PfmOfSampleFont, ExtensionPointsAtTheTablesAndNames) {
  build();
  EXPECT_EQ(u16(at::kSizeFields), 30);
  EXPECT_EQ(u32(at::kExtMetricsOffset), 147u);
  EXPECT_EQ(zeroEnded(u32(at::kDevice)), "PostScript");
  EXPECT_EQ(zeroEnded(u32(at::kFace)), "SampleSans");
  EXPECT_EQ(zeroEnded(u32(at::kDriverInfo)), "SampleSans");
  EXPECT_EQ(u32(at::kOriginTable), 0u);
  EXPECT_EQ(u32(at::kTrackKernTable), 0u);
}

TEST_F(PfmOfSampleFont, ExtendedTextMetricsHoldTheStatedValues) {
  build();
  const int expected[26] = {52,   240, 0,   1000, 3,  1000, 1000, 700, 0,  700, 0,  125, 700,
                            -100, 100, 100, 100,  50, 50,   100,  25,  25, -25, 50, 1,   0};
  for (int n = 0; n < 26; ++n) EXPECT_EQ(etm(n), expected[n]) << "field " << n;
}

TEST_F(PfmOfSampleFont, WidthTableRunsFromFirstToLastCode) {
  build();
  const std::size_t table = u32(at::kExtentTable);
  for (int code = 32; code <= 79; ++code) {
    const int expected = code == 32 ? 250 : code == 65 ? 500 : code == 79 ? 700 : 0;
    EXPECT_EQ(u16(table + 2 * static_cast<std::size_t>(code - 32)), expected) << code;
  }
}

TEST_F(PfmOfSampleFont, KerningPairsAreCodePairsSortedByTheirWord) {
  font_.encoding().glyphNames[72] = "H";
  font_.glyph(3)->setKerning(0, -30);  // O A: word 65 * 256 + 79
  font_.glyph(0)->setKerning(4, -20);  // A H: word 72 * 256 + 65
  build();
  const std::size_t table = u32(at::kPairKernTable);
  ASSERT_EQ(u16(table), 3);
  EXPECT_EQ(etm(24), 3);
  const int expected[3][3] = {{79, 65, -30}, {65, 72, -20}, {65, 79, -50}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(u8(table + 2 + 4 * i), expected[i][0]);
    EXPECT_EQ(u8(table + 3 + 4 * i), expected[i][1]);
    EXPECT_EQ(s16(table + 4 + 4 * i), expected[i][2]);
  }
}

TEST_F(PfmOfSampleFont, PairsWithAGlyphWithoutCodeAreLeftOut) {
  font_.glyph(0)->setKerning(4, -20);  // H has no code
  build();
  EXPECT_EQ(u16(u32(at::kPairKernTable)), 1);
  EXPECT_EQ(etm(24), 1);
}

// A long notice is cut at its last space within sixty bytes; the internal leading is the box
// height beyond one thousand; unknown weights give 400; the face name falls back to the family
// name and "Untitled".
TEST_F(PfmOfSampleFont, ValuesThatFollowTheFont) {
  font_.info().setText(FontText::kNotice,
                       "Copyright 2024 Sample Type Foundry, all rights reserved worldwide");
  font_.appendSlot(test::glyphOf(
      "tall", 300, {Node::move({0, -250}), Node::line({100, 1100}), Node::line({200, -250})}));
  font_.info().setText(FontText::kWeight, "Wobbly");
  font_.info().setText(FontText::kFontName, "");
  build();
  EXPECT_EQ(zeroEnded(at::kCopyright), "Copyright 2024 Sample Type Foundry, all rights reserved");
  EXPECT_EQ(u16(at::kInternalLeading), 350);
  EXPECT_EQ(u16(at::kWeight), 400);
  EXPECT_EQ(zeroEnded(u32(at::kFace)), "Sample");
  font_.info().setText(FontText::kWeight, "Black");
  font_.info().setText(FontText::kFamilyName, "");
  build();
  EXPECT_EQ(u16(at::kWeight), 900);
  EXPECT_EQ(zeroEnded(u32(at::kFace)), "Untitled");
}

}  // namespace
}  // namespace sorvella
