// The subset font object: owned texts, masters, glyph slots, the glyph mapping and the
// per-master block layout. The default blocks are checked in the bytes of an empty font file.
#include "glyph/subset_font.h"

#include <gtest/gtest.h>

#include <bit>

#include "base/byte_stream.h"
#include "glyph/per_master_block.h"
#include "support/bytes.h"

namespace sorvella {
namespace {

using test::fromHex;

std::unique_ptr<Glyph> named(const char* name) {
  auto g = std::make_unique<Glyph>();
  g->setName(name);
  return g;
}

// Texts lose trailing control and high bytes; master names are cut to 39 bytes first.
TEST(SubsetFontTexts, AreTrimmedWhenStored) {
  SubsetFont font;
  font.info().setText(FontText::kFontName, std::string("Mincho\x01\xA0\x1F", 9));
  EXPECT_EQ(font.info().fontName(), "Mincho");
  font.info().setText(FontText::kNotice, "Caf\xE9 (c) 1999 ");
  EXPECT_EQ(font.info().notice(), "Caf\xE9 (c) 1999 ");
  font.info().setText(FontText::kWeight, "\x05\x80");
  EXPECT_TRUE(font.info().weight().empty());
  font.master(0).setName(std::string(38, 'A') + "\x01" + "BBB");
  EXPECT_EQ(font.master(0).name(), std::string(38, 'A'));
  font.master(0).setName(std::string(45, 'C'));
  EXPECT_EQ(font.master(0).name(), std::string(39, 'C'));
  std::vector<std::string> names = {"Weight\x02", "Width"};
  font.axes().setNames(names);
  EXPECT_EQ(font.axes().names(), (std::vector<std::string>{"Weight", "Width"}));
}

TEST(SubsetFontMasters, CountIsClampedAndAddedMastersGetDefaults) {
  SubsetFont font;
  font.master(0).weight = 0.25;
  font.master(0).privateValues.stdHW = 80;
  font.setMasterCount(3);
  EXPECT_EQ(font.master(0).weight, 0.25);
  EXPECT_EQ(font.master(0).privateValues.stdHW, 80);
  EXPECT_EQ(font.master(2).weight, 1.0);
  EXPECT_EQ(font.master(2).privateValues, PerMasterBlock{});
  font.setMasterCount(0);
  EXPECT_EQ(font.masterCount(), 1);
  font.setMasterCount(17);
  EXPECT_EQ(font.masterCount(), 16);
}

TEST(SubsetFontSlots, OutsideTheSlotsThereIsNoGlyphAndMappingsGrow) {
  SubsetFont font;
  font.appendSlot(nullptr);
  font.appendSlot(named("b"));
  EXPECT_EQ(font.glyph(0), nullptr);
  EXPECT_EQ(font.glyph(1)->name(), "b");
  EXPECT_EQ(font.glyph(-1), nullptr);
  EXPECT_EQ(font.glyph(2), nullptr);
  GlyphMapping mapping;
  mapping.set(2, {7, 65535});
  mapping.set(-1, {1, 1});
  ASSERT_EQ(mapping.entries().size(), 3u);
  EXPECT_EQ(mapping.at(2), (GlyphMapEntry{7, 65535}));
  EXPECT_EQ(mapping.at(0), (GlyphMapEntry{0, 0}));
  EXPECT_EQ(mapping.at(-1), (GlyphMapEntry{0, 0}));
  EXPECT_EQ(mapping.at(10), (GlyphMapEntry{0, 0}));
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
  const std::pair<std::size_t, uint32_t> fields[] = {
      {48, 1u},   {52, 0xFFFFFFF5u}, {104, 1401u}, {108, 0x0A0B0C0Du}, {144, 22u}, {148, 33u},
      {200, 34u}, {204, 44u},        {240, 45u},   {252, 55u},         {256, 66u}, {260, 77u},
      {264, 88u}, {268, 99u},        {312, 100u},  {316, 111u},        {360, 112u}};
  for (const auto& [offset, value] : fields) EXPECT_EQ(le32At(b, offset), value) << offset;
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

}  // namespace
}  // namespace sorvella
