// Runs the batch tool as a user does, for the batch-tool tests: a real process, its output
// and its exit status.
#pragma once

#include <string>

namespace sorvella::test {

struct CliResult {
  int status = -1;
  std::string output;  // stdout and stderr together
};

// `args` are appended to the tool's path as they stand, for the shell to split.
CliResult runCli(const std::string& args);

}  // namespace sorvella::test
