#include "cli/cli_runner.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace sorvella::test {

CliResult runCli(const std::string& args) {
  std::string command = std::string(SORVELLA_CLI_PATH) + " " + args + " 2>&1";
  CliResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    result.output.append(buffer.data(), n);
  int raw = pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

}  // namespace sorvella::test
