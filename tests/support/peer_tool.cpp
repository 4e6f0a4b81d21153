#include "support/peer_tool.h"

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>

namespace sorvella::test {

namespace {

std::string quoted(const std::string& word) {
  std::string out = "'";
  for (char c : word) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

}  // namespace

PeerRun runPeer(const std::string& tool, const std::vector<std::string>& arguments) {
  std::string command = quoted(tool);
  for (const std::string& a : arguments) command += " " + quoted(a);
  command += " 2>&1";
  PeerRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

bool peerAvailable(const std::filesystem::path& tool) {
  return ::access(tool.c_str(), X_OK) == 0;
}

}  // namespace sorvella::test
