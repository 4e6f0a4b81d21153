// Randomised round trips of whole glyph records, and damaged records that must be refused
// or read safely.
#include <gtest/gtest.h>

#include <random>

#include "glyph/glyph_record.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

class GlyphRecordRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    seed_ = test::testSeed();
    rng_.seed(seed_);
    std::printf("random seed %u (set SORVELLA_TEST_SEED to repeat)\n", seed_);
  }
  uint32_t seed_ = 0;
  std::mt19937 rng_;
};

TEST_F(GlyphRecordRoundTrip, RandomGlyphsOfOneToFourMastersSurviveUnchanged) {
  for (int round = 0; round < 400; ++round) {
    int masters = 1 + round % 4;
    Glyph original = test::randomGlyph(rng_, masters);
    auto bytes = glyphRecordBytes(original);
    Glyph read;
    ASSERT_TRUE(readGlyphRecord(read, bytes)) << "seed " << seed_ << " round " << round;
    ASSERT_TRUE(read.sameContent(original)) << "seed " << seed_ << " round " << round;
    EXPECT_EQ(read.masterCount(), masters);
    EXPECT_EQ(glyphRecordBytes(read), bytes);
  }
}

TEST_F(GlyphRecordRoundTrip, SelectionIsNeverStored) {
  Glyph original = test::randomGlyph(rng_, 2);
  Glyph selected = original;
  selected.selectAll();
  EXPECT_EQ(glyphRecordBytes(selected), glyphRecordBytes(original));
}

// The bounded corpus of the fuzz target: every cut of a set of random records, and
// random byte flips, never crash; whatever is accepted writes back and reads the same.
TEST_F(GlyphRecordRoundTrip, DamagedRecordsAreRefusedOrReadConsistently) {
  int accepted = 0;
  for (int round = 0; round < 40; ++round) {
    auto bytes = glyphRecordBytes(test::randomGlyph(rng_, 1 + round % 4));
    for (std::size_t n = 0; n < bytes.size(); ++n) {
      Glyph g;
      EXPECT_FALSE(readGlyphRecord(g, std::span<const uint8_t>(bytes.data(), n)))
          << "seed " << seed_ << " round " << round << " cut " << n;
    }
    for (int flip = 0; flip < 50; ++flip) {
      auto damaged = bytes;
      for (int k = 1 + static_cast<int>(rng_() % 4); k > 0; --k)
        damaged[rng_() % damaged.size()] = static_cast<uint8_t>(rng_());
      Glyph g;
      if (!readGlyphRecord(g, damaged)) continue;
      ++accepted;
      Glyph again;
      ASSERT_TRUE(readGlyphRecord(again, glyphRecordBytes(g)));
      EXPECT_TRUE(again.sameContent(g)) << "seed " << seed_ << " round " << round;
    }
  }
  EXPECT_GT(accepted, 0);  // the flips must reach past the leading bytes sometimes
}

}  // namespace
}  // namespace sorvella
