// The batch tool as a user runs it: a real process, its output and its exit status.
#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/cli_run.h"

namespace sorvella {
namespace {

using test::runCli;

class CliTest : public ::testing::Test {
 protected:
  test::CliFolder folder_;
};

TEST_F(CliTest, HelpListsDumpAndSucceeds) {
  test::CliResult r = runCli("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.output.find("dump"), std::string::npos) << r.output;
}

TEST_F(CliTest, VersionNamesTheTool) {
  test::CliResult r = runCli("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output.rfind("sorvella-cli ", 0), 0u) << r.output;
}

TEST_F(CliTest, UnknownOptionIsAUsageError) {
  test::CliResult r = runCli("--no-such-option");
  EXPECT_EQ(r.status, 2) << r.output;
}

TEST_F(CliTest, DumpRefusesAFileOfUnknownKind) {
  auto path = folder_.write("notes.txt", "just some text\n");
  test::CliResult r = runCli("dump " + path.string());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.output.find("not a file of a kind Sorvella knows"), std::string::npos) << r.output;
  EXPECT_EQ(runCli("dump --json " + path.string()).status, 2);
}

TEST_F(CliTest, DumpOfAMissingFileFails) {
  test::CliResult r = runCli("dump " + (folder_ / "missing.sqf").string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("cannot be opened"), std::string::npos) << r.output;
}

TEST_F(CliTest, DumpWithoutAFileIsAUsageError) { EXPECT_EQ(runCli("dump").status, 2); }

TEST_F(CliTest, AnErrorNoCommandForesawIsToldAndFails) {
  test::CliResult r = runCli("place '' 0 5 1");
  EXPECT_EQ(r.status, 1);
  std::string told = cli::kUnexpectedErrorMessage;
  EXPECT_EQ(r.output.rfind(told.substr(0, told.find("%s")), 0), 0u) << r.output;
}

}  // namespace
}  // namespace sorvella
