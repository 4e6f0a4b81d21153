// Autohinting a whole subset font: the font's zones, the tally of hints received, and glyphs
// it must leave alone.
#include "cidfont/autohint_fonts.h"

#include <gtest/gtest.h>

#include "support/path_glyph.h"
#include "support/sample_subset_font.h"

namespace sorvella {
namespace {

class AutohintFont : public ::testing::Test {
 protected:
  std::unique_ptr<SubsetFont> font_ = test::sampleSubsetFont("S", {"a", "", "b", "c"});
  AutohintTally tally_;
};

// Squares from y = 0 to 500 receive two ghosts; a flat part in the font's top zone, one more.
TEST_F(AutohintFont, GlyphsTakeTheFontsZonesAndAreTallied) {
  font_->info().zoneCounts.blueValues = 4;
  font_->master(0).privateValues.blueValues = {-10, 0, 250, 260};
  font_->glyph(0)->appendNode(Node::move({0, 250}));
  font_->glyph(0)->appendNode(Node::line({50, 250}));
  font_->glyph(3)->hints().emplace().vertical.push_back(Hint{});  // no stem for its master
  ASSERT_TRUE(autohintSubsetFont(*font_, AutohintParameters{}, tally_, 4));
  EXPECT_EQ(test::stemsOf(font_->glyph(0)->hints()->horizontal),
            (std::vector<std::pair<int, int>>{{0, 21}, {500, -20}, {250, -20}}));
  EXPECT_EQ(tally_.glyphsByHints, (std::map<int32_t, int32_t>{{2, 1}, {3, 1}}));
  EXPECT_EQ(std::tuple(tally_.glyphs, tally_.hints, tally_.mostHints, tally_.fonts),
            std::tuple(2, int64_t{5}, 3, 1));
  ASSERT_EQ(tally_.failures.size(), 1u);
  EXPECT_EQ(std::tuple(tally_.failures[0].font, tally_.failures[0].slot, tally_.failures[0].status),
            std::tuple(4, 3, AutohintStatus::kHintMastersDiffer));
}

}  // namespace
}  // namespace sorvella
