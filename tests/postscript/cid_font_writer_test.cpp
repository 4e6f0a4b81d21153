// The CID-keyed font exporter: tx reads the exported .cid with our advances and boxes per
// CID and shows the font's names, characters of unreadable subset fonts are left out and
// counted, and the same font always gives the same bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cidfont/cid_font_export.h"
#include "support/peer_tool.h"
#include "support/sample_fonts.h"
#include "support/temp_folder.h"
#include "support/tx_metrics.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

CharacterRecord placedAt(int glyph, int cid) {
  CharacterRecord r = CharacterRecord::make(0, glyph);
  r.cid = cid;
  return r;
}

class CidExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::peerAvailable(test::kTx)) << test::kTx << " is missing (afdko)";
    CidFontInfo& info = cid_.info();
    info.setFontName("SampleCID");
    info.setFullName("Sample CID");
    info.setNotice("Sample notice (c) 2024");
    info.setRegistry("Sample");
    info.setOrdering("Test");
    info.supplement = 3;
    info.uidBase = 4100000;
    const int32_t xuid[] = {1, 11, 9999};
    info.setXuid(xuid);

    fonts_.push_back(test::sampleFont());  // A O H placed, space not
    SubsetFont second;
    second.info().setText(FontText::kFontName, "SampleCID-Second");
    second.info().zoneCounts.blueValues = 2;
    second.master(0).privateValues.blueValues[0] = -20;
    second.master(0).privateValues.blueValues[1] = 0;
    second.appendSlot(test::glyphOf("bar", 300,
                                    {Node::move({100, -100}), Node::line({200, -100}),
                                     Node::line({200, 800}), Node::line({100, 800})}));
    second.appendSlot(test::glyphOf(
        "dot", 320, {Node::move({100, 0}), Node::line({220, 0}), Node::line({160, 120})}));
    fonts_.push_back(std::move(second));

    add({placedAt(0, 1), placedAt(2, -1), placedAt(3, 5), placedAt(4, 2)});
    add({placedAt(0, 3), placedAt(1, 10)});
    add({placedAt(0, 7), placedAt(1, 8)});  // its file cannot be read
  }

  void add(std::vector<CharacterRecord> records) {
    SubsetFontEntry entry;
    entry.setName("font" + std::to_string(cid_.subsetFontCount()));
    cid_.addSubsetFont(entry, std::move(records));
  }

  SubsetFontSource source() {
    return [this](int32_t n) -> const SubsetFont* {
      asked_.push_back(n);
      return n >= 0 && n < static_cast<int32_t>(fonts_.size())
                 ? &fonts_[static_cast<std::size_t>(n)]
                 : nullptr;
    };
  }

  fs::path write(const std::string& name = "font.cid") {
    const fs::path path = folder_ / name;
    result_ = writeCidFont(cid_, path, source());
    EXPECT_TRUE(result_.written);
    return path;
  }

  void expectGlyph(const std::map<std::string, test::TxGlyph>& metrics, int cid,
                   const Glyph& glyph) {
    auto found = metrics.find(std::to_string(cid));
    ASSERT_NE(found, metrics.end()) << "CID " << cid;
    EXPECT_EQ(found->second.width, glyph.advance(0).x) << "CID " << cid;
    if (glyph.empty()) return;
    const Box box = glyph.boundingBox();
    EXPECT_NEAR(found->second.left, box.xMin, 1) << "CID " << cid;
    EXPECT_NEAR(found->second.bottom, box.yMin, 1) << "CID " << cid;
    EXPECT_NEAR(found->second.right, box.xMax, 1) << "CID " << cid;
    EXPECT_NEAR(found->second.top, box.yMax, 1) << "CID " << cid;
  }

  CCidFont cid_;
  std::vector<SubsetFont> fonts_;
  std::vector<int32_t> asked_;
  CidExportResult result_;
  test::TempFolder folder_;
};

TEST_F(CidExportTest, TxReadsEveryPlacedCharacterWithItsAdvanceAndBox) {
  const auto metrics = test::checkedTxMetrics(write());
  expectGlyph(metrics, 1, *fonts_[0].glyph(0));
  expectGlyph(metrics, 2, *fonts_[0].glyph(4));
  expectGlyph(metrics, 5, *fonts_[0].glyph(3));
  expectGlyph(metrics, 3, *fonts_[1].glyph(0));
  expectGlyph(metrics, 10, *fonts_[1].glyph(1));
  // CIDs 0 (the added .notdef), 1, 2, 3, 5 and 10; nothing at 4, 6 to 9.
  EXPECT_EQ(metrics.size(), 6u);
  EXPECT_EQ(metrics.at("0").width, 0);
}

TEST_F(CidExportTest, CharactersOfAnUnreadableFontAreLeftOutAndCounted) {
  const auto metrics = test::checkedTxMetrics(write());
  EXPECT_EQ(metrics.count("7"), 0u);
  EXPECT_EQ(metrics.count("8"), 0u);
  EXPECT_EQ(result_.charactersLeftOut, 2);
  EXPECT_EQ(result_.unreadableFonts, std::vector<int32_t>{2});
  EXPECT_EQ(cidExportWarning(result_.charactersLeftOut),
            "2 characters were left out of the exported font because their glyphs could not be "
            "read from the subset font files.");
}

