// The batch tool as a user runs it: a real process, its output and its exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "cli/cli_runner.h"

namespace {

using Result = sorvella::test::CliResult;
using sorvella::test::runCli;

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("sorvella-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path write(const std::string& name, const std::string& bytes) {
    auto path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::filesystem::path dir_;
};

TEST_F(CliTest, HelpListsDumpAndSucceeds) {
  Result r = runCli("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.output.find("dump"), std::string::npos) << r.output;
}

TEST_F(CliTest, VersionNamesTheTool) {
  Result r = runCli("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output.rfind("sorvella-cli ", 0), 0u) << r.output;
}

TEST_F(CliTest, UnknownOptionIsAUsageError) {
  Result r = runCli("--no-such-option");
  EXPECT_EQ(r.status, 2) << r.output;
}

TEST_F(CliTest, DumpRefusesAFileOfUnknownKind) {
  auto path = write("notes.txt", "just some text\n");
  Result r = runCli("dump " + path.string());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.output.find("not a file of a kind Sorvella knows"), std::string::npos) << r.output;
  EXPECT_EQ(runCli("dump --json " + path.string()).status, 2);
}

TEST_F(CliTest, DumpOfAMissingFileFails) {
  Result r = runCli("dump " + (dir_ / "missing.sqf").string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("cannot be opened"), std::string::npos) << r.output;
}

TEST_F(CliTest, DumpWithoutAFileIsAUsageError) { EXPECT_EQ(runCli("dump").status, 2); }

}  // namespace
