// The 35 Type 1 fonts of Debian's fonts-urw-base35 read into subset fonts and compared with
// fontTools (font dictionaries) and AFDKO's tx (advance widths and bounding boxes), and
// cancelled.
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
#include "support/tx_metrics.h"
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

// Every font reads with status 10; its glyphs are the CharStrings dictionary in order; names,
// metrics keys and BlueValues are the font's.
TEST_F(UrwFonts, EveryFontReadsAsFontToolsReadsIt) {
  for (const fs::path& path : fonts_) {
    SCOPED_TRACE(path);
    const Read& read = reads_.at(path.string());
    EXPECT_EQ(read.status, PSFontStatus::kFinished);
    ASSERT_TRUE(read.font);
    const SubsetFontInfo& info = read.font->info();
    const test::PeerType1Font& peer = peers_.at(path.string());
    EXPECT_GT(peer.glyphNames.size(), 180u);
    EXPECT_EQ(test::glyphNames(*read.font), peer.glyphNames);
    EXPECT_EQ(info.fontName(), peer.fontName);
    EXPECT_EQ(info.fullName(), peer.fullName);
    EXPECT_EQ(info.familyName(), peer.familyName);
    EXPECT_EQ(info.weight(), peer.weight);
    EXPECT_DOUBLE_EQ(info.italicAngle, peer.italicAngle);
    EXPECT_EQ(info.isFixedPitch, peer.isFixedPitch);
    EXPECT_EQ(info.underlinePosition, peer.underlinePosition);
    EXPECT_EQ(info.underlineThickness, peer.underlineThickness);
    EXPECT_EQ(read.font->fileName(), path);
    ASSERT_FALSE(peer.blueValues.empty());
    ASSERT_EQ(info.zoneCounts.blueValues, peer.blueValues.size());
    const auto& values = read.font->master(0).privateValues.blueValues;
    EXPECT_TRUE(std::equal(peer.blueValues.begin(), peer.blueValues.end(), values.begin()));
  }
}

// Advance widths and boxes of three fonts against `tx -mtx`.
class UrwGlyphMetrics : public ::testing::Test {
 protected:
  void expectTxMetrics(const std::string& name) {
    const fs::path path = fs::path(kFontFolder) / (name + ".pfb");
    ASSERT_TRUE(fs::exists(path)) << path << " (fonts-urw-base35) is missing";
    ASSERT_TRUE(fs::exists(test::kTx)) << test::kTx << " (afdko) is missing";
    const auto peer = test::parseTxMetrics(test::runPeer(test::kTx, {"-mtx", path.string()}).out);
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
      const test::TxGlyph& expected = found->second;
      EXPECT_NEAR(box.xMin, expected.left, 1) << glyph.name();
      EXPECT_NEAR(box.yMin, expected.bottom, 1) << glyph.name();
      EXPECT_NEAR(box.xMax, expected.right, 1) << glyph.name();
      EXPECT_NEAR(box.yMax, expected.top, 1) << glyph.name();
    }
  }
};

TEST_F(UrwGlyphMetrics, ThreeFontsMatchTx) {
  for (const char* name : {"NimbusSans-Regular", "NimbusRoman-Italic", "StandardSymbolsPS"}) {
    SCOPED_TRACE(name);
    expectTxMetrics(name);
  }
}

TEST(UrwCancel, ThroughTheProgressCallbackEndsWithStatus100) {
  const fs::path path = fs::path(kFontFolder) / "NimbusSans-Regular.pfb";
  ASSERT_TRUE(fs::exists(path)) << path << " (fonts-urw-base35) is missing";
  int64_t range = -1;
  int positions = 0;
  const auto read = test::readType1Bytes(fileBytes(path), [&](int kind, int64_t, int64_t b) {
    if (kind == kProgressRange) range = b;
    if (kind != kProgressPosition) return 0;
    return ++positions >= 20 ? 1 : 0;
  });
  EXPECT_EQ(range, static_cast<int64_t>(fs::file_size(path)));
  EXPECT_EQ(positions, 20);
  EXPECT_FALSE(read.succeeded);
  EXPECT_EQ(read.status, PSFontStatus::kCancelled);
  EXPECT_FALSE(read.font);
}

}  // namespace
}  // namespace sorvella
