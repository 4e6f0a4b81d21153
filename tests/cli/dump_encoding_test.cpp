// `sorvella-cli dump` of encoding files, run as a real process.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_run.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

class DumpEncoding : public ::testing::Test {
 protected:
  test::TempFolder folder_;

  std::string write(const std::string& bytes) {
    test::writeFile(folder_ / "mine.enc", bytes);
    return (folder_ / "mine.enc").string();
  }
  static bool hasLine(const std::string& output, const std::string& line) {
    return ("\n" + output).find("\n" + line + "\n") != std::string::npos;
  }
};

constexpr char kFile[] = "%%VANTREL ENCODING: 42; My own\r\nA 65\r\nA 97\r\nB 66\r\ny 255\r\n";

TEST_F(DumpEncoding, ReadableFormListsNamedCodesOnly) {
  test::CliResult r = test::runCli("dump " + write(kFile));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(hasLine(r.output, "  number       42")) << r.output;
  EXPECT_TRUE(hasLine(r.output, "  name         My own")) << r.output;
  EXPECT_TRUE(hasLine(r.output, "  named codes  3 of 256")) << r.output;
  EXPECT_TRUE(hasLine(r.output, "   65  0x41  A")) << r.output;
  EXPECT_TRUE(hasLine(r.output, "  255  0xFF  y")) << r.output;
  EXPECT_TRUE(hasLine(r.output, "   66  0x42  B")) << r.output;
  EXPECT_EQ(r.output.find("  97  "), std::string::npos) << r.output;
}

TEST_F(DumpEncoding, JsonFormHasNumberNameAnd256Codes) {
  test::CliResult r = test::runCli("dump --json " + write(kFile));
  ASSERT_EQ(r.status, 0) << r.output;
  nlohmann::json json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["number"], 42);
  EXPECT_EQ(json["name"], "My own");
  ASSERT_EQ(json["codes"].size(), 256u);
  EXPECT_EQ(json["codes"][65], "A");
  EXPECT_TRUE(json["codes"][97].is_null());
  EXPECT_TRUE(json["codes"][0].is_null());
  EXPECT_EQ(json["codes"][66], "B");
  EXPECT_EQ(json["codes"][255], "y");
}

TEST_F(DumpEncoding, Windows1252TextsComeOutAsUtf8) {
  test::CliResult r =
      test::runCli("dump --json " + write("%%VANTREL ENCODING: 1; Caf\xE9 \x80\nL\x9C 65\n"));
  ASSERT_EQ(r.status, 0) << r.output;
  nlohmann::json json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["name"], "Caf\u00E9 \u20AC");
  EXPECT_EQ(json["codes"][65], "L\u0153");
}

TEST_F(DumpEncoding, AnInvalidFirstLineFails) {
  test::CliResult r = test::runCli("dump " + write("%%VANTREL ENCODING: 1 no semicolon\nA 65\n"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("not a valid encoding file header"), std::string::npos) << r.output;
  EXPECT_EQ(test::runCli("dump " + write("%%vantrel encoding: 1; x\n")).status, 2);
}

}  // namespace
}  // namespace sorvella
