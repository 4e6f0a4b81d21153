// Range operations checked against a plain model: what a copy, move or swap from a snapshot
// of the original arrangement gives, with locked characters left where they are.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <set>

#include "cidfont/cid_font.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

using Glyph2 = std::pair<int, int>;  // (font, glyph); (-1, -1) for an empty CID
constexpr Glyph2 kEmpty{-1, -1};

// CIDs near 0 and around the end of the CID table, so that ranges cross into the overflow list.
constexpr int32_t kLowTop = 160;
constexpr int32_t kHighFirst = 9940;
constexpr int32_t kHighTop = 10120;

struct Arrangement {
  std::map<int32_t, Glyph2> at;  // only CIDs that hold a character
  std::set<Glyph2> locked;       // characters of locked fonts, by (font, glyph)
  Glyph2 operator[](int32_t cid) const {
    auto it = at.find(cid);
    return it == at.end() ? kEmpty : it->second;
  }
  bool isLocked(int32_t cid) const { return locked.count((*this)[cid]) != 0; }
  void put(int32_t cid, Glyph2 g) {
    if (g == kEmpty)
      at.erase(cid);
    else
      at[cid] = g;
  }
};

Arrangement arrangementOf(const CCidFont& font) {
  Arrangement a;
  auto visit = [&](int32_t cid) {
    int32_t c = font.CharacterAt(cid);
    if (c < 0) return;
    const CharacterRecord& r = font.record(c);
    a.at[cid] = {r.font, r.glyph};
    if (font.IsLocked(c)) a.locked.insert({r.font, r.glyph});
  };
  for (int32_t cid = 0; cid <= kHighTop + 100; ++cid) visit(cid);
  return a;
}

class RangeModel : public ::testing::Test {
 protected:
  void SetUp() override {
    seed_ = test::testSeed();
    rng_.seed(seed_);
    std::printf("random seed %u (set SORVELLA_TEST_SEED to repeat)\n", seed_);
  }

  int32_t randomCid() {
    return rng_() % 2 ? static_cast<int32_t>(rng_() % kLowTop)
                      : kHighFirst + static_cast<int32_t>(rng_() % (kHighTop - kHighFirst));
  }

  CCidFont randomFont() {
    CCidFont font;
    std::set<int32_t> used;
    int fonts = 2 + static_cast<int>(rng_() % 4);
    for (int f = 0; f < fonts; ++f) {
      int glyphs = 10 + static_cast<int>(rng_() % 60);
      std::vector<CharacterRecord> records;
      for (int g = 0; g < glyphs; ++g) {
        CharacterRecord r = CharacterRecord::make(f, g);
        int32_t cid = randomCid();
        if (rng_() % 5 && used.insert(cid).second) r.cid = cid;
        records.push_back(r);
      }
      SubsetFontEntry e;
      e.characterCount = glyphs;
      font.addSubsetFont(e, records);
    }
    font.RebuildTables();
    for (int f = 0; f < fonts; ++f)
      if (rng_() % 4 == 0) font.setLocked(f, true);
    return font;
  }

  // A range of 1..40 CIDs and a target shifted by 1..45 either way (overlapping or not).
  void randomRange(int32_t& first, int32_t& last, int32_t& target) {
    first = randomCid();
    last = first + static_cast<int32_t>(rng_() % 40);
    int32_t shift = 1 + static_cast<int32_t>(rng_() % 45);
    target = rng_() % 2 && first >= shift ? first - shift : first + shift;
  }

  // A random font, a random range on it, and what the font held before the operation.
  struct Round {
    CCidFont font;
    int32_t first = 0, last = 0, target = 0;
    Arrangement before;
    int32_t count = 0;  // characters
    std::string where;  // what to print to repeat a failure
  };

  Round randomRound(int round) {
    Round r;
    r.font = randomFont();
    randomRange(r.first, r.last, r.target);
    r.before = arrangementOf(r.font);
    r.count = r.font.characterCount();
    r.where = "seed " + std::to_string(seed_) + " round " + std::to_string(round) + " range " +
              std::to_string(r.first) + ".." + std::to_string(r.last) + " -> " +
              std::to_string(r.target);
    return r;
  }

  uint32_t seed_ = 0;
  std::mt19937 rng_;
};

TEST_F(RangeModel, CopyRangeMatchesACopyFromASnapshot) {
  for (int round = 0; round < 300; ++round) {
    Round r = randomRound(round);
    r.font.CopyRange(r.first, r.last, r.target);

    Arrangement expected = r.before;
    for (int32_t k = 0; k <= r.last - r.first; ++k)
      if (!r.before.isLocked(r.target + k)) expected.put(r.target + k, r.before[r.first + k]);
    ASSERT_EQ(arrangementOf(r.font).at, expected.at) << r.where;
    EXPECT_GE(r.font.characterCount(), r.count);
  }
}

TEST_F(RangeModel, MoveRangeMatchesAMoveFromASnapshot) {
  for (int round = 0; round < 300; ++round) {
    Round r = randomRound(round);
    r.font.MoveRange(r.first, r.last, r.target);

    const Arrangement& before = r.before;
    Arrangement expected = before;
    std::vector<int32_t> moved;
    for (int32_t k = 0; k <= r.last - r.first; ++k)
      if (!before.isLocked(r.first + k) && !before.isLocked(r.target + k)) moved.push_back(k);
    for (int32_t k : moved)
      if (before[r.first + k] != kEmpty) expected.at.erase(r.first + k);
    for (int32_t k : moved) expected.put(r.target + k, before[r.first + k]);
    ASSERT_EQ(arrangementOf(r.font).at, expected.at) << r.where;
    EXPECT_EQ(r.font.characterCount(), r.count);  // moving never makes or drops a character
  }
}

