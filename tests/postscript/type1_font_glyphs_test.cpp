// Charstrings of Type 1 fonts made by hand: which entries become glyphs, in which order and
// with which names; the three file forms; lenIV; and seac characters made composites.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "postscript/ps_font_reader.h"
#include "postscript/type1_font_parser.h"
#include "support/charstring_bytes.h"
#include "support/peer_tools.h"
#include "support/temp_folder.h"
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

class Type1Charstrings : public ::testing::Test {
 protected:
  test::Type1ReadResult read(Type1Form form = Type1Form::kSegmented) {
    return readType1Bytes(buildType1Font(source_, form));
  }

  test::Type1FontSource source_;
};

TEST_F(Type1Charstrings, GlyphsFollowTheDictionaryNamedWithoutTheSlash) {
  source_.charstrings = {{"A", squareGlyph()},
                         {"acute", acuteGlyph()},
                         {"space", assembleCharstring({0, 250, kHsbw, kEndchar})}};
  const auto result = read();
  ASSERT_TRUE(result.succeeded);
  EXPECT_EQ(result.status, PSFontStatus::kFinished);
  ASSERT_TRUE(result.font);
  EXPECT_THAT(glyphNames(*result.font), ElementsAre("A", "acute", "space"));
}

TEST_F(Type1Charstrings, GlyphCarriesOutlineAdvanceAndBox) {
  source_.charstrings = {{"A", squareGlyph()}, {"acute", acuteGlyph()}};
  const auto result = read();
  ASSERT_TRUE(result.font);
  const Glyph& a = *result.font->glyph(0);
  EXPECT_EQ(a.advance(0), (Point{600, 0}));
  ASSERT_EQ(a.nodeCount(), 4);
  EXPECT_EQ(a.node(0), Node::move({20, 0}));
  EXPECT_EQ(a.node(2), Node::line({520, 700}));
  EXPECT_EQ(a.boundingBox(), (Box{20, 0, 520, 700}));
  EXPECT_EQ(result.font->glyph(1)->boundingBox(), (Box{80, 600, 180, 700}));
}

TEST_F(Type1Charstrings, FewerEntriesThanAnnouncedEndAtEnd) {
  source_.charstrings = {{"A", squareGlyph()}, {"acute", acuteGlyph()}};
  source_.announcedCharstrings = 5;
  const auto result = read();
  ASSERT_TRUE(result.succeeded);
  EXPECT_EQ(result.status, PSFontStatus::kFinished);
  ASSERT_TRUE(result.font);
  EXPECT_THAT(glyphNames(*result.font), ElementsAre("A", "acute"));
}

TEST_F(Type1Charstrings, CharstringOfAtMostLenIVPlusOneBytesIsSkipped) {
  source_.charstrings = {{"A", squareGlyph()},
                         {"one", assembleCharstring({kEndchar})},      // 5 bytes
                         {"two", assembleCharstring({0, kEndchar})}};  // 6 bytes
  const auto result = read();
  ASSERT_TRUE(result.font);
  EXPECT_THAT(glyphNames(*result.font), ElementsAre("A", "two"));
}

TEST_F(Type1Charstrings, SubroutinesAreCalledFromCharstrings) {
  source_.subroutines = {assembleCharstring({500, kHlineto, kReturn})};
  source_.charstrings = {{"A", assembleCharstring({20, 600, kHsbw, 0, 0, kRmoveto, 0, kCallsubr,
                                                   700, kVlineto, kClosepath, kEndchar})}};
  const auto result = read();
  ASSERT_TRUE(result.font);
  const Glyph& a = *result.font->glyph(0);
  ASSERT_EQ(a.nodeCount(), 3);
  EXPECT_EQ(a.node(1), Node::line({520, 0}));
  EXPECT_EQ(a.node(2), Node::line({520, 700}));
}

TEST_F(Type1Charstrings, UndefinedSubroutineGivesNoGlyphAndReadingGoesOn) {
  source_.subroutines = {assembleCharstring({kReturn})};
  source_.charstrings = {{"A", squareGlyph()},
                         {"bad", assembleCharstring({20, 600, kHsbw, 7, kCallsubr, kEndchar})},
                         {"acute", acuteGlyph()}};
  const auto result = read();
  ASSERT_TRUE(result.succeeded);
  ASSERT_TRUE(result.font);
  EXPECT_THAT(glyphNames(*result.font), ElementsAre("A", "acute"));
}

