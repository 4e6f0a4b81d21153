// The subset font object: defaults of a new font, owned texts, masters, glyph slots, the
// glyph mapping, the per-master block layout and the default extra-metrics block.
#include "glyph/subset_font.h"

#include <gtest/gtest.h>

#include <bit>

#include "base/byte_stream.h"
#include "glyph/extra_metrics.h"
#include "glyph/per_master_block.h"
#include "support/bytes.h"

namespace sorvella {
namespace {

using test::fromHex;

class NewSubsetFont : public ::testing::Test {
 protected:
  SubsetFont font_;
};

TEST_F(NewSubsetFont, HasOneMasterOfWeightOneWithTheDefaultPrivateValues) {
  ASSERT_EQ(font_.masterCount(), 1);
  EXPECT_EQ(font_.master(0).weight, 1.0);
  const PerMasterBlock& p = font_.master(0).privateValues;
  EXPECT_EQ(p.fontMatrix, (std::array<double, 6>{0.001, 0, 0, 0.001, 0, 0}));
  EXPECT_EQ(p.blueScale, 0.039625);
  EXPECT_EQ(p.blueShift, 7);
  EXPECT_EQ(p.blueFuzz, 1);
  EXPECT_EQ(p.forceBold, 0);
  EXPECT_EQ(p.stdHW, 0);
}

TEST_F(NewSubsetFont, HasNoGlyphsNoBlocksAndEncodingOne) {
  EXPECT_EQ(font_.slotCount(), 0);
  EXPECT_FALSE(font_.extraMetrics().has_value());
  for (const auto& block : font_.rawBlocks()) EXPECT_TRUE(block.empty());
  EXPECT_EQ(font_.encoding().number, 1);
  EXPECT_FALSE(font_.encoding().savedOwnTable.has_value());
  EXPECT_TRUE(font_.glyphMapping().entries().empty());
  EXPECT_EQ(font_.glyphMapping().lastInUse, -1);
  EXPECT_TRUE(font_.fileName().empty());
  EXPECT_TRUE(font_.axes().names().empty());
}

class SubsetFontTexts : public ::testing::Test {
 protected:
  SubsetFont font_;
};

TEST_F(SubsetFontTexts, AreStoredWithoutTrailingControlAndHighBytes) {
  font_.info().setText(FontText::kFontName, std::string("Mincho\x01\xA0\x1F", 9));
  EXPECT_EQ(font_.info().fontName(), "Mincho");
  font_.info().setText(FontText::kNotice, "Caf\xE9 (c) 1999 ");
  EXPECT_EQ(font_.info().notice(), "Caf\xE9 (c) 1999 ");
}

TEST_F(SubsetFontTexts, ThatTrimToNothingAreAbsent) {
  font_.info().setText(FontText::kWeight, "\x05\x80");
  EXPECT_TRUE(font_.info().weight().empty());
}

TEST_F(SubsetFontTexts, MasterNamesAreCutTo39BytesBeforeTrimming) {
  font_.master(0).setName(std::string(38, 'A') + "\x01" + "BBB");
  EXPECT_EQ(font_.master(0).name(), std::string(38, 'A'));
  font_.master(0).setName(std::string(45, 'C'));
  EXPECT_EQ(font_.master(0).name(), std::string(39, 'C'));
}

TEST_F(SubsetFontTexts, AxisNamesAreTrimmedOneByOne) {
  std::vector<std::string> names = {"Weight\x02", "Width"};
  font_.axes().setNames(names);
  EXPECT_EQ(font_.axes().names(), (std::vector<std::string>{"Weight", "Width"}));
}

class SubsetFontMasters : public ::testing::Test {
 protected:
  SubsetFont font_;
};

TEST_F(SubsetFontMasters, CountIsClampedToOneToSixteen) {
  font_.setMasterCount(0);
  EXPECT_EQ(font_.masterCount(), 1);
  font_.setMasterCount(17);
  EXPECT_EQ(font_.masterCount(), 16);
}

TEST_F(SubsetFontMasters, AddedMastersGetDefaultsAndOldOnesKeepTheirValues) {
  font_.master(0).weight = 0.25;
  font_.master(0).privateValues.stdHW = 80;
  font_.setMasterCount(3);
  EXPECT_EQ(font_.master(0).weight, 0.25);
  EXPECT_EQ(font_.master(0).privateValues.stdHW, 80);
  EXPECT_EQ(font_.master(2).weight, 1.0);
  EXPECT_EQ(font_.master(2).privateValues.blueShift, 7);
}

class SubsetFontSlots : public ::testing::Test {
 protected:
  static std::unique_ptr<Glyph> named(const char* name) {
    auto g = std::make_unique<Glyph>();
    g->setName(name);
    return g;
  }
  SubsetFont font_;
};

TEST_F(SubsetFontSlots, SettingPastTheEndGrowsWithEmptySlots) {
  font_.setGlyph(3, named("d"));
  ASSERT_EQ(font_.slotCount(), 4);
  for (int32_t s = 0; s < 3; ++s) EXPECT_EQ(font_.glyph(s), nullptr);
  ASSERT_NE(font_.glyph(3), nullptr);
  EXPECT_EQ(font_.glyph(3)->name(), "d");
}

TEST_F(SubsetFontSlots, OutsideTheListThereIsNoGlyph) {
  font_.appendSlot(named("a"));
  EXPECT_EQ(font_.glyph(-1), nullptr);
  EXPECT_EQ(font_.glyph(1), nullptr);
  font_.setGlyph(-1, named("x"));
  EXPECT_EQ(font_.slotCount(), 1);
}

TEST_F(SubsetFontSlots, TakingAGlyphLeavesItsSlotEmpty) {
  font_.appendSlot(named("a"));
  font_.appendSlot(nullptr);
  font_.appendSlot(named("c"));
  std::unique_ptr<Glyph> taken = font_.takeGlyph(2);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->name(), "c");
  EXPECT_EQ(font_.slotCount(), 3);
  EXPECT_EQ(font_.glyph(2), nullptr);
  EXPECT_EQ(font_.takeGlyph(1), nullptr);
}

class SubsetFontGlyphMapping : public ::testing::Test {
 protected:
  GlyphMapping mapping_;
};

TEST_F(SubsetFontGlyphMapping, GrowsWhenWrittenPastItsEnd) {
  mapping_.set(2, {7, 65535});
  ASSERT_EQ(mapping_.entries().size(), 3u);
  EXPECT_EQ(mapping_.at(2), (GlyphMapEntry{7, 65535}));
  EXPECT_EQ(mapping_.at(0), (GlyphMapEntry{0, 0}));
}

TEST_F(SubsetFontGlyphMapping, GivesTheEmptyEntryOutsideAndIgnoresNegativeWrites) {
  mapping_.set(-1, {1, 1});
  EXPECT_TRUE(mapping_.entries().empty());
  EXPECT_EQ(mapping_.at(-1), (GlyphMapEntry{0, 0}));
  EXPECT_EQ(mapping_.at(10), (GlyphMapEntry{0, 0}));
}

class PerMasterBlockLayout : public ::testing::Test {
 protected:
  static std::vector<uint8_t> bytesOf(const PerMasterBlock& block) {
    ByteWriter out;
    writePerMasterBlock(block, out);
    return out.take();
  }
  static uint32_t le32At(const std::vector<uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
  }
};

TEST_F(PerMasterBlockLayout, DefaultBlockIsFourHundredBytesAtTheStatedOffsets) {
  std::vector<uint8_t> b = bytesOf(PerMasterBlock{});
  ASSERT_EQ(b.size(), 400u);
  std::vector<uint8_t> expected(400, 0);
  auto put = [&](std::size_t at, const char* hex) {
    std::vector<uint8_t> v = fromHex(hex);
    std::copy(v.begin(), v.end(), expected.begin() + static_cast<std::ptrdiff_t>(at));
  };
  put(0, "fc a9 f1 d2 4d 62 50 3f");    // 0.001
  put(24, "fc a9 f1 d2 4d 62 50 3f");   // 0.001
  put(244, "7d 3f 35 5e ba 49 a4 3f");  // 0.039625
  put(252, "07 00 00 00");
  put(256, "01 00 00 00");
  EXPECT_EQ(test::toHex(b), test::toHex(expected));
}

TEST_F(PerMasterBlockLayout, EveryFieldStartsAtItsOffset) {
  PerMasterBlock block;
  block.forceBold = 1;
  block.blueValues = {-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1401};
  block.otherBlues[0] = 0x0A0B0C0D;
  block.otherBlues[9] = 22;
  block.familyBlues[0] = 33;
  block.familyBlues[13] = 34;
  block.familyOtherBlues[0] = 44;
  block.familyOtherBlues[9] = 45;
  block.blueShift = 55;
  block.blueFuzz = 66;
  block.stdHW = 77;
  block.stdVW = 88;
  block.stemSnapH[0] = 99;
  block.stemSnapH[11] = 100;
  block.stemSnapV[0] = 111;
  block.stemSnapV[11] = 112;
  block.further[0] = 0xAB;
  block.further[35] = 0xCD;
  std::vector<uint8_t> b = bytesOf(block);
  EXPECT_EQ(le32At(b, 48), 1u);
  EXPECT_EQ(le32At(b, 52), 0xFFFFFFF5u);
  EXPECT_EQ(le32At(b, 104), 1401u);
  EXPECT_EQ(test::toHex({b.begin() + 108, b.begin() + 112}), "0D 0C 0B 0A");
  EXPECT_EQ(le32At(b, 144), 22u);
  EXPECT_EQ(le32At(b, 148), 33u);
  EXPECT_EQ(le32At(b, 200), 34u);
  EXPECT_EQ(le32At(b, 204), 44u);
  EXPECT_EQ(le32At(b, 240), 45u);
  EXPECT_EQ(le32At(b, 252), 55u);
  EXPECT_EQ(le32At(b, 256), 66u);
  EXPECT_EQ(le32At(b, 260), 77u);
  EXPECT_EQ(le32At(b, 264), 88u);
  EXPECT_EQ(le32At(b, 268), 99u);
  EXPECT_EQ(le32At(b, 312), 100u);
  EXPECT_EQ(le32At(b, 316), 111u);
  EXPECT_EQ(le32At(b, 360), 112u);
  EXPECT_EQ(b[364], 0xAB);
  EXPECT_EQ(b[399], 0xCD);
  EXPECT_EQ(readPerMasterBlock(b), block);
}

TEST_F(PerMasterBlockLayout, ShortDataReadsAsZerosAndExtraBytesAreIgnored) {
  std::vector<uint8_t> shortData = fromHex("00 00 00 00 00 00 e0 3f 01 02");
  PerMasterBlock block = readPerMasterBlock(shortData);
  EXPECT_EQ(block.fontMatrix[0], 0.5);
  EXPECT_EQ(block.fontMatrix[1], std::bit_cast<double>(uint64_t{0x0201}));
  EXPECT_EQ(block.fontMatrix[3], 0.0);
  EXPECT_EQ(block.blueScale, 0.0);
  EXPECT_EQ(block.blueShift, 0);

  std::vector<uint8_t> longData = bytesOf(PerMasterBlock{});
  longData.resize(450, 0xEE);
  EXPECT_EQ(readPerMasterBlock(longData), PerMasterBlock{});
}

class ExtraMetricsDefault : public ::testing::Test {};

TEST_F(ExtraMetricsDefault, ListsEveryMarkerWithZeroValues) {
  // 0 packs as 139 (0x8B); markers 51..75, 76 with ten bytes, 77..82, 83 with n = 0, 50.
  std::string hex;
  for (int m = 51; m <= 75; ++m) hex += test::toHex({static_cast<uint8_t>(m), 0x8B}) + " ";
  hex += "4C 00 00 00 00 00 00 00 00 00 00 ";
  for (int m = 77; m <= 82; ++m) hex += test::toHex({static_cast<uint8_t>(m), 0x8B}) + " ";
  hex += "53 8B 32";
  std::vector<uint8_t> block = defaultExtraMetricsBlock();
  EXPECT_EQ(block.size(), 76u);
  EXPECT_EQ(test::toHex(block), test::toHex(fromHex(hex)));
}

}  // namespace
}  // namespace sorvella