TEST_F(RangeModel, SwapRangeOfSeparateRangesExchangesThem) {
  for (int round = 0; round < 300; ++round) {
    Round r = randomRound(round);
    if (r.target <= r.last && r.target + (r.last - r.first) >= r.first) continue;  // overlapping
    r.font.SwapRange(r.first, r.last, r.target);

    Arrangement expected = r.before;
    for (int32_t k = 0; k <= r.last - r.first; ++k) {
      int32_t a = r.first + k, b = r.target + k;
      if (r.before.isLocked(a) || r.before.isLocked(b)) continue;
      expected.put(a, r.before[b]);
      expected.put(b, r.before[a]);
    }
    ASSERT_EQ(arrangementOf(r.font).at, expected.at) << r.where;
  }
}

TEST_F(RangeModel, OverlappingSwapExchangesCidByCidInOrder) {
  CCidFont font;
  std::vector<CharacterRecord> records;
  for (int g = 0; g < 3; ++g) {
    records.push_back(CharacterRecord::make(0, g));
    records.back().cid = g;
  }
  font.addSubsetFont(SubsetFontEntry{}, records);
  font.RebuildTables();
  // 0<->1 gives [1 0 2], then 1<->2 gives [1 2 0]: a rotation.
  font.SwapRange(0, 1, 1);
  EXPECT_EQ(font.CharacterAt(0), 1);
  EXPECT_EQ(font.CharacterAt(1), 2);
  EXPECT_EQ(font.CharacterAt(2), 0);
}

TEST_F(RangeModel, ClearRangeKeepsEveryCharacterAndEmptiesUnlockedCids) {
  for (int round = 0; round < 200; ++round) {
    Round r = randomRound(round);
    CCidFont& font = r.font;
    const Arrangement& before = r.before;
    font.ClearRange(r.first, r.last);
    Arrangement after = arrangementOf(font);
    for (int32_t cid = r.first; cid <= r.last; ++cid)
      EXPECT_EQ(after[cid], before.isLocked(cid) ? before[cid] : kEmpty);
    EXPECT_EQ(font.characterCount(), r.count);
    // Every cleared character is now listed as unplaced.
    for (int32_t cid = r.first; cid <= r.last; ++cid) {
      if (before[cid] == kEmpty || before.isLocked(cid)) continue;
      int32_t c = font.FindCharacter(before[cid].first, before[cid].second);
      bool listed = false;
      for (int32_t u : font.unplaced())
        if (font.record(u).font == font.record(c).font &&
            font.record(u).glyph == font.record(c).glyph)
          listed = true;
      EXPECT_TRUE(listed) << r.where << " cid " << cid;
    }
  }
}

TEST_F(RangeModel, ArrangementSurvivesRefreshAndRebuildFromRecords) {
  for (int round = 0; round < 100; ++round) {
    Round r = randomRound(round);
    r.font.CopyRange(r.first, r.last, r.target);
    r.font.MoveRange(r.target, r.target + (r.last - r.first), r.first + 5);
    Arrangement before = arrangementOf(r.font);
    r.font.Refresh();
    r.font.RebuildTables();
    ASSERT_EQ(arrangementOf(r.font).at, before.at) << r.where;
  }
}

TEST_F(RangeModel, GrowingPastTheTableRebuildsWithoutLosingCids) {
  CCidFont font;
  std::vector<CharacterRecord> records;
  for (int g = 0; g < 7000; ++g) {
    records.push_back(CharacterRecord::make(0, g % 16384));
    records.back().cid = g;
  }
  font.addSubsetFont(SubsetFontEntry{}, records);
  font.RebuildTables();
  ASSERT_EQ(font.cidTable().size(), 10501u);
  font.CopyRange(0, 3999, 20000);  // 11000 characters: more than the table holds
  EXPECT_EQ(font.characterCount(), 11000);
  EXPECT_GE(font.cidTable().size(), 16501u);
  for (int32_t k : {0, 1234, 3999}) {
    EXPECT_EQ(font.record(font.CharacterAt(20000 + k)).glyph, k);
    EXPECT_EQ(font.record(font.CharacterAt(k)).glyph, k);
  }
}

// No CID font can hold a CID beyond 65535: whatever would reach past it is refused with nothing
// changed, and no sum of a CID and a count overflows on the way.
TEST_F(RangeModel, OperationsReachingPastTheHighestCidChangeNothing) {
  const std::function<bool(CCidFont&)> refused[] = {
      [](CCidFont& f) { return f.MoveRange(1, 100, 2147483600); },
      [](CCidFont& f) { return f.CopyRange(0, 3, 65533); },
      [](CCidFont& f) { return f.SwapRange(65534, 65536, 0); },
      [](CCidFont& f) { return f.PlaceUnplaced(0, 5, 2000000000); },
      [](CCidFont& f) { return f.PlaceGlyphs(0, 1, 65535, 0, {}); },
      [](CCidFont& f) { return f.ExpandRange(65536); }};
  for (const auto& operation : refused) {
    CCidFont font = randomFont();
    const CCidFont before = font;
    EXPECT_FALSE(operation(font)) << "seed " << seed_;
    EXPECT_EQ(font.records(), before.records());
    EXPECT_EQ(arrangementOf(font).at, arrangementOf(before).at);
  }
  CCidFont font = randomFont();
  EXPECT_TRUE(font.CopyRange(kHighFirst, kHighFirst + 3, 65532));  // up to the last CID
  font.ClearRange(0, INT32_MAX);  // at once: only the CIDs that hold characters are visited
  Arrangement left = arrangementOf(font);
  for (const auto& [cid, glyph] : left.at) EXPECT_TRUE(left.locked.count(glyph)) << cid;
}

}  // namespace
}  // namespace sorvella
