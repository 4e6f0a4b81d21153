// Native font files keep a subset font whole: every field, a thousand glyphs with empty slots
// between them, and the records the program only carries, byte for byte.
#include <gtest/gtest.h>

#include <random>

#include "glyph/native_font_file.h"
#include "support/native_font_bytes.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

using test::le16;
using test::le32;
using test::rec;

constexpr int kAllFlags =
    native_font_flag::kFullInfo | native_font_flag::kEncoding | native_font_flag::kHintReplacement;

template <std::size_t N>
std::array<uint8_t, N> pattern(uint8_t seed) {
  std::array<uint8_t, N> a{};
  for (std::size_t k = 0; k < N; ++k) a[k] = static_cast<uint8_t>(seed + 7 * k);
  return a;
}

class EveryFieldRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    std::printf("seed %u\n", test::testSeed());
    SubsetFontInfo& info = font_.info();
    const char* texts[] = {
        "Ryumin-Light", "Ryumin Light",   "Ryumin",   "Light",    "Caf\xE9 (c) 1999 Morisawa",
        "001.002",      "Copyright line", "Ryumin L", "Morisawa", "further one",
        "further two",  "further three"};
    for (std::size_t k = 0; k < kFontTextCount; ++k)
      info.setText(static_cast<FontText>(k), texts[k]);
    info.uniqueId = -5;
    info.versionMajor = 1;
    info.versionMinor = 2;
    info.copyrightYear = 1999;
    info.panose = {2, 2, 6, 9, 4, 2, 5, 8, 3, 65535};
    info.italicAngle = -12.5;
    info.isFixedPitch = 1;
    info.underlinePosition = -120;
    info.underlineThickness = 55;
    info.zoneCounts = {6, 2, 4, 2, 3, 12};
    info.furtherValue1 = 0xBEEF;
    info.furtherValue2 = 0xCAFEF00D;
    info.furtherBlock = pattern<80>(3);
    info.furtherValue3 = 17;
    info.furtherValue4 = 65535;

    FontMaster& master = font_.master(0);
    master.weight = 0.75;
    master.setName("Light master");
    master.designData = pattern<36>(11);
    PerMasterBlock& p = master.privateValues;
    p.fontMatrix = {0.00125, 0.0002, -0.0001, 0.001, 12, -3};
    p.forceBold = 1;
    for (std::size_t k = 0; k < p.blueValues.size(); ++k) p.blueValues[k] = -20 + 50 * int(k);
    p.otherBlues = {-250, -230, 0, 0, 0, 0, 0, 0, 0, 7};
    p.familyBlues[3] = 710;
    p.familyOtherBlues[1] = -240;
    p.blueScale = 0.0625;
    p.blueShift = 3;
    p.blueFuzz = 0;
    p.stdHW = 34;
    p.stdVW = 85;
    p.stemSnapH = {30, 34, 40, 0, 0, 0, 0, 0, 0, 0, 0, 99};
    p.stemSnapV[11] = 120;
    p.further = pattern<36>(200);

    std::vector<std::string> axes = {"Weight", "Width"};
    font_.axes().setNames(axes);
    font_.axes().header = pattern<16>(1);
    font_.axes().table = pattern<640>(2);
    font_.axes().entries = {pattern<32>(4), pattern<32>(5), pattern<32>(6)};

    std::vector<uint8_t> metrics(300);
    for (std::size_t k = 0; k < metrics.size(); ++k) metrics[k] = static_cast<uint8_t>(k * 13);
    font_.extraMetrics() = metrics;
    font_.rawBlocks()[0] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    font_.rawBlocks()[2].assign(70000, 0xA5);

    SubsetFontEncoding& e = font_.encoding();
    e.number = 3;
    e.glyphNames[32] = "space";
    e.glyphNames[65] = "A";
    e.glyphNames[233] = "eacute";
    e.customNames[65] = "Alpha";
    e.customNames[255] = "last";

    std::mt19937 rng(test::testSeed());
    for (int slot = 0; slot < 1000; ++slot) {
      if (slot % 9 == 4 || (slot >= 500 && slot < 503)) {
        font_.appendSlot(nullptr);
      } else {
        font_.appendSlot(std::make_unique<Glyph>(test::randomGlyph(rng, 1)));
      }
    }
    font_.glyphMapping().set(0, {0, 65535});
    font_.glyphMapping().lastInUse = 0;
  }

  SubsetFont font_;
};

