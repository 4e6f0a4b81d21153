// MMM files: the header values, the notice cut to 72 bytes, the version text, the axis flags
// and every glyph's metrics in every master.
#include "postscript/mmm_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/sample_fonts.h"

namespace sorvella {
namespace {

class MmmOfTwoMasters : public ::testing::Test {
 protected:
  void SetUp() override {
    font_.setMasterCount(2);
    font_.info().setText(FontText::kVersion, "001.002");
    font_.info().versionMajor = 1;
    font_.info().versionMinor = 2;
    font_.info().setText(FontText::kNotice, std::string(80, 'n'));
    const std::string axes[] = {"Weight", "Width", "Italic"};
    font_.axes().setNames(axes);
    auto glyph = std::make_unique<Glyph>(2);
    glyph->setName("I");
    glyph->setAdvance(0, {300, 0});
    glyph->setAdvance(1, {360, 0});
    Node move;
    move.header = node_type::kMove;
    move.points = {{50, 0}, {40, -5}};
    Node line;
    line.header = node_type::kLine;
    line.points = {{250, 700}, {320, 720}};
    glyph->appendNode(move);
    glyph->appendNode(line);
    font_.appendSlot(std::move(glyph));
    font_.encoding().glyphNames[73] = "I";
  }
  int u16(std::size_t o) const { return bytes_.at(o) | bytes_.at(o + 1) << 8; }
  int s16(std::size_t o) const { return static_cast<int16_t>(u16(o)); }
  std::string text(std::size_t o, std::size_t n) const {
    return std::string(bytes_.begin() + static_cast<std::ptrdiff_t>(o),
                       bytes_.begin() + static_cast<std::ptrdiff_t>(o + n));
  }

  SubsetFont font_;
  std::vector<uint8_t> bytes_;
};

TEST_F(MmmOfTwoMasters, HeaderHoldsTheStatedValues) {
  bytes_ = mmmBytes(font_);
  EXPECT_EQ(u16(0), 263);
  EXPECT_EQ(u16(2), 3);
  EXPECT_EQ(u16(4), 2);      // masters
  EXPECT_EQ(u16(6), 3);      // axes
  EXPECT_EQ(u16(8), 1 | 4);  // weight and italic, no serif
  EXPECT_EQ(text(10, kMmmNoticeBytes), std::string(72, 'n'));
  EXPECT_EQ(text(82, 8), std::string("001.002\0", 8));
  font_.info().setText(FontText::kVersion, "");
  bytes_ = mmmBytes(font_);
  EXPECT_EQ(text(82, 9), std::string("Untitled\0", 9));
}

TEST_F(MmmOfTwoMasters, CarriesEveryGlyphInEveryMaster) {
  bytes_ = mmmBytes(font_);
  std::size_t o = 98;
  EXPECT_EQ(u16(o), 1);  // glyphs
  EXPECT_EQ(s16(o + 2), 73);
  EXPECT_EQ(text(o + 4, 2), std::string("\x01I", 2));
  o += 6;
  // Master 0: font box, then advance and box of I.
  const int master0[] = {50, 0, 250, 700, 300, 50, 0, 250, 700};
  const int master1[] = {40, -5, 320, 720, 360, 40, -5, 320, 720};
  for (int v : master0) {
    EXPECT_EQ(s16(o), v);
    o += 2;
  }
  for (int v : master1) {
    EXPECT_EQ(s16(o), v);
    o += 2;
  }
  EXPECT_EQ(o, bytes_.size());
}

}  // namespace
}  // namespace sorvella
