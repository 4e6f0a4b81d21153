#include "truetype/kern_table.h"

#include <algorithm>

#include "truetype/tt_stream.h"

namespace sorvella {

namespace {

constexpr uint32_t kMacintoshVersion = 0x00010000;
constexpr uint64_t kPairSize = 6;

}  // namespace

void kernTABLE::readBody(std::span<const uint8_t> body) {
  ByteReader in(body);
  const bool macintosh = body.size() >= 4 && in.get32be() == kMacintoshVersion;
  in = ByteReader(body);
  version_ = macintosh ? in.get32be() : in.get16be();
  const uint32_t count = macintosh ? in.get32be() : in.get16be();
  for (uint32_t i = 0; i < count; ++i) {
    const std::size_t start = in.position();
    TTkernSubtable s;
    if (macintosh) {
      s.length = in.get32be();
      s.coverage = in.get16be();
      in.skip(2);  // tupleIndex
      s.format = static_cast<uint8_t>(s.coverage & 0xFF);
    } else {
      s.version = in.get16be();
      s.length = in.get16be();
      s.coverage = in.get16be();
      s.format = static_cast<uint8_t>(s.coverage >> 8);
    }
    uint64_t next = start + uint64_t{s.length};
    if (in.overran() || next < in.position()) {
      fail(TTError::kDamaged);
      return;
    }
    if (s.format == 0) {
      uint16_t pairs = in.get16be();
      in.skip(6);  // searchRange, entrySelector, rangeShift
      // The count is checked against the table, not the subtable: the 16-bit length of the
      // Windows layout overflows for large subtables.
      if (in.overran() || kPairSize * pairs > in.remaining()) {
        fail(TTError::kDamaged);
        pairs = static_cast<uint16_t>(std::min<uint64_t>(pairs, in.remaining() / kPairSize));
      }
      s.pairs.resize(pairs);
      for (TTKernPair& p : s.pairs) {
        p.left = in.get16be();
        p.right = in.get16be();
        p.value = asSigned(in.get16be());
      }
      if (!macintosh) next = in.position();
    }
    subtables_.push_back(std::move(s));
    if (i + 1 == count) break;
    if (next > body.size()) {
      fail(TTError::kDamaged);
      return;
    }
    in = readerAt(body, next);
  }
}

}  // namespace sorvella