TEST_F(Type1Charstrings, StackOverflowGivesNoGlyph) {
  source_.charstrings = {
      {"A", squareGlyph()},
      {"full", assembleCharstring({1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                   14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, kEndchar})}};
  const auto result = read();
  ASSERT_TRUE(result.font);
  EXPECT_THAT(glyphNames(*result.font), ElementsAre("A"));
}

TEST_F(Type1Charstrings, LenIVMinusOneMeansCharstringsInTheClear) {
  source_.lenIV = -1;
  source_.subroutines = {assembleCharstring({500, kHlineto, kReturn})};
  source_.charstrings = {{"A", assembleCharstring({20, 600, kHsbw, 0, 0, kRmoveto, 0, kCallsubr,
                                                   700, kVlineto, kClosepath, kEndchar})},
                         {"acute", acuteGlyph()}};
  const auto result = read();
  ASSERT_TRUE(result.font);
  EXPECT_THAT(glyphNames(*result.font), ElementsAre("A", "acute"));
  EXPECT_EQ(result.font->glyph(0)->boundingBox(), (Box{20, 0, 520, 700}));
  EXPECT_EQ(result.font->glyph(1)->boundingBox(), (Box{80, 600, 180, 700}));
}

TEST_F(Type1Charstrings, CharstringsReplaceTheGlyphsOfAGivenFont) {
  source_.charstrings = {{"A", squareGlyph()}};
  SubsetFont font;
  font.appendSlot(std::make_unique<Glyph>());
  font.appendSlot(nullptr);
  PSFontReader reader(buildType1Font(source_, Type1Form::kSegmented));
  Type1FontParser parser(reader);
  ASSERT_TRUE(parser.readType1Font(&font, test::shippedEncodings()));
  EXPECT_THAT(glyphNames(font), ElementsAre("A"));
  EXPECT_EQ(font.info().fontName(), "Handmade-Regular");
  EXPECT_FALSE(parser.takeType1Font());
}

class Type1FileForms : public ::testing::Test {
 protected:
  void SetUp() override {
    source_.subroutines = {assembleCharstring({500, kHlineto, kReturn})};
    source_.charstrings = {{"A", assembleCharstring({20, 600, kHsbw, 0, 0, kRmoveto, 0, kCallsubr,
                                                     700, kVlineto, kClosepath, kEndchar})},
                           {"acute", acuteGlyph()}};
  }

  static void expectSameGlyphs(const SubsetFont& a, const SubsetFont& b) {
    ASSERT_EQ(a.slotCount(), b.slotCount());
    for (int32_t slot = 0; slot < a.slotCount(); ++slot)
      EXPECT_TRUE(a.glyph(slot)->sameContent(*b.glyph(slot))) << slot;
  }

  test::Type1FontSource source_;
};

TEST_F(Type1FileForms, PlainBinaryAndHexadecimalFilesReadLikeTheSegmentedOne) {
  const auto segmented = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(segmented.font);
  for (Type1Form form : {Type1Form::kPlainBinary, Type1Form::kPlainHex}) {
    SCOPED_TRACE(static_cast<int>(form));
    const auto other = readType1Bytes(buildType1Font(source_, form));
    ASSERT_TRUE(other.font);
    EXPECT_EQ(other.status, PSFontStatus::kFinished);
    EXPECT_THAT(glyphNames(*other.font), ElementsAre("A", "acute"));
    expectSameGlyphs(*other.font, *segmented.font);
    EXPECT_EQ(other.font->info().fontName(), "Handmade-Regular");
  }
}

TEST_F(Type1FileForms, NonHexadecimalCharacterInTheHexPartFails) {
  std::vector<uint8_t> bytes = buildType1Font(source_, Type1Form::kPlainHex);
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
  const auto peer = test::txMetrics(folder / "seac.pfb");
  ASSERT_EQ(peer.count("Aacute"), 1u) << "tx -mtx did not read the font";
  const auto result = readType1Bytes(bytes);
  ASSERT_TRUE(result.font);
  const Glyph& aacute = *result.font->glyph(2);
  EXPECT_EQ(test::shownBox(*result.font, aacute), peer.at("Aacute").box);
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
