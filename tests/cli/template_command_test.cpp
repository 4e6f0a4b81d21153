// Chart templates through the batch tool: built from an imported CIDFont, checked against
// what tx reports for it, and dumped back.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "cli/cli_run.h"
#include "support/cid_fixtures.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::quoted;
using test::runCli;

class TemplateCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    tx_ = test::txCidMetrics(source_);
    ASSERT_FALSE(tx_.empty()) << "tx cannot read " << source_;
    test::CliResult r = runCli("import " + quoted(source_) + " " + quoted(folder_ / "TEN"));
    ASSERT_EQ(r.status, 0) << r.output;
  }
  const fs::path source_ = test::cidFixture("ten.cid");
  std::map<int, test::TxCidGlyph> tx_;
  test::CliFolder folder_;
  const fs::path index_ = folder_ / "TEN" / "TEN.sqf";
};

TEST_F(TemplateCommand, BuildsOneImagePerCidWithInkWhereTxSeesContours) {
  test::CliResult built = runCli("template build " + quoted(index_) + " " +
                                 quoted(folder_ / "ten.out") + " --ordering Japan1 --cell 16");
  ASSERT_EQ(built.status, 0) << built.output;
  const fs::path file = folder_ / "ten.ctp";
  const std::string header = "CIDTemplateFile Japan1 0 16 " + std::to_string(tx_.size()) + "\r\n";
  const std::string bytes = test::readFile(file);
  ASSERT_EQ(bytes.size(), header.size() + 36 * tx_.size());
  EXPECT_EQ(bytes.substr(0, header.size()), header);

  test::CliResult dumped = runCli("dump --json --records " + quoted(file));
  ASSERT_EQ(dumped.status, 0) << dumped.output;
  const nlohmann::json json = nlohmann::json::parse(dumped.output);
  EXPECT_EQ(json["kind"], "template");
  EXPECT_EQ(json["recordSize"], 36);
  std::set<int> cids;
  for (const auto& record : json["records"]) {
    const int cid = record["CID"];
    cids.insert(cid);
    ASSERT_TRUE(tx_.count(cid)) << cid;
    const test::TxCidGlyph& g = tx_.at(cid);
    bool ink = false;
    for (const auto& row : record["image"]) ink |= row.get<std::string>() != "ffff";
    EXPECT_EQ(ink, g.right > g.left) << cid;
  }
  EXPECT_EQ(cids.size(), tx_.size());
}

TEST_F(TemplateCommand, RefusesBadCellSizesAndDamagedFiles) {
  EXPECT_EQ(
      runCli("template build " + quoted(index_) + " " + quoted(folder_ / "x.ctp") + " --cell 20")
          .status,
      2);
  EXPECT_FALSE(fs::exists(folder_ / "x.ctp"));
  const fs::path cut =
      folder_.write("cut.ctp", "CIDTemplateFile Japan1 2 24 3\r\n" + std::string(100, '\0'));
  test::CliResult r = runCli("dump " + quoted(cut));
  EXPECT_EQ(r.status, 1) << r.output;
}

}  // namespace
}  // namespace sorvella
