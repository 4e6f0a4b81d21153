// Splitting the data section of hand-made CIDFonts into subset fonts: the CIDMap and SubrMap
// layouts, lenIV, naming and the glyph limit, the code mapping, progress and cancel, and the
// statuses of damaged data.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "postscript/cid_keyed_font_reader.h"
#include "support/cid_font_bytes.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

using test::bytesOf;
using test::charstring;
using test::HandCid;
using test::HandCidFont;
using test::HandFontDict;
using test::joined;
using test::replacedOnce;

// A square of `size` units from (x, 0), advance `width`.
std::vector<uint8_t> square(int width, int x, int size) {
  return charstring("0 " + std::to_string(width) + " hsbw " + std::to_string(x) + " 0 rmoveto " +
                    std::to_string(size) + " 0 rlineto 0 " + std::to_string(size) + " rlineto " +
                    std::to_string(-size) + " 0 rlineto closepath endchar");
}

// From (50, 0) through subroutine 0 of the glyph's dictionary.
std::vector<uint8_t> throughSubroutine() {
  return charstring("0 600 hsbw 50 0 rmoveto 0 callsubr closepath endchar");
}

HandCidFont oneDict(int glyphs) {
  HandCidFont font;
  font.dicts = {{"Hand0", {}, {}}};
  for (int i = 0; i < glyphs; ++i) font.cids.push_back({0, square(500 + i, 10 * i, 100)});
  return font;
}

class CidSplit : public ::testing::Test {
 protected:
  bool import(const std::vector<uint8_t>& bytes,
              int limit = CidKeyedFontReader::kSubsetFontGlyphLimit,
              const ProgressCallback& progress = {}) {
    reader_ = std::make_unique<CidKeyedFontReader>(bytes);
    font_ = reader_->parseHeader(
        [this](std::unique_ptr<SubsetFont> font) { fonts_.push_back(std::move(font)); });
    if (!font_) return false;
    reader_->setGlyphLimit(limit);
    reader_->selectAllFontDicts();
    return reader_->splitIntoSubsetFonts(progress);
  }
  bool import(const HandCidFont& font, int limit = CidKeyedFontReader::kSubsetFontGlyphLimit) {
    return import(font.bytes(), limit);
  }

  // (name, glyph count) of every font handed over, in order.
  std::vector<std::pair<std::string, int>> handed() const {
    std::vector<std::pair<std::string, int>> list;
    for (const auto& f : fonts_) list.emplace_back(f->info().fontName(), f->slotCount());
    return list;
  }
  static std::vector<std::string> glyphNames(const SubsetFont& font) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < font.slotCount(); ++i)
      names.push_back(font.glyph(i) ? font.glyph(i)->name() : "(empty slot)");
    return names;
  }

  std::unique_ptr<CidKeyedFontReader> reader_;
  std::optional<CidFontInfo> font_;
  std::vector<std::unique_ptr<SubsetFont>> fonts_;
};

using Handed = std::vector<std::pair<std::string, int>>;

class CidSplitLayout : public CidSplit {};

TEST_F(CidSplitLayout, GlyphsCarryAdvanceBoxAndOutline) {
  ASSERT_TRUE(import(oneDict(2)));
  ASSERT_EQ(handed(), (Handed{{"Hand0", 2}}));
  const Glyph* g = fonts_[0]->glyph(1);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->name(), "CID-1");
  EXPECT_EQ(g->advance(0), (Point{501, 0}));
  EXPECT_EQ(g->boundingBox(), (Box{10, 0, 110, 100}));
  EXPECT_EQ(g->nodeCount(), 4);  // a move and three lines; closepath draws the fourth side
  EXPECT_EQ(g->contourCount(), 1);
}

TEST_F(CidSplitLayout, FdBytesZeroPutsEveryCidIntoTheFirstDictionary) {
  HandCidFont font = oneDict(3);
  font.fdBytes = 0;
  font.dicts.push_back({"Hand1", {}, {}});
  ASSERT_TRUE(import(font));
  // The second dictionary has no CID, and a dictionary of one subset font is handed over even
  // when empty.
  EXPECT_EQ(handed(), (Handed{{"Hand0", 3}, {"Hand1", 0}}));
}

