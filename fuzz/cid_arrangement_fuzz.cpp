// CID arguments from anywhere (the batch tool's command line, the charts) must neither crash,
// overflow nor run away: an operation either stays within CIDs 0..65535 or is refused with
// the font unchanged. Each input is a list of operations of 13 bytes: a kind, then three
// little-endian 32-bit arguments.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "cidfont/cid_font.h"

namespace {

using sorvella::CCidFont;
using sorvella::CharacterRecord;

void check(bool condition) {
  if (!condition) std::abort();
}

// Three fonts of 20 glyphs, the last one locked; some characters placed near 0 and beyond the
// end of the CID table.
CCidFont sampleFont() {
  CCidFont font;
  for (int f = 0; f < 3; ++f) {
    sorvella::SubsetFontEntry e;
    e.characterCount = 20;
    std::vector<CharacterRecord> records;
    for (int g = 0; g < 20; ++g) {
      records.push_back(CharacterRecord::make(f, g));
      if (g % 3 == 0) records.back().cid = f * 40 + g;
      if (g == 19) records.back().cid = 20000 + f;
    }
    font.addSubsetFont(e, records);
  }
  font.setLocked(2, true);
  font.RebuildTables();
  return font;
}

int32_t argument(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                              uint32_t{p[3]} << 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  constexpr std::size_t kOperationBytes = 13;
  constexpr std::size_t kMaxOperations = 8;  // each may touch 65536 CIDs
  CCidFont font = sampleFont();
  std::vector<int32_t> chartList(20);
  for (int g = 0; g < 20; ++g) chartList[static_cast<std::size_t>(g)] = g % 2 ? g : -1;

  for (std::size_t at = 0; at + kOperationBytes <= size && at / kOperationBytes < kMaxOperations;
       at += kOperationBytes) {
    const int32_t a = argument(data + at + 1), b = argument(data + at + 5),
                  c = argument(data + at + 9);
    const std::vector<CharacterRecord> before = font.records();
    const int32_t countBefore = font.characterCount();
    bool done = true;
    switch (data[at] % 8) {
      case 0: done = font.CopyRange(a, b, c); break;
      case 1: done = font.MoveRange(a, b, c); break;
      case 2: done = font.SwapRange(a, b, c); break;
      case 3: font.ClearRange(a, b); break;
      case 4: done = font.PlaceUnplaced(a, b, c); break;
      case 5: done = font.PlaceGlyphs(a, b, c, 1, chartList); break;
      case 6: done = font.ExpandRange(a); break;
      default: font.Compact(); break;
    }
    if (!done) check(font.records() == before);
    check(font.characterCount() >= countBefore);
    check(font.rangeTop() <= CCidFont::kMaxCid);
    for (const sorvella::OverflowPair& p : font.overflow())
      check(p.cid >= 0 && p.cid <= CCidFont::kMaxCid);
  }
  font.Refresh();
  font.RebuildTables();
  check(font.rangeTop() <= CCidFont::kMaxCid);
  return 0;
}
