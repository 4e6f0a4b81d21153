// The batch tool as a user runs it: a real process, its output and its exit status.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cli/cli_app.h"
#include "cli/cli_run.h"
#include "cli/dump_command.h"

namespace sorvella {
namespace {

// 2 for a usage error or a file of a kind the program does not know, 1 for a command that
// failed; each with the program's own message.
TEST(Cli, ExitStatusAndMessage) {
  test::CliFolder folder;
  const std::string notes = folder.write("notes.txt", "just some text\n").string();
  const std::string missing = (folder / "missing.sqf").string();
  const std::string unknown = formatText(cli::kUnknownKindMessage, notes.c_str());
  const std::string unexpected = cli::kUnexpectedErrorMessage;
  const struct {
    std::string args;
    int status;
    std::string says;
  } cases[] = {
      {"--help", 0, "dump"},
      {"--version", 0, "sorvella-cli "},
      {"--no-such-option", 2, ""},
      {"dump", 2, ""},
      {"dump " + notes, 2, unknown},
      {"dump --json " + notes, 2, unknown},
      {"import " + notes + " " + (folder / "X").string(), 2, unknown},
      {"dump " + missing, 1, formatText(cli::kCannotOpenMessage, missing.c_str())},
      // An error no command foresaw is told, never thrown out of the tool.
      {"place '' 0 5 1", 1, unexpected.substr(0, unexpected.find("%s"))},
  };
  for (const auto& c : cases) {
    test::CliResult r = test::runCli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.output;
    EXPECT_NE(r.output.find(c.says), std::string::npos) << c.args << "\n" << r.output;
  }
}

}  // namespace
}  // namespace sorvella