// Write, read, write gives the same bytes; every field, glyph and empty slot reads back as set,
// and the glyph mapping is not stored.
TEST_F(EveryFieldRoundTrip, WriteReadWriteGivesTheSameFontAndBytes) {
  auto first = nativeFontBytes(font_, kAllFlags);
  ASSERT_TRUE(first.has_value());
  NativeFontStatus status;
  auto back = ReadNativeFont(*first, &status);
  ASSERT_NE(back, nullptr) << nativeFontStatusText(status);
  auto second = nativeFontBytes(*back, kAllFlags);
  ASSERT_TRUE(second.has_value());
  EXPECT_TRUE(*first == *second);
  EXPECT_EQ(back->info(), font_.info());
  ASSERT_EQ(back->masterCount(), 1);
  EXPECT_EQ(back->master(0), font_.master(0));
  EXPECT_EQ(back->axes(), font_.axes());
  EXPECT_EQ(back->extraMetrics(), font_.extraMetrics());
  EXPECT_EQ(back->rawBlocks(), font_.rawBlocks());
  EXPECT_EQ(back->encoding().number, 3);
  EXPECT_EQ(back->encoding().glyphNames, font_.encoding().glyphNames);
  EXPECT_EQ(back->encoding().customNames, font_.encoding().customNames);
  EXPECT_TRUE(back->glyphMapping().entries().empty());
  EXPECT_EQ(back->glyphMapping().lastInUse, -1);
  ASSERT_EQ(back->slotCount(), 1000);
  for (int32_t slot = 0; slot < 1000; ++slot) {
    const Glyph* want = font_.glyph(slot);
    const Glyph* got = back->glyph(slot);
    ASSERT_EQ(got == nullptr, want == nullptr) << slot;
    if (want) {
      EXPECT_TRUE(got->sameContent(*want)) << slot;
    }
  }
}

class CarriedRecords : public ::testing::Test {
 protected:
  static std::string bytes(std::size_t n, uint8_t seed) {
    std::string s(n, '\0');
    for (std::size_t k = 0; k < n; ++k) s[k] = static_cast<char>(seed + 31 * k);
    return s;
  }
  // Records whose meaning the program does not know, as another producer might write them.
  std::vector<std::string> carried_ = {
      rec(1054, le16(0x1357)),
      rec(1128, "first further text"),
      rec(1129, "second further text"),
      rec(1127, "third further text"),
      rec(1121, le32(0x89ABCDEF)),
      rec(1133, bytes(80, 9)),
      rec(1134, le16(0xFEDC)),
      rec(1135, le16(0x0102)),
      rec(1261, bytes(5, 1)),
      rec(1262, bytes(1, 2)),
      rec(1263, bytes(3000, 3)),
      rec(1264, std::string("\x33\x01\x02\xFF", 4)),  // not even well formed
      rec(1515, bytes(16, 4)),
      rec(1516, bytes(640, 5)),
      rec(1505, bytes(36, 6)),
      rec(1247, bytes(96, 7)),
  };
};

TEST_F(CarriedRecords, SurviveReadingAndWritingByteForByte) {
  std::string info = rec(257);
  for (std::size_t k = 0; k < 12; ++k) info += carried_[k];
  info += rec(513);
  std::string axes = rec(271);
  for (std::size_t k = 12; k < carried_.size(); ++k) axes += carried_[k];
  axes += rec(527);
  auto font = ReadNativeFont(test::bytesOf(test::nativeStart() + info + axes + test::nativeEnd()));
  ASSERT_NE(font, nullptr);
  std::string out = test::textOf(*nativeFontBytes(*font, native_font_flag::kFullInfo));
  for (const std::string& record : carried_)
    EXPECT_NE(out.find(record), std::string::npos)
        << "tag " << (static_cast<uint8_t>(record[0]) | static_cast<uint8_t>(record[1]) << 8);
}

}  // namespace
}  // namespace sorvella
