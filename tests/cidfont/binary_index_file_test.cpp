// The binary index file: exact bytes, reading back, damaged and odd files.
#include "cidfont/binary_index_file.h"

#include <gtest/gtest.h>

#include <random>

#include "support/bytes.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

using test::bytesOf;

std::string recordBytes(int font, int glyph, int cid) {
  std::string r;
  auto le16 = [&](int v) {
    r += static_cast<char>(v & 0xFF);
    r += static_cast<char>((v >> 8) & 0xFF);
  };
  le16(font);
  le16(glyph);
  le16(cid & 0xFFFF);
  le16((cid >> 16) & 0xFFFF);
  r.append(124, '\xFF');
  return r;
}

CCidFont mincho() {
  CCidFont font;
  std::vector<CharacterRecord> records;
  for (int g = 0; g < 256; ++g) {
    records.push_back(CharacterRecord::make(0, g));
    records.back().cid = g < 200 ? g + 1 : -1;
  }
  SubsetFontEntry e;
  e.setName("MinchoA");
  e.setFileStem("MINC0000");
  e.characterCount = 256;
  font.addSubsetFont(e, records);
  return font;
}

const char* kMinchoText =
    "%!Vantrel Sorvell Binary Index File\r\n"
    "%!Version 1.00\r\n"
    "BeginFontInfo\r\n"
    "\r\n"
    "Version 1\r\n"
    "Supplement 0\r\n"
    "UIDBase 0\r\n"
    "BeginBaseFonts 1\r\n"
    "BaseFont 1 MinchoA MINC0000 256 0\r\n"
    "EndBaseFonts\r\n"
    "TotalCharacters 256\r\n"
    "\r\n"
    "EndFontInfo\r\n"
    "BeginCharacterData 33792\r\n";

TEST(BinaryIndexWriting, OneSubsetFontOf256CharactersIsWrittenByteForByte) {
  std::string expected = kMinchoText;
  for (int g = 0; g < 256; ++g) expected += recordBytes(0, g, g < 200 ? g + 1 : -1);
  EXPECT_EQ(binaryIndexBytes(mincho()), expected);
}

TEST(BinaryIndexWriting, PresentTextsAndXuidAreWrittenInOrder) {
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
  SubsetFontEntry unnamed;
  font.addSubsetFont(unnamed, {});
  font.setLocked(0, true);
  std::string text = binaryIndexBytes(font);
  EXPECT_EQ(text.substr(text.find("BeginFontInfo")),
            "BeginFontInfo\r\n\r\nFontName Kozuka-Mincho\r\nFullName Kozuka Mincho Pro\r\n"
            "Notice (c) Somebody\r\nVersion 3\r\nRegistry Adobe\r\nOrdering Japan1\r\n"
            "Supplement -2\r\nUIDBase 1234567\r\nXUID 3 1 2 3\r\nBeginBaseFonts 1\r\n"
            "BaseFont 1 Untitled Unknown 0 1\r\nEndBaseFonts\r\nTotalCharacters 0\r\n\r\n"
            "EndFontInfo\r\nBeginCharacterData 0\r\n");
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

TEST_F(BinaryIndexReading, NamesWithSpacesStayReadable) {
  CCidFont original = mincho();
  original.mutableSubsetFont(0)->setName("Mincho A Regular");
  CCidFont font = read(binaryIndexBytes(original));
  EXPECT_EQ(font.subsetFont(0).name(), "Mincho_A_Regular");
  EXPECT_EQ(font.characterCount(), 256);
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
