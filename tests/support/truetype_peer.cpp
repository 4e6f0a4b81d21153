#include "support/truetype_peer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/peer_tool.h"

namespace sorvella::test {

std::vector<std::vector<std::string>> fontToolsLines(const std::string& script,
                                                     const std::string& font,
                                                     const std::string& tags,
                                                     const std::string& argument) {
  PeerRun run = runPeer(kSystemPython, {"-c", script, font, argument});
  EXPECT_EQ(run.status, 0) << run.out.substr(0, 2000);
  std::vector<std::vector<std::string>> lines;
  if (run.status != 0) return lines;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);) {
    if (line.size() < 2 || line[1] != ' ' || tags.find(line[0]) == std::string::npos) continue;
    std::istringstream words(line);
    std::vector<std::string>& w = lines.emplace_back();
    for (std::string word; words >> word;) w.push_back(word);
  }
  return lines;
}

}  // namespace sorvella::test
