// The 35 Type 1 fonts of Debian's fonts-urw-base35 read into subset fonts and compared with
// fontTools (font dictionaries) and AFDKO's tx (advance widths and bounding boxes); their
// plain and hexadecimal forms, cancelling, and cut-off copies.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "postscript/ps_font_reader.h"
#include "postscript/type1_font_file.h"
#include "support/peer_tools.h"
#include "support/temp_folder.h"
#include "support/type1_bytes.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

constexpr char kFontFolder[] = "/usr/share/fonts/X11/Type1";
constexpr std::size_t kUrwFontCount = 35;

std::vector<fs::path> urwFonts() {
  std::vector<fs::path> fonts;
  std::error_code error;
  for (fs::directory_iterator it(kFontFolder, error), end; !error && it != end; it.increment(error))
    if (it->path().extension() == ".pfb") fonts.push_back(it->path());
  std::sort(fonts.begin(), fonts.end());
  return fonts;
}

std::vector<uint8_t> fileBytes(const fs::path& path) {
  return test::bytesOf(test::readFile(path));
}

// Every URW font read once and its dictionaries dumped by fontTools once, for all tests.
class UrwFonts : public ::testing::Test {
 protected:
  struct Read {
    PSFontStatus status = PSFontStatus::kFine;
    std::unique_ptr<SubsetFont> font;
  };

  static void SetUpTestSuite() {
    fonts_ = urwFonts();
    for (const fs::path& path : fonts_) {
      Read& read = reads_[path.string()];
      read.font = readType1Font(path, test::shippedEncodings(), {}, &read.status);
    }
    if (fs::exists(test::kSystemPython)) peers_ = test::fontToolsType1Fonts(fonts_);
  }

  static void TearDownTestSuite() {
    reads_.clear();
    peers_.clear();
  }

  void SetUp() override {
    ASSERT_EQ(fonts_.size(), kUrwFontCount) << kFontFolder << " (fonts-urw-base35) is missing";
    ASSERT_TRUE(fs::exists(test::kSystemPython)) << test::kSystemPython << " is missing";
    ASSERT_EQ(peers_.size(), kUrwFontCount)
        << "fontTools under " << test::kSystemPython << " did not read every font";
  }

  static inline std::vector<fs::path> fonts_;
  static inline std::map<std::string, Read> reads_;
  static inline std::map<std::string, test::PeerType1Font> peers_;
};

TEST_F(UrwFonts, EveryFontReadsWithStatus10) {
  for (const fs::path& path : fonts_) {
    const Read& read = reads_.at(path.string());
    EXPECT_EQ(read.status, PSFontStatus::kFinished) << path;
    EXPECT_TRUE(read.font) << path;
  }
}

TEST_F(UrwFonts, GlyphsAreTheCharStringsDictionaryInOrder) {
  for (const fs::path& path : fonts_) {
    const Read& read = reads_.at(path.string());
    ASSERT_TRUE(read.font) << path;
    const test::PeerType1Font& peer = peers_.at(path.string());
    EXPECT_GT(peer.glyphNames.size(), 180u) << path;
    EXPECT_EQ(test::glyphNames(*read.font), peer.glyphNames) << path;
  }
}

TEST_F(UrwFonts, NamesAndMetricsKeysAreTheFonts) {
  for (const fs::path& path : fonts_) {
    const Read& read = reads_.at(path.string());
    ASSERT_TRUE(read.font) << path;
    const SubsetFontInfo& info = read.font->info();
    const test::PeerType1Font& peer = peers_.at(path.string());
    EXPECT_EQ(info.fontName(), peer.fontName) << path;
    EXPECT_EQ(info.fullName(), peer.fullName) << path;
    EXPECT_EQ(info.familyName(), peer.familyName) << path;
    EXPECT_EQ(info.weight(), peer.weight) << path;
    EXPECT_DOUBLE_EQ(info.italicAngle, peer.italicAngle) << path;
    EXPECT_EQ(info.isFixedPitch, peer.isFixedPitch) << path;
    EXPECT_EQ(info.underlinePosition, peer.underlinePosition) << path;
    EXPECT_EQ(info.underlineThickness, peer.underlineThickness) << path;
    EXPECT_EQ(read.font->fileName(), path);
  }
}

