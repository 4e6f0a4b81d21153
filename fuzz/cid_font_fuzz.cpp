// CIDFont resources from anywhere must import to an end: a CID font only with kFinished, the
// split's statuses only among its own, every subset font handed over complete (at most 512
// glyphs named after CIDs below the count, in order, with its code mapping), progress in its
// protocol, and nothing handed over when the maps fail or the first question cancels.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>

#include "postscript/cid_keyed_font_reader.h"

namespace {

using sorvella::CidKeyedFontReader;
using sorvella::PSFontReader;
using sorvella::PSFontStatus;
using sorvella::SubsetFont;

void check(bool condition) {
  if (!condition) std::abort();
}

struct Run {
  int handed = 0;
  bool split = false;
  sorvella::PSFontStatus status = sorvella::PSFontStatus::kFine;
};

Run importAll(std::span<const uint8_t> bytes, bool cancelAtOnce) {
  Run run;
  CidKeyedFontReader reader(bytes);
  auto receive = [&run, &reader](std::unique_ptr<SubsetFont> font) {
    check(font != nullptr);
    const int32_t glyphs = font->slotCount();
    check(glyphs <= CidKeyedFontReader::kSubsetFontGlyphLimit);
    int previous = -1;
    for (int32_t i = 0; i < glyphs; ++i) {
      check(font->glyph(i) != nullptr);
      int cid = -1;
      check(std::sscanf(font->glyph(i)->name().c_str(), "CID-%d", &cid) == 1);
      check(cid > previous && cid < reader.cidCount());
      previous = cid;
    }
    check(font->glyphMapping().lastInUse == glyphs - 1);
    check(font->encoding().number == 0);
    ++run.handed;
  };
  if (!reader.parseHeader(receive)) {
    check(reader.status() != PSFontStatus::kFinished && run.handed == 0);
    return run;
  }
  check(reader.status() == PSFontStatus::kFinished);
  reader.setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
  reader.selectAllFontDicts();

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
  run.split = reader.splitIntoSubsetFonts(progress);
  run.status = reader.status();
  switch (run.status) {
    case PSFontStatus::kFinished:
    case PSFontStatus::kFontDictOutOfRange:
      break;
    case PSFontStatus::kCancelled:
      check(cancelAtOnce && run.handed == 0);
      break;
    case PSFontStatus::kCidMapOutOfRange:
    case PSFontStatus::kSubrMapOutOfRange:
      check(!run.split && run.handed == 0);
      break;
    default:
      check(run.status == PSFontStatus::kFine && !run.split);  // the stream failed
  }
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  importAll(bytes, false);
  importAll(bytes, true);
  return 0;
}
