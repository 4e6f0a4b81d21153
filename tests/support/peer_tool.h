// Running the font tools the writers are checked against (AFDKO's tx and detype1, fontTools
// under the system Python) and reading what they print.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sorvella::test {

inline constexpr const char* kTx = "/usr/libexec/afdko/tx";
inline constexpr const char* kDetype1 = "/usr/libexec/afdko/detype1";
inline constexpr const char* kSystemPython = "/usr/bin/python3";

struct PeerRun {
  int status = -1;  // the exit status, -1 when the tool did not run
  std::string out;  // standard output and standard error together
};

// Runs `tool` with the arguments, each quoted for the shell.
PeerRun runPeer(const std::string& tool, const std::vector<std::string>& arguments);

// True when the tool file exists and is executable.
bool peerAvailable(const std::filesystem::path& tool);

}  // namespace sorvella::test
