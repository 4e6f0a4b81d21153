// Charstrings of Type 1 fonts made by hand: which entries become glyphs, in which order and
// with which names; the three file forms; lenIV; and seac characters made composites.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "postscript/ps_font_reader.h"
#include "support/charstring_bytes.h"
#include "support/peer_tool.h"
#include "support/temp_folder.h"
#include "support/tx_metrics.h"
#include "support/type1_font_builder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

using namespace test::charstring_op;
using test::assembleCharstring;
using test::buildType1Font;
using test::glyphNames;
using test::readType1Bytes;
using test::Type1Form;
using ::testing::ElementsAre;

// 20 600 hsbw: a 500 x 700 square from the side bearing point.
std::vector<uint8_t> squareGlyph() {
  return assembleCharstring({20, 600, kHsbw, 0, 0, kRmoveto, 500, kHlineto, 700, kVlineto, -500,
                             kHlineto, kClosepath, kEndchar});
}

// 50 300 hsbw: a triangle from (80, 600) over (180, 700) to (140, 700).
std::vector<uint8_t> acuteGlyph() {
  return assembleCharstring(
      {50, 300, kHsbw, 30, 600, kRmoveto, 100, 100, kRlineto, -40, kHlineto, kClosepath, kEndchar});
}

std::vector<uint8_t> throughSubroutine() {
  return assembleCharstring(
      {20, 600, kHsbw, 0, 0, kRmoveto, 0, kCallsubr, 700, kVlineto, kClosepath, kEndchar});
}

// Glyphs follow the dictionary, named without the slash; fewer entries than announced end at
// `end`; charstrings of at most lenIV + 1 bytes, and those that fail, give no glyph and reading
// goes on.
TEST(Type1Charstrings, WhichEntriesBecomeGlyphs) {
  const std::vector<uint8_t> space = assembleCharstring({0, 250, kHsbw, kEndchar});
  const struct {
    int announced;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> charstrings;
    std::vector<std::string> names;
  } cases[] = {
      {-1,
       {{"A", squareGlyph()}, {"acute", acuteGlyph()}, {"space", space}},
       {"A", "acute", "space"}},
      {5, {{"A", squareGlyph()}, {"acute", acuteGlyph()}}, {"A", "acute"}},
      {-1,
       {{"A", squareGlyph()},
        {"one", assembleCharstring({kEndchar})},      // 5 bytes
        {"two", assembleCharstring({0, kEndchar})}},  // 6 bytes
       {"A", "two"}},
      {-1,
       {{"A", squareGlyph()},
        {"bad", assembleCharstring({20, 600, kHsbw, 7, kCallsubr, kEndchar})},
        {"acute", acuteGlyph()}},
       {"A", "acute"}},
  };
  for (const auto& c : cases) {
    test::Type1FontSource source;
    source.subroutines = {assembleCharstring({kReturn})};
    source.charstrings = c.charstrings;
    source.announcedCharstrings = c.announced;
    const auto result = readType1Bytes(buildType1Font(source, Type1Form::kSegmented));
    ASSERT_TRUE(result.succeeded);
    EXPECT_EQ(result.status, PSFontStatus::kFinished);
    ASSERT_TRUE(result.font);
    EXPECT_EQ(glyphNames(*result.font), c.names);
  }
}

// The same glyphs from each file form (hexadecimal digits in either case), and with lenIV -1
// (charstrings in the clear): outlines from the side bearing point through subroutines,
// advances and boxes.
TEST(Type1Charstrings, EveryFileFormAndLenIVGivesTheSameGlyphs) {
  test::Type1FontSource source;
  source.subroutines = {assembleCharstring({500, kHlineto, kReturn})};
  source.charstrings = {{"A", throughSubroutine()}, {"acute", acuteGlyph()}};
  for (Type1Form form : {Type1Form::kSegmented, Type1Form::kPlainBinary, Type1Form::kPlainHex}) {
    for (int lenIV : {4, -1}) {
      SCOPED_TRACE("form " + std::to_string(static_cast<int>(form)) + " lenIV " +
                   std::to_string(lenIV));
      source.lenIV = lenIV;
      source.hexLowerCase = lenIV < 0;
      const auto result = readType1Bytes(buildType1Font(source, form));
      ASSERT_TRUE(result.font);
      EXPECT_EQ(result.status, PSFontStatus::kFinished);
      EXPECT_EQ(result.font->info().fontName(), "Handmade-Regular");
      EXPECT_THAT(glyphNames(*result.font), ElementsAre("A", "acute"));
      const Glyph& a = *result.font->glyph(0);
      EXPECT_EQ(a.advance(0), (Point{600, 0}));
      ASSERT_EQ(a.nodeCount(), 3);
      EXPECT_EQ(a.node(0), Node::move({20, 0}));
      EXPECT_EQ(a.node(1), Node::line({520, 0}));
      EXPECT_EQ(a.node(2), Node::line({520, 700}));
      EXPECT_EQ(a.boundingBox(), (Box{20, 0, 520, 700}));
      EXPECT_EQ(result.font->glyph(1)->boundingBox(), (Box{80, 600, 180, 700}));
    }
  }
}

