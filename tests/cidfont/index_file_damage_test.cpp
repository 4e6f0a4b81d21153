// Index files cut short or with random bytes: the readers give what they could read, never
// crash, and never take longer than the input warrants.
#include <gtest/gtest.h>

#include <random>

#include "cidfont/binary_index_file.h"
#include "cidfont/text_index_file.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

CCidFont sampleFont() {
  CCidFont font;
  font.info().setFontName("Sample");
  std::vector<int32_t> xuid = {7, 8};
  font.info().setXuid(xuid);
  for (int f = 0; f < 3; ++f) {
    SubsetFontEntry e;
    e.setName("Font" + std::to_string(f));
    e.setFileStem("SAMP000" + std::to_string(f));
    e.characterCount = 8;
    std::vector<CharacterRecord> records;
    for (int g = 0; g < 8; ++g) {
      records.push_back(CharacterRecord::make(f, g));
      if (g % 3) records.back().cid = f * 20 + g;
    }
    font.addSubsetFont(e, records);
  }
  font.RebuildTables();
  font.Refresh();
  return font;
}

std::span<const uint8_t> spanOf(const std::string& s, std::size_t n) {
  return {reinterpret_cast<const uint8_t*>(s.data()), n};
}

class IndexFileDamage : public ::testing::Test {
 protected:
  void SetUp() override {
    seed_ = test::testSeed();
    rng_.seed(seed_);
    std::printf("random seed %u (set SORVELLA_TEST_SEED to repeat)\n", seed_);
  }
  std::string damaged(std::string text) {
    for (int k = 1 + static_cast<int>(rng_() % 6); k > 0; --k)
      text[rng_() % text.size()] = static_cast<char>(rng_());
    return text;
  }
  uint32_t seed_ = 0;
  std::mt19937 rng_;
};

TEST_F(IndexFileDamage, BinaryIndexCutAnywhereKeepsOnlyWholeRecords) {
  CCidFont font = sampleFont();
  std::string file = binaryIndexBytes(font);
  std::size_t dataStart = file.find("BeginCharacterData 3168\r\n") + 25;
  for (std::size_t n = 0; n <= file.size(); ++n) {
    auto result = ReadBinaryIndex(spanOf(file, n));
    std::size_t whole = n > dataStart ? (n - dataStart) / kCharacterRecordBytes : 0;
    EXPECT_LE(static_cast<std::size_t>(result.font->characterCount()), whole) << "cut " << n;
    if (n == file.size()) {
      EXPECT_EQ(result.font->records(), font.records());
    }
  }
}

TEST_F(IndexFileDamage, RandomlyDamagedIndexFilesReadSafely) {
  CCidFont font = sampleFont();
  std::string binary = binaryIndexBytes(font);
  std::string text = textIndexBytes(font);
  for (int round = 0; round < 1500; ++round) {
    std::string b = damaged(binary);
    auto result = ReadBinaryIndex(spanOf(b, b.size()));
    result.font->RebuildTables();
    EXPECT_LE(result.font->characterCount(), 24) << "seed " << seed_ << " round " << round;

    std::string t = damaged(text);
    CCidFont target = sampleFont();
    ImportTextIndex(target, spanOf(t, t.size()));
    EXPECT_LE(target.subsetFontCount(), 3);
  }
}

TEST_F(IndexFileDamage, TextIndexCutAnywhereImportsSafely) {
  CCidFont font = sampleFont();
  std::string text = textIndexBytes(font);
  for (std::size_t n = 0; n <= text.size(); ++n) {
    CCidFont target = sampleFont();
    TextIndexStatus status = ImportTextIndex(target, spanOf(text, n));
    if (status != kTextIndexOk) {
      EXPECT_EQ(target.records(), font.records()) << "cut " << n;
    }
  }
}

}  // namespace
}  // namespace sorvella
