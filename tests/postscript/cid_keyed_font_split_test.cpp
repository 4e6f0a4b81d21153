// Splitting the data section of hand-made CIDFonts into subset fonts: the CIDMap and SubrMap
// layouts, lenIV, naming and the glyph limit, the code mapping, cancelling, and the
// statuses of damaged data.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
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

// Without /lenIV the charstrings carry the format's four lead-in bytes; a stated lenIV is
// honoured, and -1 means they are not encrypted at all.
TEST_F(CidSplitLayout, SubroutinesAndLenIVComeFromTheDictionaryOfTheCid) {
  for (int sdBytes = 1; sdBytes <= 4; ++sdBytes) {
    SCOPED_TRACE("SDBytes " + std::to_string(sdBytes));
    HandCidFont font;
    font.sdBytes = sdBytes;
    int size = 100;
    for (std::optional<int> lenIV :
         {std::optional<int>{}, std::optional{0}, std::optional{1}, std::optional{-1}}) {
      font.dicts.push_back({"D" + std::to_string(size),
                            lenIV,
                            {charstring(std::to_string(size) + " 0 rlineto 0 " +
                                        std::to_string(size) + " rlineto return")}});
      font.cids.push_back({static_cast<int>(font.cids.size()), throughSubroutine()});
      size += 100;
    }
    fonts_.clear();
    ASSERT_TRUE(import(font));
    ASSERT_EQ(fonts_.size(), 4u);
    for (std::size_t fd = 0; fd < 4; ++fd) {
      ASSERT_EQ(fonts_[fd]->slotCount(), 1) << fd;  // a glyph that failed leaves no slot
      const int side = 100 * static_cast<int>(fd + 1);
      EXPECT_EQ(fonts_[fd]->glyph(0)->advance(0), (Point{600, 0}));
      EXPECT_EQ(fonts_[fd]->glyph(0)->boundingBox(),
                (Box{50, 0, static_cast<int16_t>(50 + side), static_cast<int16_t>(side)}));
    }
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

// Exactly the limit gives a numbered font and no empty one; numbers past ninety-nine take
// three digits.
TEST_F(CidSplitSubsetFonts, DictionariesBeyondTheLimitGiveNumberedFonts) {
  const struct {
    int glyphs, limit;
    Handed fonts;
  } cases[] = {
      {10, 4, {{"Hand0-01", 4}, {"Hand0-02", 4}, {"Hand0-03", 2}}},
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
  ASSERT_TRUE(import(oneDict(101), 1));
  ASSERT_EQ(fonts_.size(), 101u);
  EXPECT_EQ(fonts_[8]->info().fontName(), "Hand0-09");
  EXPECT_EQ(fonts_[100]->info().fontName(), "Hand0-101");
}

TEST_F(CidSplitSubsetFonts, EachFontCarriesItsCodeMappingAndTheDictionaryInformation) {
  HandCidFont font = oneDict(3);
  font.dicts.push_back({"Hand1", {}, {}});  // without glyphs
  font.topKeys = "";
  const std::string header = replacedOnce(
      font.header(), "/FontMatrix [0.001 0 0 0.001 0 0] def",
      "/FontMatrix [0.002 0 0 0.002 0 0] def\n/FullName (Hand Full) def\n/BlueValues [-10 0] def");
  ASSERT_TRUE(import(joined({bytesOf(header), font.data()}), 2));
  ASSERT_EQ(handed(), (Handed{{"Hand0-01", 2}, {"Hand0-02", 1}, {"Hand1", 0}}));
  EXPECT_EQ(fonts_[0]->glyphMapping().entries(),
            (std::vector<GlyphMapEntry>{{0, 65535}, {1, 65535}}));
  EXPECT_EQ(fonts_[1]->glyphMapping().lastInUse, 0);
  EXPECT_EQ(fonts_[2]->glyphMapping().entries(), (std::vector<GlyphMapEntry>{{65535, 65535}}));
  EXPECT_EQ(fonts_[2]->glyphMapping().lastInUse, -1);
  for (int i : {0, 1}) {
    const SubsetFont& f = *fonts_[static_cast<std::size_t>(i)];
    EXPECT_EQ(f.encoding().number, 0);
    EXPECT_EQ(f.info().fullName(), "Hand Full");
    EXPECT_EQ(f.master(0).privateValues.fontMatrix[0], 0.002);
    EXPECT_EQ(f.info().zoneCounts.blueValues, 2);
    EXPECT_EQ(f.master(0).privateValues.blueValues[0], -10);
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
  ProgressCallback canceller(int cancelAtQuery = -1) {
    return [this, cancelAtQuery](int kind, int64_t a, int64_t b) {
      if (kind == kProgressRange) range_ = b;
      if (kind == kProgressPosition) positions_.push_back(a);
      return kind == kProgressCancelQuery && queries_++ == cancelAtQuery ? 1 : 0;
    };
  }
  int queries_ = 0;
  int64_t range_ = -1;
  std::vector<int64_t> positions_;
};

// The range is the CID count; a position follows each subset font handed over.
TEST_F(CidSplitProgress, ReportsTheRangeAndTheCidReachedWithEachFont) {
  ASSERT_TRUE(import(twoDicts().bytes(), 5, canceller()));
  EXPECT_EQ(range_, 23);
  EXPECT_EQ(positions_, (std::vector<int64_t>{5, 10, 12, 17, 22, 23}));
}

TEST_F(CidSplitProgress, ACancelKeepsTheFontsHandedOverBefore) {
  // The second query is the one before CID 10 of dictionary A.
  EXPECT_TRUE(import(twoDicts().bytes(), 5, canceller(1)));
  EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
  EXPECT_EQ(handed(), (Handed{{"A-01", 5}, {"A-02", 5}}));
  EXPECT_EQ(queries_, 2) << "nothing is asked after the cancel";
}

TEST_F(CidSplitProgress, ACancelWhileTheSubrMapsAreReadHandsNothingOver) {
  HandCidFont font = twoDicts();
  font.dicts[1].subroutines = {charstring("return")};
  EXPECT_FALSE(import(font.bytes(), 5, canceller(0)));
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

// Offsets are checked against twice the declared data length; byte counts the maps cannot
// have and absurd counts fail before anything is handed over. A CID naming a dictionary beyond
// the count ends the split after the fonts finished before it; an empty CID may name any.
TEST_F(CidSplitFailures, DamagedMapsAndCountsSetTheirStatus) {
  constexpr PSFontStatus kMap = PSFontStatus::kCidMapOutOfRange;
  constexpr PSFontStatus kSubr = PSFontStatus::kSubrMapOutOfRange;
  constexpr PSFontStatus kDone = PSFontStatus::kFinished;
  constexpr std::nullopt_t kAny = std::nullopt;  // any failure
  const HandCidFont plain = oneDict(3);
  const HandCidFont subrs = withSubroutines();
  const std::size_t size = plain.data().size();  // the last CIDMap entry's offset
  auto declared = [](std::size_t n) { return "(Binary) " + std::to_string(n) + " StartData"; };
  std::string subrMapBeyond = subrs.header();
  // The second dictionary's SubrMap is the first in the data, at offset 0.
  subrMapBeyond.replace(subrMapBeyond.rfind("/SubrMapOffset 0"), 16,
                        "/SubrMapOffset " + std::to_string(2 * subrs.data().size() + 1));
  std::vector<uint8_t> backwards = subrs.data();
  backwards[1] = static_cast<uint8_t>(backwards[0] - 1);  // subroutine 0 would end before it starts
  HandCidFont badFd = oneDict(3);
  badFd.cids.insert(badFd.cids.begin() + 2, HandCid{7, square(500, 0, 10)});
  HandCidFont emptyAnywhere = oneDict(3);
  emptyAnywhere.cids.insert(emptyAnywhere.cids.begin() + 1, HandCid{200, {}});
  // A data length that admits the offset, which then lies far beyond the file.
  const std::string farOffset = replacedOnce(
      replacedOnce(subrs.header(), declared(subrs.data().size()), declared(2000000000)),
      "/CIDMapOffset " + std::to_string(subrs.cidMapOffset()), "/CIDMapOffset 1999999999");
  auto bad = [&](const std::string& from, const std::string& to) {
    return withHeader(subrs, from, to);
  };
  const std::string cidMapOffset = "/CIDMapOffset " + std::to_string(plain.cidMapOffset()) + " ";
  const struct {
    std::vector<uint8_t> bytes;
    bool ok;
    std::optional<PSFontStatus> status;
    Handed fonts;
    int limit = 512;
  } cases[] = {
      {withHeader(plain, cidMapOffset, "/CIDMapOffset " + std::to_string(2 * size + 1) + " "),
       false,
       kMap,
       {}},
      // Half the size (rounded up) still admits the last offset; one less does not.
      {withHeader(plain, declared(size), declared((size + 1) / 2)), true, kDone, {{"Hand0", 3}}},
      {withHeader(plain, declared(size), declared((size + 1) / 2 - 1)), false, kMap, {}},
      {withHeader(plain, "(Binary)", "(Hex)"), false, kMap, {}},
      {joined({bytesOf(subrMapBeyond), subrs.data()}), false, kSubr, {}},
      {joined({bytesOf(subrs.header()), backwards}), false, kSubr, {}},
      {bad("/FDBytes 1", "/FDBytes 5"), false, kMap, {}},
      {bad("/FDBytes 1", "/FDBytes -1"), false, kMap, {}},
      {bad("/GDBytes 2", "/GDBytes 0"), false, kMap, {}},
      {bad("/GDBytes 2", "/GDBytes 5"), false, kMap, {}},
      {bad("/SDBytes 1 def\n/SubrCount 1", "/SDBytes 0 def\n/SubrCount 1"), false, kSubr, {}},
      {bad("/SDBytes 1 def\n/SubrCount 1", "/SDBytes 5 def\n/SubrCount 1"), false, kSubr, {}},
      {bad("/CIDCount 2", "/CIDCount -5"), false, kMap, {}},
      {bad("/CIDCount 2", "/CIDCount 2000000000"), false, kAny, {}},
      {bad("/SubrCount 1", "/SubrCount 2147483647"), false, kAny, {}},
      {joined({bytesOf(farOffset), subrs.data()}), false, kAny, {}},
      {badFd.bytes(), true, PSFontStatus::kFontDictOutOfRange, {{"Hand0-01", 2}}, 2},
      {emptyAnywhere.bytes(), true, kDone, {{"Hand0", 3}}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    const auto& c = cases[i];
    fonts_.clear();
    EXPECT_EQ(import(c.bytes, c.limit), c.ok);
    if (!c.status) {
      EXPECT_TRUE(reader_->failed());
    } else {
      EXPECT_EQ(reader_->status(), *c.status);
    }
    EXPECT_EQ(handed(), c.fonts);
  }
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
