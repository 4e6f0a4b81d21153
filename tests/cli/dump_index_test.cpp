// `sorvella-cli dump` on index files, run as a user runs it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cidfont/binary_index_file.h"
#include "cidfont/text_index_file.h"
#include "cli/cli_run.h"

namespace sorvella {
namespace {

class DumpIndex : public ::testing::Test {
 protected:
  void SetUp() override {
    font_.info().setFontName("Dumped");
    font_.info().setRegistry("Adobe");
    font_.info().setFullName("Caf\xE9 \x80uro");  // Windows-1252; JSON takes only UTF-8
    SubsetFontEntry e;
    e.setName("MinchoA");
    e.setFileStem("MINC0000");
    e.characterCount = 3;
    std::vector<CharacterRecord> records = {
        CharacterRecord::make(0, 0), CharacterRecord::make(0, 1), CharacterRecord::make(0, 2)};
    records[0].cid = 5;
    records[1].cid = 6;
    font_.addSubsetFont(e, records);
    font_.RebuildTables();
    font_.Refresh();
  }
  test::CliFolder folder_;
  CCidFont font_;
};

TEST_F(DumpIndex, BinaryIndexAsJsonWithRecordsAndReadably) {
  auto path = folder_.write("MINCHO.sqf", binaryIndexBytes(font_));
  test::CliResult r = test::runCli("dump --json --records " + path.string());
  ASSERT_EQ(r.status, 0) << r.output;
  const auto json = nlohmann::json::parse(r.output);
  const auto expected = nlohmann::json::parse(R"({"FontName": "Dumped", "Registry": "Adobe",
      "FullName": "Caf\u00e9 \u20acuro", "Ordering": null, "TotalCharacters": 3,
      "records": [[0, 0, 5], [0, 1, 6], [0, 2, -1]]})");
  for (const auto& [key, value] : expected.items()) EXPECT_EQ(json[key], value) << key;
  EXPECT_EQ(json["BaseFonts"][0], nlohmann::json::parse(
                                      R"({"name": "MinchoA", "stem": "MINC0000", "count": 3,
                                          "locked": false})"));
  r = test::runCli("dump " + path.string());
  ASSERT_EQ(r.status, 0) << r.output;
  for (const char* text : {"FontName Dumped", "1 MinchoA MINC0000 3", "2 placed, 1 unplaced"})
    EXPECT_NE(r.output.find(text), std::string::npos) << text << r.output;
  EXPECT_EQ(r.output.find("records"), std::string::npos);
}

TEST_F(DumpIndex, TextIndexListsItsRuns) {
  auto path = folder_.write("export.sci", textIndexBytes(font_));
  test::CliResult r = test::runCli("dump --json " + path.string());
  ASSERT_EQ(r.status, 0) << r.output;
  auto json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["kind"], "text index");
  EXPECT_EQ(json["IndexData"], nlohmann::json::parse("[[5,6,1,0,1]]"));
  test::CliResult readable = test::runCli("dump " + path.string());
  EXPECT_NE(readable.output.find("CID 5:6 font 1 glyph 0:1"), std::string::npos) << readable.output;
}

}  // namespace
}  // namespace sorvella
