// TTImporter on small fonts built byte by byte: names, the CMap from the character map, the
// split into subset fonts of 513 glyphs with their names, progress and cancel, and one font
// added as a base font whose file keeps its names, hinting tables, glyph names and kerning.
#include "cidfont/truetype_importer.h"

#include <gtest/gtest.h>

#include "glyph/native_font_file.h"
#include "support/temp_folder.h"
#include "support/truetype_bytes.h"

namespace sorvella {
namespace {

using test::os2Table;
using test::utf16;
using test::words;

const std::vector<uint8_t> kSquare = test::simpleGlyph({{{0, 0}, {0, 500}, {500, 500}, {500, 0}}});

struct StoredFont {
  std::string name;
  std::vector<std::string> glyphNames;
};

class TrueTypeImporter : public ::testing::Test {
 protected:
  // A font of `glyphs` glyphs (glyph 1 a square, the others empty) and further tables.
  bool open(int glyphs, std::map<std::string, std::vector<uint8_t>> extra = {},
            int unitsPerEm = 1000) {
    test::TTTestFont f;
    f.unitsPerEm = unitsPerEm;
    f.glyphs.resize(static_cast<std::size_t>(glyphs));
    if (glyphs > 1) f.glyphs[1] = kSquare;
    f.metrics = {{500, 0}, {600, 0}};
    f.extra = std::move(extra);
    return importer_.Open(test::fontBytes(f));
  }
  bool run(int cancelAt = -1) {
    auto store = [this](CCidFont&, SubsetFont& font) {
      StoredFont s{font.info().fontName(), {}};
      for (int32_t i = 0; i < font.slotCount(); ++i) s.glyphNames.push_back(font.glyph(i)->name());
      stored_.push_back(s);
      return true;
    };
    auto progress = [this, cancelAt](int kind, int64_t a, int64_t b) {
      calls_.push_back({kind, a, b});
      return kind == kProgressPosition && a == cancelAt ? 1 : 0;
    };
    return importer_.Run(store, progress);
  }
  TTImporter importer_;
  std::vector<StoredFont> stored_;
  std::vector<std::vector<int64_t>> calls_;
};

TEST_F(TrueTypeImporter, SubsetFontsHoldAtMost513GlyphsNamedAfterTheFont) {
  struct Case {
    int glyphs;
    std::vector<std::pair<std::string, std::size_t>> fonts;
  };
  const std::vector<Case> cases = {
      {512, {{"PS", 512}}},
      {513, {{"PS-01", 513}}},
      {514, {{"PS-01", 513}, {"PS-02", 1}}},
      {1100, {{"PS-01", 513}, {"PS-02", 513}, {"PS-03", 74}}},
  };
  for (const Case& c : cases) {
    stored_.clear();
    ASSERT_TRUE(open(c.glyphs, {{"name", test::nameTable({{{3, 1, 0x409, 6}, utf16("PS")}})}}));
    importer_.Name();
    ASSERT_TRUE(run());
    ASSERT_EQ(stored_.size(), c.fonts.size()) << c.glyphs;
    for (std::size_t f = 0; f < c.fonts.size(); ++f) {
      EXPECT_EQ(stored_[f].name, c.fonts[f].first);
      EXPECT_EQ(stored_[f].glyphNames.size(), c.fonts[f].second);
    }
    EXPECT_EQ(importer_.subsetNumber(), static_cast<int32_t>(c.fonts.size()));
  }
}

TEST_F(TrueTypeImporter, ProgressEveryTwentyGlyphsAndCancelKeepsTheFontsStored) {
  ASSERT_TRUE(open(600));
  importer_.Name();
  EXPECT_FALSE(run(540));
  EXPECT_EQ(importer_.state(), TTImportState::kCancelled);
  ASSERT_EQ(stored_.size(), 1u);  // glyphs 0..512; the font in progress is dropped
  EXPECT_EQ(calls_.front(), (std::vector<int64_t>{kProgressRange, 0, 600}));
  ASSERT_EQ(calls_.size(), 1u + 28u);  // positions 0, 20, ..., 540
  EXPECT_EQ(calls_[1][1], 0);
  EXPECT_EQ(calls_.back()[1], 540);
}

TEST_F(TrueTypeImporter, NamesComeFromThePostScriptNameOrAreUntitled) {
  ASSERT_TRUE(open(3, {{"name", test::nameTable({{{1, 0, 0, 0}, "Mac notice"},
                                                 {{1, 0, 0, 6}, "MacName"},
                                                 {{3, 1, 0x409, 0}, utf16("Win notice")}})},
                       {"OS/2", os2Table("ABCD")}}));
  EXPECT_EQ(importer_.Name(), "MacName");
  const CidFontInfo& info = importer_.cidFont().info();
  EXPECT_EQ(info.notice(), "Mac notice");  // from the platform that gave the name
  EXPECT_EQ(info.fullName(), "");
  EXPECT_EQ(info.registry(), "ABCD");
  EXPECT_EQ(info.ordering(), "ABCD");
  EXPECT_EQ(importer_.cmap().cmapName, "MacName");
  EXPECT_EQ(importer_.cmap().registry, "ABCD");
  EXPECT_EQ(importer_.cmap().notice, "Mac notice");

  ASSERT_TRUE(open(3, {{"name", test::nameTable({{{3, 1, 0x409, 6}, utf16("WinName")},
                                                 {{3, 1, 0x409, 0}, utf16("Win notice")}})}}));
  EXPECT_EQ(importer_.Name(), "WinName");
  EXPECT_EQ(importer_.cidFont().info().notice(), "Win notice");

  ASSERT_TRUE(open(3, {{"name", test::nameTable({{{3, 1, 0x409, 4}, utf16("Full")}})}}));
  EXPECT_EQ(importer_.Name(), "TT_Untitled");
  EXPECT_EQ(importer_.cidFont().info().fullName(), "TT_Untitled");
  EXPECT_EQ(importer_.cidFont().info().notice(), "");
  EXPECT_EQ(importer_.cidFont().info().registry(), "");
}

TEST_F(TrueTypeImporter, TheCMapMapsEveryCodeToItsGlyphAndGlyphZeroToNone) {
  // The codes a (3, 1) map gives are compared with fontTools on the real fonts.
  const std::vector<uint8_t> unicode =
      test::cmapFormat4({{0x20, 0x7E, -29, 0}, {0xFFFF, 0xFFFF, 1, 0}});
  ASSERT_TRUE(open(98, {{"cmap", test::cmapTable({{3, 1, 0}}, {unicode})},
                        {"name", test::nameTable({{{3, 1, 0x409, 6}, utf16("Uni")}})}}));
  importer_.Name();
  ASSERT_TRUE(run());
  EXPECT_EQ(importer_.cmap().cmapName, "Uni-Unicode");
  EXPECT_EQ(importer_.characterMap()->name, std::string("Unicode"));
  EXPECT_TRUE(importer_.cmap().modified);

  // A Macintosh map of one byte lands in row 0; an unnamed font's CMap is "Untitled".
  std::vector<uint8_t> mac = words({0, 262, 0});
  for (int code = 0; code < 256; ++code) mac.push_back(code == 'A' ? 2 : 0);
  ASSERT_TRUE(open(3, {{"cmap", test::cmapTable({{1, 0, 0}}, {mac})}}));
  importer_.Name();
  importer_.cmap().cmapName.clear();
  ASSERT_TRUE(run());
  EXPECT_EQ(importer_.cmap().cmapName, "Untitled-Mac");
  EXPECT_EQ(importer_.cmap().Lookup(0x00, 'A'), 2);
  EXPECT_EQ(importer_.cmap().CountInRow(0), 1);
  EXPECT_EQ(importer_.cmap().CountInRow(1), 0);
}

TEST_F(TrueTypeImporter, GlyphsAreAutohintedAndZeroUnitsPerEmCountsNoGlyph) {
  ASSERT_TRUE(open(2));
  importer_.Name();
  std::unique_ptr<SubsetFont> kept;
  ASSERT_TRUE(importer_.Run([&](CCidFont&, SubsetFont& font) {
    kept = std::make_unique<SubsetFont>(std::move(font));
    return true;
  }));
  const Glyph* square = kept->glyph(1);
  ASSERT_NE(square, nullptr);
  ASSERT_TRUE(square->hints().has_value());
  EXPECT_FALSE(square->hints()->horizontal.empty());
  EXPECT_FALSE(kept->glyph(0)->hints().has_value());  // no nodes, no hints

  ASSERT_TRUE(open(600, {}, 0));
  importer_.Name();
  ASSERT_TRUE(run());
  EXPECT_TRUE(stored_.empty());
}

TEST_F(TrueTypeImporter, FilesWithoutGlyphsAreNoTrueTypeFonts) {
  EXPECT_FALSE(importer_.Open(std::vector<uint8_t>{'O', 'T', 'T', 'O', 0, 0}));
  EXPECT_FALSE(importer_.Open(test::sfntBytes({{"head", words({1, 0})}})));
  EXPECT_FALSE(importer_.Open(std::filesystem::path("/nonexistent/font.ttf")));
}

class AddTrueTypeFontTest : public TrueTypeImporter {};

TEST_F(AddTrueTypeFontTest, KeepsNamesProgramsGlyphNamesAndScaledKerning) {
  std::vector<uint8_t> post = words({2, 0});
  post.resize(32, 0);
  // Glyph 0 the standard "null", glyph 1 "alpha", glyph 2 beyond the names.
  for (uint8_t b : words({2, 1, 258, 0x0561, 0x6C70, 0x6861})) post.push_back(b);
  // Pairs (1, 2, -40), (2, 0, 15) and (7, 1, 99), whose left glyph does not exist.
  std::vector<uint8_t> kern =
      words({0, 1, 0, 14 + 18, 0x0001, 3, 0, 0, 0, 1, 2, -40, 2, 0, 15, 7, 1, 99});
  ASSERT_TRUE(open(3,
                   {{"name", test::nameTable({{{1, 0, 0, 1}, "MacFamily"},
                                              {{3, 1, 0x409, 1}, utf16("Family")},
                                              {{3, 1, 0x409, 2}, utf16("Bold")},
                                              {{3, 1, 0x409, 3}, utf16("Unique")},
                                              {{3, 1, 0x409, 4}, utf16("Family Bold")},
                                              {{3, 1, 0x409, 5}, utf16("Version 2.5")},
                                              {{3, 1, 0x409, 6}, utf16("Family-Bold")},
                                              {{3, 1, 0x409, 7}, utf16("Mark")}})},
                    {"post", post},
                    {"kern", kern},
                    {"cvt ", {0xFF, 0xF6, 0x01, 0x02}},
                    {"fpgm", {0xB0, 0x01}},
                    {"prep", {0xB1, 0x02, 0x03}}},
                   2048));
  SubsetFont added;
  ASSERT_EQ(importer_.AddTrueTypeFont(added, {}, true), AddTrueTypeResult::kAdded);
  // What the subset font file keeps of it.
  test::TempFolder temp;
  ASSERT_TRUE(WriteNativeFont(temp / "added.vtb", added, native_font_flag::kFullInfo));
  std::unique_ptr<SubsetFont> back = ReadNativeFont(temp / "added.vtb");
  ASSERT_NE(back, nullptr);
  const SubsetFont& font = *back;
  const SubsetFontInfo& info = font.info();
  EXPECT_EQ(info.familyName(), "Family");
  EXPECT_EQ(info.weight(), "Bold");
  EXPECT_EQ(info.fullName(), "Family Bold");
  EXPECT_EQ(info.version(), "Version 2.5");
  EXPECT_EQ(info.fontName(), "Family-Bold");
  EXPECT_EQ(info.text(FontText::kFurtherText1), "Unique");
  EXPECT_EQ(info.text(FontText::kFurtherText2), "Mark");
  EXPECT_EQ(font.master(0).privateValues.fontMatrix[0], 0.001);
  // The control values as little-endian 16-bit values, the programs as they are.
  EXPECT_EQ(font.rawBlocks()[0], (std::vector<uint8_t>{0xF6, 0xFF, 0x02, 0x01}));
  EXPECT_EQ(font.rawBlocks()[1], (std::vector<uint8_t>{0xB0, 0x01}));
  EXPECT_EQ(font.rawBlocks()[2], (std::vector<uint8_t>{0xB1, 0x02, 0x03}));
  ASSERT_EQ(font.slotCount(), 3);
  EXPECT_EQ(font.glyph(0)->name(), "null");
  EXPECT_EQ(font.glyph(1)->name(), "alpha");
  EXPECT_EQ(font.glyph(2)->name(), ".2");
  EXPECT_EQ(font.glyph(1)->advance(0), (Point{293, 0}));  // 600 of 2048 units
  ASSERT_EQ(font.glyph(1)->kerning().size(), 1u);
  EXPECT_EQ(font.glyph(1)->kerning()[0].rightGlyph, 2);
  EXPECT_EQ(font.glyph(1)->kerning()[0].values[0], -20);  // -19.53
  ASSERT_EQ(font.glyph(2)->kerning().size(), 1u);
  EXPECT_EQ(font.glyph(2)->kerning()[0].values[0], 7);  // 7.32
  EXPECT_TRUE(font.glyph(0)->kerning().empty());
}

}  // namespace
}  // namespace sorvella
