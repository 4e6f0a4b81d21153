// `sorvella-cli autohint` run as a user runs it: on sample fonts run twice, on an imported
// CIDFont, and on fonts it cannot use.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "support/cid_fixtures.h"
#include "support/sample_subset_font.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::runCli;

class AutohintCommand : public ::testing::Test {
 protected:
  std::string q(const fs::path& p) { return " '" + p.string() + "'"; }
  void SetUp() override {
    ASSERT_EQ(runCli("new" + q(folder_ / "SQ")).status, 0);
    const fs::path a = test::writeSampleFont(folder_ / "a.vtb", "A", {"a1", "a2", "a3"});
    const fs::path b = test::writeSampleFont(folder_ / "b.vtb", "B", {"b1", "", "b2"});
    ASSERT_EQ(runCli("add" + q(index_) + q(a) + q(b)).status, 0);
  }
  test::CliFolder folder_;
  fs::path index_ = folder_ / "SQ" / "SQ.sqf";
};

// Squares 500 wide are too wide for stems: each receives its two ghosts, once.
TEST_F(AutohintCommand, SquaresReceiveTheirGhostsOnce) {
  test::CliResult r = runCli("autohint" + q(index_) + " all");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output,
            "Autohinted 5 glyphs of 2 subset fonts.\n  5 glyphs received 2 hints\n"
            "0 glyphs have a hint replacement program.\n");
  EXPECT_EQ(runCli("autohint" + q(index_) + " 2").output,
            "Autohinted 2 glyphs of 1 subset fonts.\n  2 glyphs received 0 hints\n"
            "0 glyphs have a hint replacement program.\n");
  r = runCli("autohint" + q(index_) + " 2 --remove-hints");
  EXPECT_NE(r.output.find("  2 glyphs received 2 hints\n"), std::string::npos) << r.output;
  r = runCli("dump --json --outlines" + q(folder_ / "SQ" / "SQ0001.vtb"));
  EXPECT_EQ(json::parse(r.output)["glyphs"][2]["hints"],
            json::parse(R"({"h": [[0, 21], [500, -20]], "v": []})"));
}

TEST_F(AutohintCommand, ImportedCidFontIsAutohinted) {
  const fs::path ten = test::cidFixture("ten.cid");
  ASSERT_EQ(runCli("import" + q(ten) + q(folder_ / "TEN")).status, 0) << "make the fixtures";
  test::CliResult r = runCli("autohint" + q(folder_ / "TEN" / "TEN.sqf") + " 1 --remove-hints");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output.rfind("Autohinted 10 glyphs of 1 subset fonts.\n", 0), 0u) << r.output;
  r = runCli("dump --json --outlines" + q(folder_ / "TEN" / "TEN0000.vtb"));
  // H: its crossbar, ghosts at its foot and top, its two stems.
  EXPECT_EQ(json::parse(r.output)["glyphs"][8]["hints"],
            json::parse(R"({"h": [[332, 82], [0, 21], [729, -20]], "v": [[83, 93], [551, 93]]})"));
}

TEST_F(AutohintCommand, FailuresExitWithTheirMessage) {
  test::CliResult r = runCli("autohint" + q(index_) + " 3");
  EXPECT_EQ(std::pair(r.status, r.output),
            std::pair(1, std::string("There is no subset font 3.\n")));
  std::ofstream(folder_ / "SQ" / "SQ0000.vtb", std::ios::binary) << "not a font";
  r = runCli("autohint" + q(index_) + " all");
  EXPECT_EQ(r.status, 1);
  const std::string message = "The subset font file " + (folder_ / "SQ" / "SQ0000.vtb").string();
  EXPECT_NE(r.output.find(message + " can't be read."), std::string::npos) << r.output;
  EXPECT_EQ(runCli("autohint" + q(index_)).status, 2);
}

}  // namespace
}  // namespace sorvella