TEST_F(CidSplitLayout, EveryWidthOfFdAndGdBytesIsRead) {
  for (int fdBytes = 1; fdBytes <= 4; ++fdBytes) {
    for (int gdBytes = 1; gdBytes <= 4; ++gdBytes) {
      SCOPED_TRACE("FDBytes " + std::to_string(fdBytes) + " GDBytes " + std::to_string(gdBytes));
      HandCidFont font;
      font.fdBytes = fdBytes;
      font.gdBytes = gdBytes;
      font.dicts = {{"Even", {}, {}}, {"Odd", {}, {}}};
      for (int cid = 0; cid < 4; ++cid) font.cids.push_back({cid % 2, square(500, cid, 50)});
      ASSERT_LT(font.data().size(), 256u) << "offsets must fit one byte";
      fonts_.clear();
      ASSERT_TRUE(import(font));
      ASSERT_EQ(handed(), (Handed{{"Even", 2}, {"Odd", 2}}));
      EXPECT_EQ(glyphNames(*fonts_[0]), (std::vector<std::string>{"CID-0", "CID-2"}));
      EXPECT_EQ(glyphNames(*fonts_[1]), (std::vector<std::string>{"CID-1", "CID-3"}));
      EXPECT_EQ(fonts_[1]->glyph(1)->boundingBox(), (Box{3, 0, 53, 50}));
    }
  }
}

TEST_F(CidSplitLayout, SubroutinesComeFromTheDictionaryOfTheCid) {
  for (int sdBytes = 1; sdBytes <= 4; ++sdBytes) {
    SCOPED_TRACE("SDBytes " + std::to_string(sdBytes));
    HandCidFont font;
    font.sdBytes = sdBytes;
    font.dicts = {{"Wide", {}, {charstring("400 0 rlineto 0 100 rlineto return")}},
                  {"Tall", {}, {charstring("100 0 rlineto 0 400 rlineto return")}}};
    font.cids = {{0, throughSubroutine()}, {1, throughSubroutine()}};
    fonts_.clear();
    ASSERT_TRUE(import(font));
    ASSERT_EQ(handed(), (Handed{{"Wide", 1}, {"Tall", 1}}));
    EXPECT_EQ(fonts_[0]->glyph(0)->boundingBox(), (Box{50, 0, 450, 100}));
    EXPECT_EQ(fonts_[1]->glyph(0)->boundingBox(), (Box{50, 0, 150, 400}));
  }
}

// Without /lenIV the charstrings carry the format's four lead-in bytes; a stated lenIV is
// honoured, and -1 means they are not encrypted at all.
TEST_F(CidSplitLayout, EachDictionaryUsesItsOwnLenIV) {
  HandCidFont font;
  const std::vector<std::vector<uint8_t>> subroutine = {
      charstring("200 0 rlineto 0 200 rlineto return")};
  font.dicts = {{"Default", {}, subroutine},
                {"Zero", 0, subroutine},
                {"One", 1, subroutine},
                {"Clear", -1, subroutine}};
  for (int fd = 0; fd < 4; ++fd) font.cids.push_back({fd, throughSubroutine()});
  ASSERT_TRUE(import(font));
  ASSERT_EQ(handed(), (Handed{{"Default", 1}, {"Zero", 1}, {"One", 1}, {"Clear", 1}}));
  for (const auto& f : fonts_) {
    SCOPED_TRACE(f->info().fontName());
    EXPECT_EQ(f->glyph(0)->advance(0), (Point{600, 0}));
    EXPECT_EQ(f->glyph(0)->boundingBox(), (Box{50, 0, 250, 200}));
  }
}

TEST_F(CidSplitLayout, EmptyCidsAndFailingCharstringsGiveNoGlyph) {
  HandCidFont font = oneDict(0);
  font.cids = {{0, square(500, 0, 10)},
               {0, {}},
               {0, charstring("0 500 hsbw 7 callsubr endchar")},  // no subroutine 7
               {0, square(500, 0, 10)}};
  ASSERT_TRUE(import(font));
  ASSERT_EQ(fonts_.size(), 1u);
  EXPECT_EQ(glyphNames(*fonts_[0]), (std::vector<std::string>{"CID-0", "CID-3"}));
}

