// The binary index file: exact bytes, reading back, damaged and odd files.
#include "cidfont/binary_index_file.h"

#include <gtest/gtest.h>

#include <random>

#include "support/bytes.h"
#include "support/random_glyph.h"
#include "support/sample_subset_font.h"

namespace sorvella {
namespace {

using test::bytesOf;

std::string recordBytes(int font, int glyph, int cid, char thumbnailStart = '\xFF') {
  std::string r;
  auto le16 = [&](int v) {
    r += static_cast<char>(v & 0xFF);
    r += static_cast<char>((v >> 8) & 0xFF);
  };
  le16(font);
  le16(glyph);
  le16(cid & 0xFFFF);
  le16((cid >> 16) & 0xFFFF);
  r += thumbnailStart;
  r.append(123, '\xFF');
  return r;
}

// Texts in their order, placeholders for an unnamed font, then the records: little-endian
// numbers and the thumbnail, top row first.
TEST(BinaryIndexWriting, WholeFileIsWrittenByteForByte) {
  CCidFont font;
  CidFontInfo& info = font.info();
  info.setOrdering("Japan1");
  info.setFontName("Kozuka-Mincho");
  info.setNotice("(c) Somebody");
  info.setRegistry("Adobe");
  info.setFullName("Kozuka Mincho Pro");
  info.version = 3;
  info.supplement = -2;
  info.uidBase = 1234567;
  std::vector<int32_t> xuid = {1, 2, 3};
  info.setXuid(xuid);
  font.addSubsetFont(SubsetFontEntry{}, {});
  font.setLocked(0, true);
  std::vector<CharacterRecord> records{CharacterRecord::make(1, 0x1234),
                                       CharacterRecord::make(1, 1)};
  records[0].cid = 70000;
  records[0].thumbnail[0] = 0x7F;
  font.addSubsetFont(test::subsetFontEntry("MinchoA", "MINC0001", 2), records);
  EXPECT_EQ(binaryIndexBytes(font),
            "%!Vantrel Sorvell Binary Index File\r\n%!Version 1.00\r\nBeginFontInfo\r\n\r\n"
            "FontName Kozuka-Mincho\r\nFullName Kozuka Mincho Pro\r\nNotice (c) Somebody\r\n"
            "Version 3\r\nRegistry Adobe\r\nOrdering Japan1\r\nSupplement -2\r\n"
            "UIDBase 1234567\r\nXUID 3 1 2 3\r\nBeginBaseFonts 2\r\n"
            "BaseFont 1 Untitled Unknown 0 1\r\nBaseFont 2 MinchoA MINC0001 2 0\r\n"
            "EndBaseFonts\r\nTotalCharacters 2\r\n\r\nEndFontInfo\r\n"
            "BeginCharacterData 264\r\n" +
                recordBytes(1, 0x1234, 70000, '\x7F') + recordBytes(1, 1, -1));
}

class BinaryIndexReading : public ::testing::Test {
 protected:
  static CCidFont read(std::string_view text) {
    auto result = ReadBinaryIndex(bytesOf(text));
    EXPECT_TRUE(result.font);
    return std::move(*result.font);
  }
};

// Keywords in any letter case; byte counts in C integer syntax, only whole records read and
// never more than the file holds; font information that breaks off ends the reading.
TEST_F(BinaryIndexReading, CharacterDataIsReadAsFarAsItGoes) {
  std::string three = recordBytes(0, 0, 0) + recordBytes(0, 1, 1) + recordBytes(0, 2, 2);
  const std::pair<std::string, int> cases[] = {
      {"begincharacterdata 0x84\r\n", 1},
      {"BeginCharacterData 0410\r\n", 2},  // octal 264
      {"BeginCharacterData 300\r\n", 2},
      {"BeginCharacterData 396\r\n", 3},
      {"BeginCharacterData 4000000000\r\n", 3},
      {"BeginCharacterData -132\r\n", 3},
      {"BeginCharacterData nothing\r\n", 0},
      {"BeginFontInfo BeginBaseFonts 1 BaseFont 1 A B notanumber 0\r\nEndFontInfo "
       "BeginCharacterData 396\r\n",
       0}};
  for (const auto& [head, count] : cases)
    EXPECT_EQ(read(head + three).characterCount(), count) << head;
  auto none =
      ReadBinaryIndex(bytesOf("BeginFontInfo FontName Hei\r\nVersion 2\r\nEndFontInfo\r\n"));
  EXPECT_FALSE(none.hadCharacterData);
  EXPECT_EQ(none.font->info().fontName(), "Hei");
}

// A record's font and glyph numbers extend the subset font list and raise its counts.
TEST_F(BinaryIndexReading, RecordsExtendTheSubsetFontList) {
  auto result = ReadBinaryIndex(bytesOf("BeginCharacterData 132\r\n" + recordBytes(1, 7, 42)));
  EXPECT_TRUE(result.hadCharacterData);
  ASSERT_EQ(result.font->characterCount(), 1);
  EXPECT_EQ(result.font->record(0).glyph, 7);
  EXPECT_EQ(result.font->record(0).cid, 42);
  ASSERT_EQ(result.font->subsetFontCount(), 2);
  EXPECT_EQ(result.font->subsetFont(1).characterCount, 8);
}

TEST_F(BinaryIndexReading, RepeatedUnplacedGlyphsAreDroppedButPlacedOnesKept) {
  std::string records = recordBytes(0, 5, -1) + recordBytes(0, 5, -1) + recordBytes(1, 5, -1) +
                        recordBytes(0, 6, 10) + recordBytes(0, 6, 11) + recordBytes(0, 6, -1);
  CCidFont font = read("BaseFont BeginCharacterData 792\r\n" + records);
  ASSERT_EQ(font.characterCount(), 5);
  EXPECT_EQ(font.record(1).font, 1);
  EXPECT_EQ(font.record(2).cid, 10);
  EXPECT_EQ(font.record(3).cid, 11);
  EXPECT_EQ(font.record(4).cid, -1);  // the first unplaced record of glyph 6
}

TEST_F(BinaryIndexReading, BaseFontListsStoreByNumberAndStopAtOtherWords) {
  CCidFont font = read(
      "BeginFontInfo BeginBaseFonts 5 BaseFont 2 Two T002 10 1 BaseFont 0 Zero Z 1 0 "
      "BaseFont 40000 Far F 1 0 EndBaseFonts Version 9 EndFontInfo");
  ASSERT_EQ(font.subsetFontCount(), 2);
  EXPECT_EQ(font.subsetFont(0).name(), "");
  EXPECT_EQ(font.subsetFont(1).name(), "Two");
  EXPECT_EQ(font.subsetFont(1).locked, 1);
  EXPECT_EQ(font.info().version, 9);  // the word after the short list is read as usual
}

class BinaryIndexRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    seed_ = test::testSeed();
    rng_.seed(seed_);
    std::printf("random seed %u (set SORVELLA_TEST_SEED to repeat)\n", seed_);
  }
  std::string randomText(bool allowAbsent) {
    if (allowAbsent && rng_() % 3 == 0) return {};
    std::string t(1 + rng_() % 30, 'x');
    for (char& c : t) c = static_cast<char>(33 + rng_() % 94);
    return t;
  }
  uint32_t seed_ = 0;
  std::mt19937 rng_;
};

