// The CIDFont fixtures that tests/fixtures/make-fixtures.sh builds into the build tree, and
// what AFDKO's tx reports for them: per CID its dictionary, advance and bounding box.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "support/peer_tool.h"

namespace sorvella::test {

std::filesystem::path cidFixture(std::string_view name);

struct TxCidGlyph {
  int cid = 0;
  int fd = 0;
  int width = 0;
  int left = 0, bottom = 0, right = 0, top = 0;  // all 0 for a glyph without contours
};

// `tx -mtx FILE` by CID; empty when tx is missing or fails.
std::map<int, TxCidGlyph> txCidMetrics(const std::filesystem::path& file);

}  // namespace sorvella::test