class CidSplitSubsetFonts : public CidSplit {};

TEST_F(CidSplitSubsetFonts, DictionariesBeyondTheLimitGiveNumberedFonts) {
  const struct {
    int glyphs, limit;
    Handed fonts;
  } cases[] = {
      {10, CidKeyedFontReader::kSubsetFontGlyphLimit, {{"Hand0", 10}}},
      {10, 4, {{"Hand0-01", 4}, {"Hand0-02", 4}, {"Hand0-03", 2}}},
      // Exactly the limit gives a numbered font and no empty one.
      {4, 4, {{"Hand0-01", 4}}},
      {8, 4, {{"Hand0-01", 4}, {"Hand0-02", 4}}},
      {9, CidKeyedFontReader::kNoGlyphLimit, {{"Hand0", 9}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.glyphs) + " glyphs, limit " + std::to_string(c.limit));
    fonts_.clear();
    ASSERT_TRUE(import(oneDict(c.glyphs), c.limit));
    EXPECT_EQ(handed(), c.fonts);
    EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
  }
  fonts_.clear();
  ASSERT_TRUE(import(oneDict(10), 4));
  EXPECT_EQ(glyphNames(*fonts_[1]), (std::vector<std::string>{"CID-4", "CID-5", "CID-6", "CID-7"}));
  // Numbers past ninety-nine take three digits.
  fonts_.clear();
  ASSERT_TRUE(import(oneDict(101), 1));
  ASSERT_EQ(fonts_.size(), 101u);
  EXPECT_EQ(fonts_[8]->info().fontName(), "Hand0-09");
  EXPECT_EQ(fonts_[100]->info().fontName(), "Hand0-101");
}

TEST_F(CidSplitSubsetFonts, OnlySelectedDictionariesBecomeFonts) {
  HandCidFont font = oneDict(2);
  font.dicts.push_back({"Hand1", {}, {}});
  font.cids.push_back({1, square(500, 0, 10)});
  reader_ = std::make_unique<CidKeyedFontReader>(font.bytes());
  ASSERT_TRUE(reader_->parseHeader(
      [this](std::unique_ptr<SubsetFont> f) { fonts_.push_back(std::move(f)); }));
  reader_->selectFontDict(1);
  ASSERT_TRUE(reader_->splitIntoSubsetFonts());
  EXPECT_EQ(handed(), (Handed{{"Hand1", 1}}));
}

TEST_F(CidSplitSubsetFonts, EachFontCarriesItsCodeMapping) {
  HandCidFont font = oneDict(3);
  font.dicts.push_back({"Hand1", {}, {}});  // without glyphs
  ASSERT_TRUE(import(font));
  ASSERT_EQ(fonts_.size(), 2u);
  const GlyphMapping& full = fonts_[0]->glyphMapping();
  EXPECT_EQ(full.entries(), (std::vector<GlyphMapEntry>{{0, 65535}, {1, 65535}, {2, 65535}}));
  EXPECT_EQ(full.lastInUse, 2);
  EXPECT_EQ(fonts_[0]->encoding().number, 0);
  const GlyphMapping& empty = fonts_[1]->glyphMapping();
  EXPECT_EQ(empty.entries(), (std::vector<GlyphMapEntry>{{65535, 65535}}));
  EXPECT_EQ(empty.lastInUse, -1);
  EXPECT_EQ(fonts_[1]->encoding().number, 0);
}

