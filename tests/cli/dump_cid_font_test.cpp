// `sorvella-cli dump` on a CIDFont that AFDKO made, run as a user runs it, against tx.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "base/text_format.h"
#include "cidfont/cid_font_messages.h"
#include "cidfont/document.h"
#include "cli/cli_run.h"
#include "support/cid_fixtures.h"
#include "support/cid_font_bytes.h"

namespace sorvella {
namespace {

class DumpCidFont : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(ten_)) << "run tests/fixtures/make-fixtures.sh";
  }
  const std::filesystem::path ten_ = test::cidFixture("ten.cid");
};

// The header and dictionaries under their own key names; every CID where tx sees it, with
// its dictionary, advance, box and, when asked for, its outline.
TEST_F(DumpCidFont, JsonHoldsTheHeaderAndCidsAsTxSeesThem) {
  const std::map<int, test::TxCidGlyph> tx = test::txCidMetrics(ten_);
  ASSERT_FALSE(tx.empty()) << test::kTx << " is missing or failed";
  test::CliResult r = test::runCli("dump --json --outlines " + ten_.string());
  ASSERT_EQ(r.status, 0) << r.output;
  const auto json = nlohmann::json::parse(r.output);
  const auto header = nlohmann::json::parse(R"({"kind": "cid font", "CIDFontName": "SorvellaTen",
      "Registry": "Adobe", "Ordering": "Identity", "Supplement": 0, "XUID": [1, 11, 9273722],
      "CIDCount": 13})");
  for (const auto& [key, value] : header.items()) EXPECT_EQ(json[key], value) << key;
  ASSERT_EQ(json["FDArray"].size(), 1u);
  EXPECT_EQ(json["FDArray"][0]["FontName"], "SorvellaTen-Regular");
  EXPECT_EQ(json["FDArray"][0]["glyphs"], 10);
  const auto& cids = json["cids"];
  ASSERT_EQ(cids.size(), tx.size());
  for (const auto& c : cids) {
    const int cid = c["cid"];
    SCOPED_TRACE(cid);
    for (const char* key : {"contours", "hints", "replacement", "smooth", "fixed"})
      EXPECT_TRUE(c.contains(key)) << key;
    ASSERT_EQ(tx.count(cid), 1u);
    const test::TxCidGlyph& peer = tx.at(cid);
    EXPECT_EQ(c["fd"], peer.fd);
    EXPECT_EQ(c["advance"], peer.width);
    if (c["bbox"].is_null()) {
      EXPECT_EQ(peer.right - peer.left, 0);
      EXPECT_TRUE(c["contours"].empty());
      continue;
    }
    const int box[] = {peer.left, peer.bottom, peer.right, peer.top};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(c["bbox"][k].get<int>(), box[k], 1) << k;
    ASSERT_FALSE(c["contours"].empty());
    EXPECT_EQ(c["contours"][0][0][0], "M");
  }
  // The outlines only when asked for.
  const auto plain = nlohmann::json::parse(test::runCli("dump --json " + ten_.string()).output);
  ASSERT_EQ(plain["cids"].size(), cids.size());
  for (const auto& c : plain["cids"]) EXPECT_FALSE(c.contains("contours"));
}

// NimbusSans' A: an outer contour and the counter of its bar.
TEST_F(DumpCidFont, ReadableFormListsEachCid) {
  test::CliResult r = test::runCli("dump --outlines " + ten_.string());
  ASSERT_EQ(r.status, 0) << r.output;
  for (const char* line :
       {"CIDFontName SorvellaTen\n", "0 SorvellaTen-Regular, 10 glyphs in SorvellaTen-Regular\n",
        "CID 1 fd 0 advance 667 bbox 17 0 653 729 contours 2\n"})
    EXPECT_NE(r.output.find(line), std::string::npos) << line << r.output;
}

// A CID whose font dictionary is beyond the count ends the split; Import keeps the subset
// fonts finished before it, and dump shows exactly those.
TEST_F(DumpCidFont, ShowsWhatImportKeepsOfADamagedFile) {
  test::HandCidFont font;
  font.dicts = {{"Early", {}, {}}};
  const std::vector<uint8_t> glyph =
      test::charstring("0 500 hsbw 0 0 rmoveto 100 0 rlineto 0 100 rlineto closepath endchar");
  for (int i = 0; i < 513; ++i) font.cids.push_back({0, glyph});
  font.cids[512].fd = 7;
  const std::vector<uint8_t> bytes = font.bytes();
  test::CliFolder folder;
  const auto path = folder.write("beyond.cid", std::string(bytes.begin(), bytes.end()));
  test::CliResult dump = test::runCli("dump --json " + path.string());
  ASSERT_EQ(dump.status, 0) << dump.output;
  auto json = nlohmann::json::parse(dump.output);
  EXPECT_EQ(json["cids"].size(), 512u);
  EXPECT_EQ(json["FDArray"][0]["subsetFonts"], nlohmann::json::parse(R"(["Early-01"])"));
  test::CliResult imported =
      test::runCli("import " + path.string() + " " + (folder / "Beyond").string());
  EXPECT_EQ(imported.status, 0) << imported.output;
  const std::string incomplete = document_text::kImportIncomplete;  // "%s could not ... %s %i"
  EXPECT_NE(imported.output.find(incomplete.substr(2, incomplete.find("%s", 2) - 2)),
            std::string::npos)
      << imported.output;
  test::CliResult info = test::runCli("info " + (folder / "Beyond" / "Beyond.sqf").string());
  EXPECT_NE(info.output.find(formatText(cid_font_text::kSummary, 512, 1)), std::string::npos)
      << info.output;
}

}  // namespace
}  // namespace sorvella
