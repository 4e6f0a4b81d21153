#include "support/cid_fixtures.h"

#include <array>
#include <cstdio>

namespace sorvella::test {

std::filesystem::path cidFixture(std::string_view name) {
  return std::filesystem::path(SORVELLA_FIXTURE_DIR) / name;
}

std::map<int, TxCidGlyph> txCidMetrics(const std::filesystem::path& file) {
  std::map<int, TxCidGlyph> glyphs;
  const std::string command = std::string(kTx) + " -mtx '" + file.string() + "' 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return glyphs;
  std::array<char, 512> line;
  while (std::fgets(line.data(), static_cast<int>(line.size()), pipe)) {
    // glyph[tag] {cid,fd,width,{left,bottom,right,top}}
    int tag = 0;
    TxCidGlyph g;
    if (std::sscanf(line.data(), "glyph[%d] {%d,%d,%d,{%d,%d,%d,%d}}", &tag, &g.cid, &g.fd,
                    &g.width, &g.left, &g.bottom, &g.right, &g.top) == 8)
      glyphs[g.cid] = g;
  }
  if (pclose(pipe) != 0) glyphs.clear();
  return glyphs;
}

}  // namespace sorvella::test
