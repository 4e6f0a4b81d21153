// Range operations checked against a plain model: what a copy, move or swap from a snapshot
// of the original arrangement gives, with locked characters left where they are.
#include <gtest/gtest.h>

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

  std::string where(int round, int32_t first, int32_t last, int32_t target) {
    return "seed " + std::to_string(seed_) + " round " + std::to_string(round) + " range " +
           std::to_string(first) + ".." + std::to_string(last) + " -> " + std::to_string(target);
  }

  uint32_t seed_ = 0;
  std::mt19937 rng_;
};

TEST_F(RangeModel, CopyRangeMatchesACopyFromASnapshot) {
  for (int round = 0; round < 300; ++round) {
    CCidFont font = randomFont();
    int32_t first, last, target;
    randomRange(first, last, target);
    Arrangement before = arrangementOf(font);
    int32_t count = font.characterCount();
    font.CopyRange(first, last, target);

    Arrangement expected = before;
    for (int32_t k = 0; k <= last - first; ++k) {
      if (before.isLocked(target + k)) continue;
      Glyph2 g = before[first + k];
      if (g == kEmpty)
        expected.at.erase(target + k);
      else
        expected.at[target + k] = g;
    }
    ASSERT_EQ(arrangementOf(font).at, expected.at) << where(round, first, last, target);
    EXPECT_GE(font.characterCount(), count);
  }
}

TEST_F(RangeModel, MoveRangeMatchesAMoveFromASnapshot) {
  for (int round = 0; round < 300; ++round) {
    CCidFont font = randomFont();
    int32_t first, last, target;
    randomRange(first, last, target);
    Arrangement before = arrangementOf(font);
    int32_t count = font.characterCount();
    font.MoveRange(first, last, target);

    Arrangement expected = before;
    std::vector<int32_t> moved;
    for (int32_t k = 0; k <= last - first; ++k)
      if (!before.isLocked(first + k) && !before.isLocked(target + k)) moved.push_back(k);
    for (int32_t k : moved)
      if (before[first + k] != kEmpty) expected.at.erase(first + k);
    for (int32_t k : moved) {
      Glyph2 g = before[first + k];
      if (g == kEmpty)
        expected.at.erase(target + k);
      else
        expected.at[target + k] = g;
    }
    ASSERT_EQ(arrangementOf(font).at, expected.at) << where(round, first, last, target);
    EXPECT_EQ(font.characterCount(), count);  // moving never makes or drops a character
  }
}

TEST_F(RangeModel, SwapRangeOfSeparateRangesExchangesThem) {
  for (int round = 0; round < 300; ++round) {
    CCidFont font = randomFont();
    int32_t first, last, target;
    randomRange(first, last, target);
    if (target <= last && target + (last - first) >= first) continue;  // overlapping
    Arrangement before = arrangementOf(font);
    font.SwapRange(first, last, target);

    Arrangement expected = before;
    for (int32_t k = 0; k <= last - first; ++k) {
      int32_t a = first + k, b = target + k;
      if (before.isLocked(a) || before.isLocked(b)) continue;
      expected.at.erase(a);
      expected.at.erase(b);
      if (before[b] != kEmpty) expected.at[a] = before[b];
      if (before[a] != kEmpty) expected.at[b] = before[a];
    }
    ASSERT_EQ(arrangementOf(font).at, expected.at) << where(round, first, last, target);
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
    CCidFont font = randomFont();
    int32_t first, last, target;
    randomRange(first, last, target);
    Arrangement before = arrangementOf(font);
    int32_t count = font.characterCount();
    font.ClearRange(first, last);
    Arrangement after = arrangementOf(font);
    for (int32_t cid = first; cid <= last; ++cid)
      EXPECT_EQ(after[cid], before.isLocked(cid) ? before[cid] : kEmpty);
    EXPECT_EQ(font.characterCount(), count);
    // Every cleared character is now listed as unplaced.
    for (int32_t cid = first; cid <= last; ++cid) {
      if (before[cid] == kEmpty || before.isLocked(cid)) continue;
      int32_t c = font.FindCharacter(before[cid].first, before[cid].second);
      bool listed = false;
      for (int32_t u : font.unplaced())
        if (font.record(u).font == font.record(c).font && font.record(u).glyph == font.record(c).glyph)
          listed = true;
      EXPECT_TRUE(listed) << where(round, first, last, target) << " cid " << cid;
    }
  }
}

TEST_F(RangeModel, ArrangementSurvivesRefreshAndRebuildFromRecords) {
  for (int round = 0; round < 100; ++round) {
    CCidFont font = randomFont();
    int32_t first, last, target;
    randomRange(first, last, target);
    font.CopyRange(first, last, target);
    font.MoveRange(target, target + (last - first), first + 5);
    Arrangement before = arrangementOf(font);
    font.Refresh();
    font.RebuildTables();
    ASSERT_EQ(arrangementOf(font).at, before.at) << where(round, first, last, target);
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

}  // namespace
}  // namespace sorvella
