#include "support/cid_fixtures.h"

#include "support/tx_metrics.h"

namespace sorvella::test {

std::filesystem::path cidFixture(std::string_view name) {
  return std::filesystem::path(SORVELLA_FIXTURE_DIR) / name;
}

std::map<int, TxCidGlyph> txCidMetrics(const std::filesystem::path& file) {
  std::map<int, TxCidGlyph> glyphs;
  const PeerRun run = runPeer(kTx, {"-mtx", file.string()});
  if (run.status != 0) return glyphs;
  // tx names each glyph by its CID and gives its font dictionary where a name font has a code.
  for (const auto& [name, g] : parseTxMetrics(run.out)) {
    const int cid = std::stoi(name);
    glyphs[cid] = {cid, std::stoi(g.encoding), g.width, g.left, g.bottom, g.right, g.top};
  }
  return glyphs;
}

}  // namespace sorvella::test