TEST(Type1Charstrings, NonHexadecimalCharacterInTheHexPartFails) {
  test::Type1FontSource source;
  source.subroutines = {assembleCharstring({500, kHlineto, kReturn})};
  source.charstrings = {{"A", throughSubroutine()}, {"acute", acuteGlyph()}};
  std::vector<uint8_t> bytes = buildType1Font(source, Type1Form::kPlainHex);
  const std::string text(bytes.begin(), bytes.end());
  const std::size_t eexec = text.find("eexec");
  ASSERT_NE(eexec, std::string::npos);
  bytes[eexec + 200] = 'G';
  const auto result = readType1Bytes(bytes);
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.status, PSFontStatus::kBadHexDigit);
  EXPECT_FALSE(result.font);
}

class Type1SeacComposites : public ::testing::Test {
 protected:
  void SetUp() override {
    // The accented glyph's own advance (610) differs from the base glyph's (600) on purpose.
    source_.charstrings = {
        {"A", squareGlyph()},
        {"acute", acuteGlyph()},
        {"Aacute", assembleCharstring({20, 610, kHsbw, 50, 150, 100, 65, 194, kSeac})}};
  }

  test::Type1FontSource source_;
};

TEST_F(Type1SeacComposites, AccentedGlyphBecomesBaseAndShiftedAccent) {
  const auto result = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(result.font);
  ASSERT_EQ(result.font->slotCount(), 3);
  const Glyph& aacute = *result.font->glyph(2);
  EXPECT_EQ(aacute.name(), "Aacute");
  EXPECT_EQ(aacute.nodeCount(), 0);
  EXPECT_EQ(aacute.advance(0), (Point{600, 0}));
  ASSERT_EQ(aacute.components().size(), 2u);
  const Component& base = aacute.components()[0];
  const Component& accent = aacute.components()[1];
  EXPECT_EQ(base.glyphIndex, 0);
  EXPECT_THAT(base.offset, ElementsAre(Point{0, 0}));
  EXPECT_EQ(accent.glyphIndex, 1);
  // adx 150 - the accent's side bearing 50 + the base's side bearing 20; ady 100.
  EXPECT_THAT(accent.offset, ElementsAre(Point{120, 100}));
}

TEST_F(Type1SeacComposites, CompositeShowsWhatTxShows) {
  ASSERT_TRUE(std::filesystem::exists(test::kTx)) << test::kTx << " (afdko) is missing";
  // tx takes one line-end byte after eexec and would decrypt the LF of CR LF.
  source_.eexecLineEnd = "\n";
  test::TempFolder folder;
  const std::vector<uint8_t> bytes = buildType1Font(source_, Type1Form::kSegmented);
  test::writeFile(folder / "seac.pfb", std::string(bytes.begin(), bytes.end()));
  const auto peer =
      test::parseTxMetrics(test::runPeer(test::kTx, {"-mtx", (folder / "seac.pfb").string()}).out);
  ASSERT_EQ(peer.count("Aacute"), 1u) << "tx -mtx did not read the font";
  const auto result = readType1Bytes(bytes);
  ASSERT_TRUE(result.font);
  const Glyph& aacute = *result.font->glyph(2);
  const test::TxGlyph& shown = peer.at("Aacute");
  EXPECT_EQ(test::shownBox(*result.font, aacute),
            (Box{static_cast<int16_t>(shown.left), static_cast<int16_t>(shown.bottom),
                 static_cast<int16_t>(shown.right), static_cast<int16_t>(shown.top)}));
  EXPECT_EQ(test::shownBox(*result.font, aacute), (Box{20, 0, 520, 800}));
}

TEST_F(Type1SeacComposites, MissingAccentLeavesTheGlyphAlone) {
  source_.charstrings[2].second =
      assembleCharstring({20, 610, kHsbw, 50, 150, 100, 65, 200, kSeac});  // dieresis
  const auto result = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(result.font);
  ASSERT_EQ(result.font->slotCount(), 3);
  EXPECT_TRUE(result.font->glyph(2)->components().empty());
  EXPECT_EQ(result.font->glyph(2)->advance(0), (Point{610, 0}));
}

}  // namespace
}  // namespace sorvella
