// `sorvella-cli dump` on CMap files, run as a user runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/cli_run.h"

namespace sorvella {
namespace {

constexpr const char* kMiniCMap =
    "%!PS-Adobe-3.0 Resource-CMap\n"
    "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
    "/Mini-H usecmap\n"
    "/CIDSystemInfo 3 dict dup begin /Registry (Adobe) def /Ordering (Japan1) def\n"
    "/Supplement 2 def end def\n"
    "/CMapName /Mini-V def /CMapVersion 1.5 def /UIDOffset 9 def /XUID [1 10 7] def\n"
    "/WMode 1 def\n"
    "1 begincidrange <8140> <8142> 633 endcidrange\n"
    "1 begincidchar <20> 1 endcidchar\n"
    "endcmap\n";

class DumpCMap : public ::testing::Test {
 protected:
  test::CliFolder folder_;
};

// Known by its first line, not its name; the map only when asked for.
TEST_F(DumpCMap, JsonAndReadablyWithTheMap) {
  auto path = folder_.write("Mini-V", kMiniCMap);
  test::CliResult r = test::runCli("dump --json --map " + path.string());
  ASSERT_EQ(r.status, 0) << r.output;
  const auto json = nlohmann::json::parse(r.output);
  const auto expected = nlohmann::json::parse(R"({"CMapName": "Mini-V", "Registry": "Adobe",
      "Ordering": "Japan1", "Supplement": 2, "CMapVersion": 1.5, "UIDOffset": 9,
      "XUID": [1, 10, 7], "WMode": 1, "BaseName": "Mini-H", "based": true, "mapped": 4,
      "map": {"0020": 1, "8140": 633, "8141": 634, "8142": 635}})");
  for (const auto& [key, value] : expected.items()) EXPECT_EQ(json[key], value) << key;
  EXPECT_FALSE(
      nlohmann::json::parse(test::runCli("dump --json " + path.string()).output).contains("map"));
  r = test::runCli("dump --map " + path.string());
  ASSERT_EQ(r.status, 0) << r.output;
  for (const char* line :
       {"CMapName Mini-V\n", "Based on Mini-H\n", "Mapped codes 4\n", "  8141 634\n"})
    EXPECT_NE(r.output.find(line), std::string::npos) << line << r.output;
}

TEST_F(DumpCMap, RealShiftJisCMap) {
  const std::string file = "/usr/share/poppler/cMap/Adobe-Japan1/90ms-RKSJ-H";
  ASSERT_TRUE(std::filesystem::exists(file)) << "install poppler-data";
  test::CliResult r = test::runCli("dump --json --map " + file);
  ASSERT_EQ(r.status, 0) << r.output;
  auto json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["CMapName"], "90ms-RKSJ-H");
  EXPECT_EQ(json["based"], false);
  EXPECT_TRUE(json["BaseName"].is_null());
  EXPECT_EQ(json["map"]["8140"], 633);  // <8140> <817e>  633
}

}  // namespace
}  // namespace sorvella