TEST_F(UrwFonts, BlueValuesAreTheFonts) {
  for (const fs::path& path : fonts_) {
    const Read& read = reads_.at(path.string());
    ASSERT_TRUE(read.font) << path;
    const test::PeerType1Font& peer = peers_.at(path.string());
    ASSERT_FALSE(peer.blueValues.empty()) << path;
    const uint16_t count = read.font->info().zoneCounts.blueValues;
    ASSERT_EQ(count, peer.blueValues.size()) << path;
    const auto& values = read.font->master(0).privateValues.blueValues;
    EXPECT_TRUE(std::equal(peer.blueValues.begin(), peer.blueValues.end(), values.begin())) << path;
  }
}

// Advance widths and boxes of three fonts against `tx -mtx`.
class UrwGlyphMetrics : public ::testing::Test {
 protected:
  void expectTxMetrics(const std::string& name) {
    const fs::path path = fs::path(kFontFolder) / (name + ".pfb");
    ASSERT_TRUE(fs::exists(path)) << path << " (fonts-urw-base35) is missing";
    ASSERT_TRUE(fs::exists(test::kTx)) << test::kTx << " (afdko) is missing";
    const auto peer = test::txMetrics(path);
    ASSERT_GT(peer.size(), 180u) << "tx -mtx gave no metrics for " << path;
    PSFontStatus status = PSFontStatus::kFine;
    const auto font = readType1Font(path, test::shippedEncodings(), {}, &status);
    ASSERT_TRUE(font);
    ASSERT_EQ(static_cast<std::size_t>(font->slotCount()), peer.size());
    for (int32_t slot = 0; slot < font->slotCount(); ++slot) {
      const Glyph& glyph = *font->glyph(slot);
      const auto found = peer.find(glyph.name());
      ASSERT_NE(found, peer.end()) << glyph.name();
      EXPECT_EQ(glyph.advance(0).x, found->second.width) << glyph.name();
      const Box box = test::shownBox(*font, glyph);
      const Box& expected = found->second.box;
      EXPECT_NEAR(box.xMin, expected.xMin, 1) << glyph.name();
      EXPECT_NEAR(box.yMin, expected.yMin, 1) << glyph.name();
      EXPECT_NEAR(box.xMax, expected.xMax, 1) << glyph.name();
      EXPECT_NEAR(box.yMax, expected.yMax, 1) << glyph.name();
    }
  }
};

TEST_F(UrwGlyphMetrics, NimbusSansRegularMatchesTx) {
  expectTxMetrics("NimbusSans-Regular");
}

TEST_F(UrwGlyphMetrics, NimbusRomanItalicMatchesTx) {
  expectTxMetrics("NimbusRoman-Italic");
}

TEST_F(UrwGlyphMetrics, StandardSymbolsMatchesTx) {
  expectTxMetrics("StandardSymbolsPS");
}

// NimbusSans-Regular in the other file forms, made here from the .pfb.
class UrwFileForms : public ::testing::Test {
 protected:
  struct Segment {
    uint8_t type;
    std::vector<uint8_t> data;
  };

