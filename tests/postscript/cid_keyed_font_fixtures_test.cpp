// Importing CIDFonts that AFDKO made from Debian's fonts (tests/fixtures/make-fixtures.sh):
// subset fonts, names and glyph counts, and every glyph against what tx reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/file_bytes.h"
#include "cidfont/cid_font_import.h"
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
  std::vector<Node> nodes;
};

struct ImportedFont {
  std::string name;
  int fd = -1;
  int glyphs = 0;
  std::vector<int> cids;
};

// Keeps what the tests compare of every subset font handed over, not the fonts themselves.
class CidFixture : public ::testing::Test {
 protected:
  void importFixture(const std::string& name, bool keepOutlines = false) {
    path_ = cidFixture(name);
    ASSERT_TRUE(std::filesystem::exists(path_))
        << path_ << " is missing: run tests/fixtures/make-fixtures.sh";
    reader_ = std::make_unique<CidKeyedFontReader>();
    ASSERT_TRUE(reader_->open(path_));
    font_ = reader_->parseHeader(
        [this, keepOutlines](std::unique_ptr<SubsetFont> font) { collect(*font, keepOutlines); });
    ASSERT_TRUE(font_) << "status " << statusNumber(reader_->status());
    reader_->setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
    reader_->selectAllFontDicts();
    ASSERT_TRUE(reader_->splitIntoSubsetFonts()) << "status " << statusNumber(reader_->status());
    EXPECT_EQ(reader_->status(), PSFontStatus::kFinished);
  }