TEST_F(CidSplitSubsetFonts, NumberedFontsKeepTheDictionaryInformation) {
  HandCidFont font = oneDict(3);
  font.topKeys = "";
  const std::string header = replacedOnce(
      font.header(), "/FontMatrix [0.001 0 0 0.001 0 0] def",
      "/FontMatrix [0.002 0 0 0.002 0 0] def\n/FullName (Hand Full) def\n/BlueValues [-10 0] def");
  ASSERT_TRUE(import(joined({bytesOf(header), font.data()}), 2));
  ASSERT_EQ(fonts_.size(), 2u);
  for (const auto& f : fonts_) {
    SCOPED_TRACE(f->info().fontName());
    EXPECT_EQ(f->info().fullName(), "Hand Full");
    EXPECT_EQ(f->master(0).privateValues.fontMatrix[0], 0.002);
    EXPECT_EQ(f->info().zoneCounts.blueValues, 2);
    EXPECT_EQ(f->master(0).privateValues.blueValues[0], -10);
  }
}

class CidSplitProgress : public CidSplit {
 protected:
  // Twelve CIDs of dictionary 0, then eleven of dictionary 1.
  static HandCidFont twoDicts() {
    HandCidFont font;
    font.dicts = {{"A", {}, {}}, {"B", {}, {}}};
    for (int cid = 0; cid < 23; ++cid) font.cids.push_back({cid < 12 ? 0 : 1, square(500, 0, 9)});
    return font;
  }
  ProgressCallback recorder(int cancelAtQuery = -1) {
    return [this, cancelAtQuery](int kind, int64_t a, int64_t b) {
      calls_.emplace_back(kind, a, b);
      if (kind == kProgressCancelQuery && queries_++ == cancelAtQuery) return 1;
      return 0;
    };
  }
  std::vector<std::tuple<int, int64_t, int64_t>> calls_;
  int queries_ = 0;
};

TEST_F(CidSplitProgress, ReportsTheRangeCancelQueriesAndPositions) {
  ASSERT_TRUE(import(twoDicts().bytes(), 5, recorder()));
  using C = std::tuple<int, int64_t, int64_t>;
  // Dictionary A: a query, fonts of 5, 5 (positions 5, 10), queries before CIDs 10 and 20,
  // its last font of 2 (12). Dictionary B: a query, the query before CID 10, fonts of 5 at
  // 17, the query before CID 20, 5 at 22, its last font of 1 (23). A last query.
  EXPECT_EQ(calls_, (std::vector<C>{{2, 0, 23},
                                    {0, 0, 0},
                                    {1, 5, 0},
                                    {1, 10, 0},
                                    {0, 0, 0},
                                    {0, 0, 0},
                                    {1, 12, 0},
                                    {0, 0, 0},
                                    {0, 0, 0},
                                    {1, 17, 0},
                                    {0, 0, 0},
                                    {1, 22, 0},
                                    {1, 23, 0},
                                    {0, 0, 0}}));
  EXPECT_EQ(handed(),
            (Handed{{"A-01", 5}, {"A-02", 5}, {"A-03", 2}, {"B-01", 5}, {"B-02", 5}, {"B-03", 1}}));
}

TEST_F(CidSplitProgress, ACancelKeepsTheFontsHandedOverBefore) {
  // The second query is the one before CID 10 of dictionary A.
  EXPECT_TRUE(import(twoDicts().bytes(), 5, recorder(1)));
  EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
  EXPECT_EQ(handed(), (Handed{{"A-01", 5}, {"A-02", 5}}));
  EXPECT_EQ(queries_, 2) << "nothing is asked after the cancel";
}

TEST_F(CidSplitProgress, ACancelWhileTheSubrMapsAreReadHandsNothingOver) {
  HandCidFont font = twoDicts();
  font.dicts[1].subroutines = {charstring("return")};
  EXPECT_FALSE(import(font.bytes(), 5, recorder(0)));
  EXPECT_EQ(reader_->status(), PSFontStatus::kSubrMapOutOfRange);
  EXPECT_TRUE(fonts_.empty());
}

class CidSplitFailures : public CidSplit {
 protected:
  static std::vector<uint8_t> withHeader(const HandCidFont& font, const std::string& from,
                                         const std::string& to) {
    return joined({bytesOf(replacedOnce(font.header(), from, to)), font.data()});
  }
  static HandCidFont withSubroutines() {
    HandCidFont font;
    font.dicts = {{"Plain", {}, {}}, {"Subrs", {}, {charstring("300 0 rlineto return")}}};
    font.cids = {{0, square(500, 0, 10)}, {1, throughSubroutine()}};
    return font;
  }
};

