// `sorvella-cli dump` of encoding files, run as a real process.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_run.h"

namespace sorvella {
namespace {

// Code 97 is named twice: the first name counts; codes without a name are null.
constexpr char kFile[] = "%%VANTREL ENCODING: 42; My own\r\nA 65\r\nA 97\r\nB 66\r\ny 255\r\n";

TEST(DumpEncoding, ReadablyAndAsJsonWithNamedCodesOnly) {
  test::CliFolder folder;
  const std::string file = folder.write("mine.enc", kFile).string();
  test::CliResult r = test::runCli("dump " + file);
  EXPECT_EQ(r.status, 0) << r.output;
  for (const char* line : {"  number       42", "  name         My own", "  named codes  3 of 256",
                           "   65  0x41  A", "   66  0x42  B", "  255  0xFF  y"})
    EXPECT_NE(("\n" + r.output).find("\n" + std::string(line) + "\n"), std::string::npos)
        << line << "\n"
        << r.output;
  EXPECT_EQ(r.output.find("  97  "), std::string::npos) << r.output;

  r = test::runCli("dump --json " + file);
  ASSERT_EQ(r.status, 0) << r.output;
  nlohmann::json json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["number"], 42);
  EXPECT_EQ(json["name"], "My own");
  ASSERT_EQ(json["codes"].size(), 256u);
  for (const auto& [code, name] : {std::pair{65, "A"}, {66, "B"}, {255, "y"}})
    EXPECT_EQ(json["codes"][code], name) << code;
  EXPECT_TRUE(json["codes"][97].is_null());
  EXPECT_TRUE(json["codes"][0].is_null());
}

// Texts are Windows-1252 bytes; JSON takes only UTF-8.
TEST(DumpEncoding, Windows1252TextsComeOutAsUtf8) {
  test::CliFolder folder;
  test::CliResult r = test::runCli(
      "dump --json " +
      folder.write("high.enc", "%%VANTREL ENCODING: 1; Caf\xE9 \x80\nL\x9C 65\n").string());
  ASSERT_EQ(r.status, 0) << r.output;
  nlohmann::json json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["name"], "Caf\u00E9 \u20AC");
  EXPECT_EQ(json["codes"][65], "L\u0153");
}

}  // namespace
}  // namespace sorvella
