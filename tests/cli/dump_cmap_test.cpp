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

TEST_F(DumpCMap, JsonWithTheMap) {
  auto path = folder_.write("Mini-V", kMiniCMap);  // known by its first line, not its name
  test::CliResult r = test::runCli("dump --json --map " + path.string());
  ASSERT_EQ(r.status, 0) << r.output;
  auto json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["CMapName"], "Mini-V");
  EXPECT_EQ(json["Registry"], "Adobe");
  EXPECT_EQ(json["Ordering"], "Japan1");
  EXPECT_EQ(json["Supplement"], 2);
  EXPECT_EQ(json["CMapVersion"], 1.5);
  EXPECT_EQ(json["UIDOffset"], 9);
  EXPECT_EQ(json["XUID"], nlohmann::json::parse("[1, 10, 7]"));
  EXPECT_EQ(json["WMode"], 1);
  EXPECT_EQ(json["BaseName"], "Mini-H");
  EXPECT_EQ(json["based"], true);
  EXPECT_EQ(json["mapped"], 4);
  EXPECT_EQ(json["map"], nlohmann::json::parse(R"({"0020": 1, "8140": 633, "8141": 634,
                                                   "8142": 635})"));
  EXPECT_FALSE(
      nlohmann::json::parse(test::runCli("dump --json " + path.string()).output).contains("map"));
}

TEST_F(DumpCMap, ReadablyWithTheMap) {
  auto path = folder_.write("mini.cmp", kMiniCMap);
  test::CliResult r = test::runCli("dump --map " + path.string());
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("CMapName Mini-V\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("Based on Mini-H\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("Mapped codes 4\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("  8141 634\n"), std::string::npos) << r.output;
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

TEST_F(DumpCMap, UnreadableCMapFailsWithTheProgramsMessage) {
  auto path = folder_.write("long.cmp", "%!PS-Adobe-3.0 Resource-CMap\n1 begincidchar <e38182> 1");
  test::CliResult r = test::runCli("dump " + path.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("is not a valid CMap file"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("status 3"), std::string::npos) << r.output;
}

}  // namespace
}  // namespace sorvella