TEST_F(CidSplitFailures, ACidMapOffsetBeyondTwiceTheDataLengthIsOutOfRange) {
  const HandCidFont font = oneDict(3);
  const std::string offset = "/CIDMapOffset " + std::to_string(font.cidMapOffset()) + " def";
  const std::string beyond = "/CIDMapOffset " + std::to_string(2 * font.data().size() + 1) + " def";
  EXPECT_FALSE(import(withHeader(font, offset, beyond)));
  EXPECT_EQ(reader_->status(), PSFontStatus::kCidMapOutOfRange);
  EXPECT_TRUE(fonts_.empty());
}

TEST_F(CidSplitFailures, CidMapEntriesAreCheckedAgainstTwiceTheDataLength) {
  const HandCidFont font = oneDict(3);
  const std::size_t size = font.data().size();  // the last entry's offset
  const std::string declared = "(Binary) " + std::to_string(size) + " StartData";
  // Half the size (rounded up) still admits the last offset; one less does not.
  ASSERT_TRUE(import(
      withHeader(font, declared, "(Binary) " + std::to_string((size + 1) / 2) + " StartData")));
  EXPECT_EQ(handed(), (Handed{{"Hand0", 3}}));
  fonts_.clear();
  EXPECT_FALSE(import(
      withHeader(font, declared, "(Binary) " + std::to_string((size + 1) / 2 - 1) + " StartData")));
  EXPECT_EQ(reader_->status(), PSFontStatus::kCidMapOutOfRange);
  EXPECT_TRUE(fonts_.empty());
}

TEST_F(CidSplitFailures, AHexDataSectionFailsAtTheCidMapCheck) {
  EXPECT_FALSE(import(withHeader(oneDict(3), "(Binary)", "(Hex)")));
  EXPECT_EQ(reader_->status(), PSFontStatus::kCidMapOutOfRange);
  EXPECT_TRUE(fonts_.empty());
}

TEST_F(CidSplitFailures, ASubrMapOffsetBeyondTwiceTheDataLengthIsOutOfRange) {
  const HandCidFont font = withSubroutines();
  const std::string beyond = "/SubrMapOffset " + std::to_string(2 * font.data().size() + 1);
  // The second dictionary's SubrMap is the first in the data, at offset 0.
  std::string header = font.header();
  header.replace(header.rfind("/SubrMapOffset 0"), 16, beyond);
  EXPECT_FALSE(import(joined({bytesOf(header), font.data()})));
  EXPECT_EQ(reader_->status(), PSFontStatus::kSubrMapOutOfRange);
  EXPECT_TRUE(fonts_.empty()) << "not even the first dictionary's font";
}

TEST_F(CidSplitFailures, ASubrMapThatRunsBackwardsIsOutOfRange) {
  const HandCidFont font = withSubroutines();
  std::vector<uint8_t> data = font.data();
  data[1] = static_cast<uint8_t>(data[0] - 1);  // subroutine 0 would end before it starts
  EXPECT_FALSE(import(joined({bytesOf(font.header()), data})));
  EXPECT_EQ(reader_->status(), PSFontStatus::kSubrMapOutOfRange);
  EXPECT_TRUE(fonts_.empty());
}

TEST_F(CidSplitFailures, ByteCountsTheMapsCannotHaveFail) {
  const HandCidFont font = withSubroutines();
  constexpr PSFontStatus kMap = PSFontStatus::kCidMapOutOfRange;
  constexpr PSFontStatus kSubrs = PSFontStatus::kSubrMapOutOfRange;
  for (auto [from, to, status] :
       {std::tuple<std::string, std::string, PSFontStatus>{"/FDBytes 1", "/FDBytes 5", kMap},
        {"/FDBytes 1", "/FDBytes -1", kMap},
        {"/GDBytes 2", "/GDBytes 0", kMap},
        {"/GDBytes 2", "/GDBytes 5", kMap},
        {"/SDBytes 1 def\n/SubrCount 1", "/SDBytes 0 def\n/SubrCount 1", kSubrs},
        {"/SDBytes 1 def\n/SubrCount 1", "/SDBytes 5 def\n/SubrCount 1", kSubrs},
        {"/CIDCount 2", "/CIDCount -5", kMap}}) {
    SCOPED_TRACE(to);
    fonts_.clear();
    EXPECT_FALSE(import(withHeader(font, from, to)));
    EXPECT_EQ(reader_->status(), status);
    EXPECT_TRUE(fonts_.empty());
  }
}

