// A real Type 1 font written by the exporter and read back through the program's own reader.
// CIDFonts make the same round trip through the batch tool.
#include <gtest/gtest.h>

#include <map>

#include "platform/data_location.h"
#include "postscript/encoding_registry.h"
#include "postscript/type1_font_file.h"
#include "postscript/type1_font_writer.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

constexpr const char* kSans = "/usr/share/fonts/X11/Type1/NimbusSans-Regular.pfb";

class ExportRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_.scanFolder(dataFolder());
    source_ = readType1Font(kSans, registry_);
    ASSERT_TRUE(source_);
  }
  EncodingRegistry registry_;
  std::unique_ptr<SubsetFont> source_;
  test::TempFolder folder_;
};

TEST_F(ExportRoundTrip, Type1FontReadsBackWithItsNamesAdvancesBoxesAndStems) {
  ASSERT_TRUE(writeType1Font(*source_, folder_ / "sans.pfb"));
  auto back = readType1Font(folder_ / "sans.pfb", registry_);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->info().text(FontText::kFontName), source_->info().text(FontText::kFontName));
  std::map<std::string, const Glyph*> byName;
  for (int32_t s = 0; s < back->slotCount(); ++s)
    if (const Glyph* g = back->glyph(s)) byName[g->name()] = g;
  int compared = 0;
  for (int32_t s = 0; s < source_->slotCount(); ++s) {
    const Glyph* g = source_->glyph(s);
    if (!g) continue;
    auto it = byName.find(g->name());
    ASSERT_NE(it, byName.end()) << g->name();
    const Glyph& b = *it->second;
    EXPECT_EQ(b.advance(0), g->advance(0)) << g->name();
    Box x = g->boundingBox(), y = b.boundingBox();
    EXPECT_NEAR(x.xMin, y.xMin, 1) << g->name();
    EXPECT_NEAR(x.yMax, y.yMax, 1) << g->name();
    EXPECT_EQ(b.contourCount(), g->contourCount()) << g->name();
    if (g->hints()) {
      ASSERT_TRUE(b.hints()) << g->name();
      EXPECT_EQ(b.hints()->horizontal.size(), g->hints()->horizontal.size()) << g->name();
      EXPECT_EQ(b.hints()->vertical.size(), g->hints()->vertical.size()) << g->name();
    }
    ++compared;
  }
  EXPECT_GT(compared, 800);
}

}  // namespace
}  // namespace sorvella
