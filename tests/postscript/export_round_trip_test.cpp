// Fonts written by the exporters read back through the program's own readers: a Type 1 font
// through the Type 1 reader, a CIDFont through the CID-keyed import.
#include <gtest/gtest.h>

#include <map>

#include "cidfont/cid_font_export.h"
#include "platform/data_location.h"
#include "postscript/cid_keyed_font_reader.h"
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

TEST_F(ExportRoundTrip, CidFontImportsBackToTheSameCidsAndAdvances) {
  CCidFont font;
  font.info().setFontName("RoundTrip");
  font.info().setRegistry("Adobe");
  font.info().setOrdering("Identity");
  SubsetFontEntry entry;
  entry.setName("NimbusSans-Regular");
  entry.characterCount = source_->slotCount();
  std::vector<CharacterRecord> records;
  for (int32_t s = 0; s < source_->slotCount(); ++s) {
    records.push_back(CharacterRecord::make(0, s));
    if (s < 300) records.back().cid = 10 + 2 * s;  // every other CID stays empty
  }
  font.addSubsetFont(entry, records);
  font.RebuildTables();
  CidExport exported = exportCidFont(font, [&](int32_t) { return source_.get(); });
  ASSERT_FALSE(exported.bytes.empty());
  EXPECT_EQ(exported.charactersLeftOut, 0);

  std::map<int32_t, Point> advances;
  std::map<int32_t, Box> boxes;
  CidKeyedFontReader reader(std::move(exported.bytes));
  auto back = reader.parseHeader([&](std::unique_ptr<SubsetFont> subset) {
    for (int32_t s = 0; s < subset->slotCount(); ++s) {
      const Glyph* g = subset->glyph(s);
      if (!g) continue;
      int32_t cid = std::stoi(g->name().substr(4));  // "CID-n"
      advances[cid] = g->advance(0);
      boxes[cid] = g->boundingBox();
    }
  });
  ASSERT_TRUE(back);
  EXPECT_EQ(back->fontName(), "RoundTrip");
  reader.setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
  reader.selectAllFontDicts();
  ASSERT_TRUE(reader.splitIntoSubsetFonts());
  for (int32_t s = 0; s < 300; ++s) {
    const Glyph* g = source_->glyph(s);
    int32_t cid = 10 + 2 * s;
    ASSERT_TRUE(advances.count(cid)) << "CID " << cid;
    EXPECT_EQ(advances[cid], g->advance(0)) << "CID " << cid;
    EXPECT_NEAR(boxes[cid].xMax, g->boundingBox().xMax, 1) << "CID " << cid;
    EXPECT_EQ(advances.count(cid + 1), 0u) << "CID " << cid + 1;
  }
}

}  // namespace
}  // namespace sorvella
