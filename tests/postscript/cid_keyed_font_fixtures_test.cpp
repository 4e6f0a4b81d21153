// Importing IPA Mincho as a CIDFont that AFDKO made (tests/fixtures/make-fixtures.sh): subset
// fonts, names and glyph counts, and every glyph against what tx reports. The smaller fixtures
// are imported through the batch tool.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "postscript/cid_keyed_font_reader.h"
#include "support/cid_fixtures.h"

namespace sorvella {
namespace {

using test::cidFixture;
using test::TxCidGlyph;
using test::txCidMetrics;

struct ImportedGlyph {
  int fd = -1;
  Point advance;
  Box box;
};

struct ImportedFont {
  std::string name;
  int fd = -1;
  int glyphs = 0;
};

// Keeps what the tests compare of every subset font handed over, not the fonts themselves.
class CidFixture : public ::testing::Test {
 protected:
  void importFixture(const std::string& name) {
    path_ = cidFixture(name);
    ASSERT_TRUE(std::filesystem::exists(path_))
        << path_ << " is missing: run tests/fixtures/make-fixtures.sh";
    reader_ = std::make_unique<CidKeyedFontReader>();
    ASSERT_TRUE(reader_->open(path_));
    font_ = reader_->parseHeader([this](std::unique_ptr<SubsetFont> font) { collect(*font); });
    ASSERT_TRUE(font_) << "status " << statusNumber(reader_->status());
    reader_->setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
    reader_->selectAllFontDicts();
    ASSERT_TRUE(reader_->splitIntoSubsetFonts()) << "status " << statusNumber(reader_->status());
    EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
  }

  void collect(const SubsetFont& font) {
    ImportedFont summary{font.info().fontName(), reader_->currentFontDict(), font.slotCount()};
    for (int32_t i = 0; i < font.slotCount(); ++i) {
      const Glyph* g = font.glyph(i);
      if (!g) {
        ADD_FAILURE() << summary.name << " has an empty slot " << i;
        continue;
      }
      int cid = -1;
      char tail = 0;
      if (std::sscanf(g->name().c_str(), "CID-%d%c", &cid, &tail) != 1) {
        ADD_FAILURE() << "glyph named " << g->name();
        continue;
      }
      ImportedGlyph& glyph = glyphs_[cid];
      glyph.fd = summary.fd;
      glyph.advance = g->advance(0);
      glyph.box = g->boundingBox();
    }
    EXPECT_EQ(font.glyphMapping().lastInUse, font.slotCount() - 1) << summary.name;
    fonts_.push_back(std::move(summary));
  }

  // Every CID tx lists is a glyph with tx's dictionary and width, and a box within one unit.
  void expectEveryGlyphAsTxReports() {
    const std::map<int, TxCidGlyph> tx = txCidMetrics(path_);
    ASSERT_FALSE(tx.empty()) << test::kTx << " is missing or failed on " << path_;
    EXPECT_EQ(glyphs_.size(), tx.size());
    for (const auto& [cid, peer] : tx) {
      SCOPED_TRACE("CID " + std::to_string(cid));
      const auto found = glyphs_.find(cid);
      ASSERT_NE(found, glyphs_.end()) << "no glyph";
      const ImportedGlyph& g = found->second;
      EXPECT_EQ(g.fd, peer.fd);
      EXPECT_EQ(g.advance, (Point{static_cast<int16_t>(peer.width), 0}));
      if (peer.left == 0 && peer.bottom == 0 && peer.right == 0 && peer.top == 0) {
        EXPECT_TRUE(g.box.empty());
        continue;
      }
      EXPECT_NEAR(g.box.xMin, peer.left, 1);
      EXPECT_NEAR(g.box.yMin, peer.bottom, 1);
      EXPECT_NEAR(g.box.xMax, peer.right, 1);
      EXPECT_NEAR(g.box.yMax, peer.top, 1);
    }
  }

  std::filesystem::path path_;
  std::unique_ptr<CidKeyedFontReader> reader_;
  std::optional<CidFontInfo> font_;
  std::vector<ImportedFont> fonts_;
  std::map<int, ImportedGlyph> glyphs_;
};

// Every glyph of IPA Mincho at the CID of its glyph index (Adobe-Identity-0).
TEST_F(CidFixture, IpaMinchoGivesFontsOfAtMost512GlyphsThatMatchTx) {
  ASSERT_NO_FATAL_FAILURE(importFixture("ipamincho.cid"));
  EXPECT_EQ(font_->ordering(), "Identity");
  expectEveryGlyphAsTxReports();
  const int glyphs = static_cast<int>(glyphs_.size());
  const int full = glyphs / 512;
  ASSERT_EQ(static_cast<int>(fonts_.size()), full + (glyphs % 512 ? 1 : 0));
  for (std::size_t i = 0; i < fonts_.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    EXPECT_EQ(fonts_[i].name, "IPAMincho-Regular-" + std::string(i + 1 < 10 ? "0" : "") + number);
    EXPECT_EQ(fonts_[i].glyphs, static_cast<int>(i) < full ? 512 : glyphs % 512);
  }
}

}  // namespace
}  // namespace sorvella