TEST_F(CidSplitFailures, AbsurdCountsFailWithoutHandingOverAnything) {
  const HandCidFont font = withSubroutines();
  const std::string declared = "(Binary) " + std::to_string(font.data().size());
  const std::string offset = "/CIDMapOffset " + std::to_string(font.cidMapOffset());
  for (const std::string& header :
       {replacedOnce(font.header(), "/CIDCount 2", "/CIDCount 2000000000"),
        replacedOnce(font.header(), "/SubrCount 1", "/SubrCount 2147483647"),
        // A data length that admits the offset, which then lies far beyond the file.
        replacedOnce(replacedOnce(font.header(), declared, "(Binary) 2000000000"), offset,
                     "/CIDMapOffset 1999999999")}) {
    SCOPED_TRACE(header);
    fonts_.clear();
    EXPECT_FALSE(import(joined({bytesOf(header), font.data()})));
    EXPECT_TRUE(reader_->failed());
    EXPECT_TRUE(fonts_.empty());
  }
}

TEST_F(CidSplitFailures, AnFdIndexBeyondTheCountStopsAndKeepsEarlierFonts) {
  HandCidFont font = oneDict(3);
  font.cids.insert(font.cids.begin() + 2, HandCid{7, square(500, 0, 10)});
  EXPECT_TRUE(import(font, 2));
  EXPECT_EQ(reader_->status(), PSFontStatus::kFontDictOutOfRange);
  // CIDs 0 and 1 filled the first font; CID 2 names dictionary 7 of 1.
  EXPECT_EQ(handed(), (Handed{{"Hand0-01", 2}}));
}

TEST_F(CidSplitFailures, AnEmptyCidMayNameAnyDictionary) {
  HandCidFont font = oneDict(3);
  font.cids.insert(font.cids.begin() + 1, HandCid{200, {}});
  ASSERT_TRUE(import(font));
  EXPECT_EQ(handed(), (Handed{{"Hand0", 3}}));
}

TEST_F(CidSplitFailures, EveryTruncationFailsWithoutAHalfBuiltFont) {
  const HandCidFont font = withSubroutines();
  const std::vector<uint8_t> whole = font.bytes();
  const std::size_t mapsEnd = font.header().size() + font.cidMapOffset() + 3 * 3;
  const std::size_t complete = font.header().size() + font.data().size();
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    SCOPED_TRACE(cut);
    fonts_.clear();
    const bool ok = import(std::vector<uint8_t>(whole.begin(), whole.begin() + cut));
    if (cut >= complete) {
      EXPECT_TRUE(ok);
      EXPECT_EQ(handed(), (Handed{{"Plain", 1}, {"Subrs", 1}}));
    } else if (cut < mapsEnd) {
      EXPECT_FALSE(ok);
      EXPECT_TRUE(fonts_.empty());
    } else {
      // The first dictionary's glyph may lie before the cut; the second's does not.
      EXPECT_FALSE(ok);
      EXPECT_TRUE(handed().empty() || handed() == (Handed{{"Plain", 1}})) << handed().size();
    }
  }
}

TEST_F(CidSplitFailures, SplittingAfterAFailedHeaderFails) {
  reader_ = std::make_unique<CidKeyedFontReader>(bytesOf("/CIDCount 3 def\n"));
  EXPECT_FALSE(reader_->parseHeader({}));
  EXPECT_FALSE(reader_->splitIntoSubsetFonts());
}

}  // namespace
}  // namespace sorvella
