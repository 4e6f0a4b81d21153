// `sorvella-cli dump` of encoding files, run as a real process.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_run.h"

namespace sorvella {
namespace {

// Code 97 is named twice: the first name counts; codes without a name are null. Texts are
// Windows-1252 bytes and come out as UTF-8.
constexpr char kFile[] =
    "%%VANTREL ENCODING: 42; Caf\xE9 \x80\r\nA 65\r\nA 97\r\nB 66\r\nL\x9C 255\r\n";

TEST(DumpEncoding, ReadablyAndAsJsonWithNamedCodesOnly) {
  test::CliFolder folder;
  const std::string file = folder.write("mine.enc", kFile).string();
  test::CliResult r = test::runCli("dump " + file);
  EXPECT_EQ(r.status, 0) << r.output;
  for (const char* line :
       {"  number       42", "  name         Caf\xC3\xA9 \xE2\x82\xAC", "  named codes  3 of 256",
        "   65  0x41  A", "   66  0x42  B", "  255  0xFF  L\xC5\x93"})
    EXPECT_NE(("\n" + r.output).find("\n" + std::string(line) + "\n"), std::string::npos)
        << line << "\n"
        << r.output;
  EXPECT_EQ(r.output.find("  97  "), std::string::npos) << r.output;

  r = test::runCli("dump --json " + file);
  ASSERT_EQ(r.status, 0) << r.output;
  nlohmann::json json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["number"], 42);
  EXPECT_EQ(json["name"], "Caf\u00E9 \u20AC");
  ASSERT_EQ(json["codes"].size(), 256u);
  for (const auto& [code, name] : {std::pair{65, "A"}, {66, "B"}, {255, "L\u0153"}})
    EXPECT_EQ(json["codes"][code], name) << code;
  EXPECT_TRUE(json["codes"][97].is_null());
  EXPECT_TRUE(json["codes"][0].is_null());
}

}  // namespace
}  // namespace sorvella