  void SetUp() override {
    path_ = fs::path(kFontFolder) / "NimbusSans-Regular.pfb";
    ASSERT_TRUE(fs::exists(path_)) << path_ << " (fonts-urw-base35) is missing";
    const std::vector<uint8_t> pfb = fileBytes(path_);
    for (std::size_t at = 0; at + 6 <= pfb.size() && pfb[at] == 0x80 && pfb[at + 1] != 3;) {
      const std::size_t length = pfb[at + 2] | pfb[at + 3] << 8 | pfb[at + 4] << 16 |
                                 static_cast<std::size_t>(pfb[at + 5]) << 24;
      const auto begin = pfb.begin() + static_cast<std::ptrdiff_t>(at + 6);
      segments_.push_back(
          {pfb[at + 1], std::vector<uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(length))});
      at += 6 + length;
    }
    ASSERT_EQ(segments_.size(), 3u);
    segmented_ = test::readType1Bytes(pfb);
    ASSERT_TRUE(segmented_.font);
  }

  void expectSameFont(const test::Type1ReadResult& other) {
    ASSERT_TRUE(other.font);
    EXPECT_EQ(other.status, PSFontStatus::kFinished);
    const SubsetFont& a = *other.font;
    const SubsetFont& b = *segmented_.font;
    EXPECT_EQ(a.info(), b.info());
    EXPECT_EQ(a.master(0), b.master(0));
    EXPECT_EQ(test::glyphNames(a), test::glyphNames(b));
    ASSERT_EQ(a.slotCount(), b.slotCount());
    for (int32_t slot = 0; slot < a.slotCount(); ++slot)
      EXPECT_TRUE(a.glyph(slot)->sameContent(*b.glyph(slot))) << a.glyph(slot)->name();
  }

  fs::path path_;
  std::vector<Segment> segments_;
  test::Type1ReadResult segmented_;
};

TEST_F(UrwFileForms, SegmentsJoinedWithoutHeadersReadTheSame) {
  const auto plain =
      test::readType1Bytes(test::joined({segments_[0].data, segments_[1].data, segments_[2].data}));
  expectSameFont(plain);
}

TEST_F(UrwFileForms, HexadecimalEexecPartReadsTheSame) {
  const std::string hex = test::hexLines(segments_[1].data, 64);
  const auto read = test::readType1Bytes(
      test::joined({segments_[0].data, test::bytesOf(hex + "\n"), segments_[2].data}));
  expectSameFont(read);
}

TEST_F(UrwFileForms, CancelThroughTheProgressCallbackEndsWithStatus100) {
  int64_t range = -1;
  int positions = 0;
  const auto read = test::readType1Bytes(fileBytes(path_), [&](int kind, int64_t, int64_t b) {
    if (kind == kProgressRange) range = b;
    if (kind != kProgressPosition) return 0;
    return ++positions >= 20 ? 1 : 0;
  });
  EXPECT_EQ(range, static_cast<int64_t>(fs::file_size(path_)));
  EXPECT_EQ(positions, 20);
  EXPECT_FALSE(read.succeeded);
  EXPECT_EQ(read.status, PSFontStatus::kCancelled);
  EXPECT_FALSE(read.font);
}

TEST(UrwTruncatedFonts, CopiesCutEveryThousandBytesReadAllGlyphsOrNone) {
  const fs::path path = fs::path(kFontFolder) / "StandardSymbolsPS.pfb";
  ASSERT_TRUE(fs::exists(path)) << path << " (fonts-urw-base35) is missing";
  const std::vector<uint8_t> whole = fileBytes(path);
  const auto full = test::readType1Bytes(whole);
  ASSERT_TRUE(full.font);
  const std::vector<std::string> names = test::glyphNames(*full.font);
  // The last segment header, the 532 bytes of clear text after the program and the end
  // marker: cuts there lose nothing that is read.
  const std::size_t programEnd = whole.size() - 540;
  for (std::size_t size = 1000; size < whole.size(); size += 1000) {
    const auto cut = test::readType1Bytes(
        std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
    ASSERT_EQ(cut.succeeded, cut.font != nullptr) << size;
    if (size < programEnd) {
      EXPECT_FALSE(cut.font) << size;
    } else if (cut.font) {
      EXPECT_EQ(test::glyphNames(*cut.font), names) << size;
    }
  }
}

}  // namespace
}  // namespace sorvella
