#include "support/tx_metrics.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/peer_tool.h"

namespace sorvella::test {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

}  // namespace

std::map<std::string, TxGlyph> checkedTxMetrics(const std::filesystem::path& file) {
  const PeerRun run = runPeer(kTx, {"-mtx", file.string()});
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(txComplaints(run.out), "") << file;
  return parseTxMetrics(run.out);
}

std::map<std::string, TxGlyph> parseTxMetrics(const std::string& output) {
  std::map<std::string, TxGlyph> glyphs;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("glyph[", 0) != 0) continue;
    const std::size_t open = line.find('{');
    const std::size_t boxOpen = line.find('{', open + 1);
    const std::size_t boxClose = line.find('}', boxOpen);
    if (open == std::string::npos || boxOpen == std::string::npos || boxClose == std::string::npos)
      continue;
    const std::vector<std::string> fields = split(line.substr(open + 1, boxOpen - open - 1), ',');
    const std::vector<std::string> box =
        split(line.substr(boxOpen + 1, boxClose - boxOpen - 1), ',');
    if (fields.size() < 2 || box.size() != 4) continue;
    TxGlyph g;
    g.name = fields[0];
    g.encoding = fields.size() >= 3 ? fields[1] : "";
    g.width = std::stoi(fields.back());
    g.left = std::stoi(box[0]);
    g.bottom = std::stoi(box[1]);
    g.right = std::stoi(box[2]);
    g.top = std::stoi(box[3]);
    glyphs[g.name] = g;
  }
  return glyphs;
}

std::string txComplaints(const std::string& output) {
  std::string complaints;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("tx:", 0) == 0) complaints += line + "\n";
  }
  return complaints;
}

std::string collapsedDump(const std::string& output) {
  std::string out;
  for (char c : output) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

}  // namespace sorvella::test