TEST_F(CidExportTest, AnEmptyGlyphSlotIsLeftOutToo) {
  CharacterRecord r = CharacterRecord::make(0, 1);  // slot 1 of the sample font is empty
  r.cid = 4;
  add({r});
  const auto metrics = test::checkedTxMetrics(write());
  EXPECT_EQ(metrics.count("4"), 0u);
  EXPECT_EQ(result_.charactersLeftOut, 2 + 1);
}

TEST_F(CidExportTest, EachSubsetFontIsAskedForOnceInOrder) {
  write();
  EXPECT_EQ(asked_, (std::vector<int32_t>{0, 1, 2}));
}

TEST_F(CidExportTest, NothingLeftOutGivesNoWarning) {
  EXPECT_EQ(cidExportWarning(0), "");
}

TEST_F(CidExportTest, TxDumpShowsTheCharacterCollectionAndNames) {
  const test::PeerRun run = test::runPeer(test::kTx, {"-dump", "-0", write().string()});
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string dump = test::collapsedDump(run.out);
  for (const char* expected :
       {"cid.CIDFontName \"SampleCID\"", "cid.Registry \"Sample\"", "cid.Ordering \"Test\"",
        "cid.Supplement 3", "cid.CIDCount 11", "cid.UIDBase 4100000", "XUID {1,11,9999}",
        "FontName \"SampleSans\"", "FontName \"SampleCID-Second\"", "BlueValues {-20,0}",
        "BlueValues {-15,0,700,715}", "FullName \"Sample CID\"",
        "Notice \"Sample notice \\(c\\) 2024\""})
    EXPECT_NE(dump.find(expected), std::string::npos) << expected << "\n" << dump;
}

TEST_F(CidExportTest, CidCountRunsToTheRangeTop) {
  const std::string bytes = test::readFile(write());
  EXPECT_NE(bytes.find("/CIDCount 11 def"), std::string::npos);
  EXPECT_NE(bytes.find("/FDBytes 1 def"), std::string::npos);
  EXPECT_NE(bytes.find("/FDArray 2 array"), std::string::npos);  // the unreadable font has none
}

TEST_F(CidExportTest, BinarySectionLengthMatchesTheDeclaredCount) {
  const std::string bytes = test::readFile(write());
  const std::size_t start = bytes.find("(Binary) ");
  ASSERT_NE(start, std::string::npos);
  const std::size_t count = std::stoul(bytes.substr(start + 9));
  const std::size_t data = bytes.find("StartData ", start) + 10;
  EXPECT_EQ(bytes.substr(data + count), "\r\n%%EndData\r\n%%EndResource\r\n%%EOF\r\n");
  const std::size_t begin = bytes.find("%%BeginData: ");
  EXPECT_EQ(std::stoul(bytes.substr(begin + 13)), data + count - start);
}

TEST_F(CidExportTest, HintReplacementUsesTheSubroutinesOfItsFontDictionary) {
  fonts_[0].glyph(4)->hints()->replacement = {{hint_kind::kHorizontal, 0},
                                              {hint_kind::kVertical, 0},
                                              {hint_kind::kReplacementPoint, 6},
                                              {hint_kind::kVertical, 1}};
  const fs::path path = write();
  const auto metrics = test::checkedTxMetrics(path);
  expectGlyph(metrics, 2, *fonts_[0].glyph(4));
  const std::string bytes = test::readFile(path);
  EXPECT_NE(bytes.find("/SubrCount 5 def"), std::string::npos);
  EXPECT_NE(bytes.find("/SubrCount 4 def"), std::string::npos);
}

TEST_F(CidExportTest, FontWithoutCharactersStillWritesANotdef) {
  CCidFont empty;
  const fs::path path = folder_ / "empty.cid";
  const CidExportResult result = writeCidFont(empty, path, source());
  ASSERT_TRUE(result.written);
  const auto metrics = test::checkedTxMetrics(path);
  ASSERT_EQ(metrics.size(), 1u);
  EXPECT_EQ(metrics.begin()->first, "0");
}

TEST_F(CidExportTest, AbsentCharacterCollectionIsAdobeIdentity) {
  cid_.info().setRegistry("");
  cid_.info().setOrdering("");
  const test::PeerRun run = test::runPeer(test::kTx, {"-dump", "-0", write().string()});
  EXPECT_EQ(test::txComplaints(run.out), "");
  const std::string dump = test::collapsedDump(run.out);
  EXPECT_NE(dump.find("cid.Registry \"Adobe\""), std::string::npos) << dump;
  EXPECT_NE(dump.find("cid.Ordering \"Identity\""), std::string::npos) << dump;
}

TEST_F(CidExportTest, SameFontGivesTheSameBytes) {
  EXPECT_EQ(test::readFile(write("one.cid")), test::readFile(write("two.cid")));
}

TEST_F(CidExportTest, RangeBeyondTheHighestCidIsRefusedBeforeAnythingIsMade) {
  cid_.Place(2000000000, 0);
  const CidExportResult result = writeCidFont(cid_, folder_ / "far.cid", source());
  EXPECT_TRUE(result.rangeBeyondLimit && !result.written);
}

TEST_F(CidExportTest, CancelWritesNothing) {
  const fs::path path = folder_ / "cancelled.cid";
  const CidExportResult result = writeCidFont(cid_, path, source(), [](int kind, int64_t, int64_t) {
    return kind == kProgressCancelQuery ? 1 : 0;
  });
  EXPECT_FALSE(result.written);
  EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace sorvella