TEST_F(BinaryIndexRoundTrip, RandomFontsReadBackToTheSameMappingAndBytes) {
  for (int round = 0; round < 12; ++round) {
    CCidFont font;
    CidFontInfo& info = font.info();
    info.setFontName(randomText(true));
    info.setFullName(randomText(false) + " with spaces");
    info.setNotice(randomText(true));
    info.setRegistry(randomText(true));
    info.setOrdering(randomText(true));
    info.version = static_cast<int32_t>(rng_());
    info.supplement = static_cast<int32_t>(rng_() % 10);
    info.uidBase = static_cast<int32_t>(rng_());
    std::vector<int32_t> xuid(rng_() % 21);
    for (int32_t& v : xuid) v = static_cast<int32_t>(rng_());
    info.setXuid(xuid);
    int total = round == 0 ? 40000 : static_cast<int>(rng_() % 3000);
    int fonts = 1 + static_cast<int>(rng_() % 128);
    int32_t cid = 0;
    for (int f = 0; f < fonts && total > 0; ++f) {
      int glyphs = std::min({total, CCidFont::kMaxGlyphsPerFont,
                             f + 1 == fonts ? total : 1 + static_cast<int>(rng_() % 1024)});
      total -= glyphs;
      std::vector<CharacterRecord> records;
      for (int g = 0; g < glyphs; ++g) {
        records.push_back(CharacterRecord::make(f, g));
        if (rng_() % 10) records.back().cid = cid;
        cid += 1 + static_cast<int32_t>(rng_() % 4 == 0);              // up to about 50000
        if (rng_() % 500 == 0) records.back().cid = 60001 + cid / 16;  // beyond the table
        records.back().thumbnail[rng_() % kThumbnailBytes] = static_cast<uint8_t>(rng_());
      }
      SubsetFontEntry e;
      e.setName(randomText(true));
      e.setFileStem(randomText(true));
      e.characterCount = glyphs;
      font.addSubsetFont(e, records);
      if (rng_() % 5 == 0) font.setLocked(f, true);
    }
    font.RebuildTables();
    font.Refresh();
    std::string first = binaryIndexBytes(font);
    auto result = ReadBinaryIndex(bytesOf(first));
    CCidFont& read = *result.font;
    read.RebuildTables();
    ASSERT_EQ(read.characterCount(), font.characterCount()) << "seed " << seed_;
    for (int32_t c = 0; c < font.characterCount(); ++c) {
      int32_t at = font.record(c).cid;
      ASSERT_EQ(read.CharacterAt(at < 0 ? -1 : at), at < 0 ? -1 : c) << "seed " << seed_;
    }
    read.Refresh();
    ASSERT_EQ(binaryIndexBytes(read), first) << "seed " << seed_ << " round " << round;
  }
}

}  // namespace
}  // namespace sorvella
