// CIDFont resources from anywhere must import to an end through the one import sequence: a
// CID font only after kFinished (or kFontDictOutOfRange, which keeps what came before), the
// split's statuses only among its own, every subset font handed over complete (at most 512
// glyphs named after CIDs below the count, in order, with its code mapping), progress in its
// protocol, and nothing handed over when the maps fail or the first question cancels.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "cidfont/cid_font_import.h"

namespace {

using sorvella::CidKeyedFontReader;
using sorvella::PSFontStatus;
using sorvella::SubsetFont;

void check(bool condition) {
  if (!condition) std::abort();
}

void importAll(std::span<const uint8_t> bytes, bool cancelAtOnce) {
  CidKeyedFontReader reader(bytes);
  int handed = 0;
  auto receive = [&handed, &reader](sorvella::CCidFont&, SubsetFont& font) {
    const int32_t glyphs = font.slotCount();
    check(glyphs <= CidKeyedFontReader::kSubsetFontGlyphLimit);
    int previous = -1;
    for (int32_t i = 0; i < glyphs; ++i) {
      check(font.glyph(i) != nullptr);
      int cid = -1;
      check(std::sscanf(font.glyph(i)->name().c_str(), "CID-%d", &cid) == 1);
      check(cid > previous && cid < reader.cidCount());
      previous = cid;
    }
    check(font.glyphMapping().lastInUse == glyphs - 1);
    check(font.encoding().number == 0);
    ++handed;
    return true;
  };

  int calls = 0;
  int64_t position = 0;
  auto progress = [&](int kind, int64_t a, int64_t b) {
    if (calls++ == 0) check(kind == sorvella::kProgressRange && a == 0 && b == reader.cidCount());
    if (kind == sorvella::kProgressPosition) {
      check(a >= position && a <= reader.cidCount());
      position = a;
    }
    return cancelAtOnce && kind == sorvella::kProgressCancelQuery ? 1 : 0;
  };
  const sorvella::CidFontImport result = sorvella::importCidFont(reader, receive, progress);
  switch (result.status) {
    case PSFontStatus::kFinished:
    case PSFontStatus::kFontDictOutOfRange:
      check(result.font != nullptr);
      break;
    case PSFontStatus::kCancelled:
      check(cancelAtOnce && handed == 0 && !result.font);
      break;
    case PSFontStatus::kCidMapOutOfRange:
    case PSFontStatus::kSubrMapOutOfRange:
      check(handed == 0 && !result.font);
      break;
    default:
      // The header failed (nothing handed over) or the stream failed during the split.
      check(!result.font && (result.status == PSFontStatus::kFine || handed == 0));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  importAll(bytes, false);
  importAll(bytes, true);
  return 0;
}