  void collect(const SubsetFont& font, bool keepOutlines) {
    ImportedFont summary{font.info().fontName(), reader_->currentFontDict(), font.slotCount(), {}};
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
      summary.cids.push_back(cid);
      ImportedGlyph& glyph = glyphs_[cid];
      glyph.fd = summary.fd;
      glyph.advance = g->advance(0);
      glyph.box = g->boundingBox();
      if (keepOutlines)
        for (int n = 0; n < g->nodeCount(); ++n) glyph.nodes.push_back(g->node(n));
    }
    EXPECT_EQ(font.glyphMapping().lastInUse, font.slotCount() - 1) << summary.name;
    fonts_.push_back(std::move(summary));
  }

  std::vector<std::pair<std::string, int>> handed() const {
    std::vector<std::pair<std::string, int>> list;
    for (const ImportedFont& f : fonts_) list.emplace_back(f.name, f.glyphs);
    return list;
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

using Handed = std::vector<std::pair<std::string, int>>;

// ten.cid: NimbusSans' .notdef and A to I at CIDs 0-3, 5-9 and 12 of 13, one dictionary.
class CidFixtureTen : public CidFixture {};

TEST_F(CidFixtureTen, HeaderFieldsGoIntoTheCidFont) {
  ASSERT_NO_FATAL_FAILURE(importFixture("ten.cid"));
  const CidFontInfo& info = *font_;
  EXPECT_EQ(info.fontName(), "SorvellaTen");
  EXPECT_EQ(info.registry(), "Adobe");
  EXPECT_EQ(info.ordering(), "Identity");
  EXPECT_EQ(info.supplement, 0);
  EXPECT_EQ(info.version, 1);
  EXPECT_EQ(info.xuid(), (std::vector<int32_t>{1, 11, 9273722}));
  EXPECT_EQ(info.uidBase, 0);
  EXPECT_EQ(info.fullName(), "SorvellaTen Test");
  EXPECT_EQ(info.notice(), "Made for the Sorvella tests from free fonts.");
  EXPECT_EQ(reader_->cidCount(), 13);
  EXPECT_EQ(reader_->fdCount(), 1);
}

TEST_F(CidFixtureTen, TenGlyphsMakeOneSubsetFontNamedAsTheDictionary) {
  ASSERT_NO_FATAL_FAILURE(importFixture("ten.cid"));
  EXPECT_EQ(handed(), (Handed{{"SorvellaTen-Regular", 10}}));
  EXPECT_EQ(fonts_[0].cids, (std::vector<int>{0, 1, 2, 3, 5, 6, 7, 8, 9, 12}));
}

TEST_F(CidFixtureTen, EveryGlyphMatchesTx) {
  ASSERT_NO_FATAL_FAILURE(importFixture("ten.cid"));
  expectEveryGlyphAsTxReports();
}

TEST_F(CidFixtureTen, TheOneCallImportGivesTheSameFonts) {
  std::vector<std::string> names;
  const CidFontImport imported =
      importCidFont(cidFixture("ten.cid"), [&names](CCidFont&, SubsetFont& f) {
        names.push_back(f.info().fontName());
        return true;
      });
  ASSERT_NE(imported.font, nullptr);
  EXPECT_EQ(imported.status, PSFontStatus::kFinished);
  EXPECT_EQ(imported.font->info().fontName(), "SorvellaTen");
  EXPECT_EQ(names, (std::vector<std::string>{"SorvellaTen-Regular"}));
}

// The same font as tx writes it with lenIV 0, 1 and -1 stated in the dictionary.
class CidFixtureLenIV : public CidFixture {};

TEST_F(CidFixtureLenIV, EveryStatedLenIVGivesTheSameOutlines) {
  ASSERT_NO_FATAL_FAILURE(importFixture("ten.cid", true));
  const std::map<int, ImportedGlyph> reference = glyphs_;
  for (auto [name, lenIV] : {std::pair{"ten-lenIV0.cid", 0}, std::pair{"ten-lenIV1.cid", 1},
                             std::pair{"ten-lenIV-1.cid", -1}}) {
    SCOPED_TRACE(name);
    fonts_.clear();
    glyphs_.clear();
    ASSERT_NO_FATAL_FAILURE(importFixture(name, true));
    EXPECT_EQ(reader_->fontDictValues(0).lenIV, lenIV);
    EXPECT_EQ(handed(), (Handed{{"SorvellaTen-Regular", 10}}));
    expectEveryGlyphAsTxReports();
    ASSERT_EQ(glyphs_.size(), reference.size());
    for (const auto& [cid, glyph] : reference) EXPECT_EQ(glyphs_[cid].nodes, glyph.nodes) << cid;
  }
}

// DejaVu Sans, scaled to 1000 units: its first 1200 or 512 glyphs in one dictionary.
class CidFixtureGlyphLimit : public CidFixture {};

TEST_F(CidFixtureGlyphLimit, TwelveHundredGlyphsGiveThreeNumberedFonts) {
  ASSERT_NO_FATAL_FAILURE(importFixture("dict1200.cid"));
  EXPECT_EQ(handed(), (Handed{{"SorvellaDict1200-Sans-01", 512},
                              {"SorvellaDict1200-Sans-02", 512},
                              {"SorvellaDict1200-Sans-03", 176}}));
  // CIDs in order across the fonts.
  std::vector<int> cids;
  for (const ImportedFont& f : fonts_) cids.insert(cids.end(), f.cids.begin(), f.cids.end());
  std::vector<int> expected(1200);
  for (int i = 0; i < 1200; ++i) expected[static_cast<std::size_t>(i)] = i;
  EXPECT_EQ(cids, expected);
  expectEveryGlyphAsTxReports();
}

TEST_F(CidFixtureGlyphLimit, ExactlyTheLimitGivesOneNumberedFontAndNoEmptyOne) {
  ASSERT_NO_FATAL_FAILURE(importFixture("dict512.cid"));
  EXPECT_EQ(handed(), (Handed{{"SorvellaDict512-Sans-01", 512}}));
  expectEveryGlyphAsTxReports();
}

// Three dictionaries (NimbusSans, NimbusRoman, C059) with empty CIDs between them.
class CidFixtureThreeDicts : public CidFixture {};

TEST_F(CidFixtureThreeDicts, EachDictionaryGivesAFontOfItsCids) {
  ASSERT_NO_FATAL_FAILURE(importFixture("three-dicts.cid"));
  EXPECT_EQ(
      handed(),
      (Handed{{"SorvellaThree-Sans", 8}, {"SorvellaThree-Serif", 5}, {"SorvellaThree-Old", 5}}));
  EXPECT_EQ(fonts_[0].cids, (std::vector<int>{0, 1, 2, 3, 4, 100, 101, 102}));
  EXPECT_EQ(fonts_[1].cids, (std::vector<int>{20, 21, 22, 30, 31}));
  EXPECT_EQ(fonts_[2].cids, (std::vector<int>{50, 51, 52, 60, 103}));
  EXPECT_EQ(reader_->cidCount(), 104);
}

TEST_F(CidFixtureThreeDicts, EveryGlyphMatchesTx) {
  ASSERT_NO_FATAL_FAILURE(importFixture("three-dicts.cid"));
  expectEveryGlyphAsTxReports();
}

// Every glyph of IPA Mincho at the CID of its glyph index (Adobe-Identity-0).
class CidFixtureIpaMincho : public CidFixture {};

TEST_F(CidFixtureIpaMincho, EveryGlyphInFontsOfAtMost512MatchesTx) {
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

class CidFixtureDamage : public CidFixture {};

// Cut short anywhere before the end of its data, the file gives no subset font at all: its
// only font is unfinished until its last glyph.
TEST_F(CidFixtureDamage, TruncatedFilesHandOverNothing) {
  const std::optional<std::vector<uint8_t>> whole = readWholeFile(cidFixture("ten.cid"));
  ASSERT_TRUE(whole) << "run tests/fixtures/make-fixtures.sh";
  const std::string text(whole->begin(), whole->end());
  const std::size_t dataStart = text.find("StartData ") + 10;
  const std::size_t declared =
      static_cast<std::size_t>(std::atoi(text.c_str() + text.find("(Binary) ") + 9));
  for (std::size_t cut = 0; cut < whole->size(); cut += 7) {
    SCOPED_TRACE(cut);
    int handedOver = 0;
    CidKeyedFontReader reader(std::vector<uint8_t>(whole->begin(), whole->begin() + cut));
    auto font = reader.parseHeader([&handedOver](std::unique_ptr<SubsetFont>) { ++handedOver; });
    bool split = false;
    if (font) {
      reader.setGlyphLimit(512);
      reader.selectAllFontDicts();
      split = reader.splitIntoSubsetFonts();
    }
    const bool complete = cut >= dataStart + declared;
    EXPECT_EQ(split, complete);
    EXPECT_EQ(handedOver, complete ? 1 : 0);
  }
}

}  // namespace
}  // namespace sorvella
