// Outline record: master count, used size, node count, then per node a code byte and the
// point deltas of every master, packed.
#include "glyph/glyph_record.h"
#include "glyph/packed_integer.h"

namespace sorvella {

namespace {

uint8_t nodeCode(uint8_t type) {
  switch (type) {
    case node_type::kMove: return 0;
    case node_type::kLine: return 1;
    case node_type::kCurve: return 3;
    case node_type::kOffCurve: return 4;
    case node_type::kPlain: return 5;
    default: return 2;
  }
}

// -1 for codes no writer produces.
int typeOfCode(uint8_t code) {
  switch (code & 0x0F) {
    case 0: return node_type::kMove;
    case 1: return node_type::kLine;
    case 2: return 0;
    case 3: return node_type::kCurve;
    case 4: return node_type::kOffCurve;
    case 5: return node_type::kPlain;
    default: return -1;
  }
}

}  // namespace

void writeOutlineRecord(const Outline& outline, ByteWriter& out) {
  int masters = outline.masterCount();
  writePacked(out, masters);
  writePacked(out, static_cast<int32_t>(outline.usedSize()));
  writePacked(out, outline.nodeCount());
  std::vector<Point> previous(static_cast<std::size_t>(masters));
  for (int i = 0; i < outline.nodeCount(); ++i) {
    uint16_t h = outline.header(i);
    out.put8(static_cast<uint8_t>(nodeCode(nodeTypeOf(h)) | ((h >> 8) & 0xF0)));
    for (int k = 0; k < nodePointCountOf(h); ++k) {
      for (int m = 0; m < masters; ++m) {
        Point p = outline.point(i, k, m);
        Point& prev = previous[static_cast<std::size_t>(m)];
        writePacked(out, p.x - prev.x);
        writePacked(out, p.y - prev.y);
        prev = p;
      }
    }
  }
}

bool readOutlineRecord(Outline& outline, ByteReader& in) {
  int32_t masters = readPacked(in);
  int32_t usedSize = readPacked(in);
  int32_t nodes = readPacked(in);
  if (in.overran() || masters < 1 || masters > Outline::kMaxMasters || usedSize < 0 || nodes < 0 ||
      static_cast<std::size_t>(nodes) > in.remaining())
    return false;

  Outline result(masters);
  result.reserveMore(static_cast<uint32_t>(
      std::min<int64_t>(usedSize, int64_t{nodes} * (2 + 12 * int64_t{masters}))));
  std::vector<Point> previous(static_cast<std::size_t>(masters));
  Node n;
  for (int32_t i = 0; i < nodes; ++i) {
    if (in.atEnd()) return false;
    uint8_t code = in.get8();
    int type = typeOfCode(code);
    if (type < 0) return false;
    n.header = static_cast<uint16_t>(type | ((code & 0x30) << 8));
    n.points.resize(static_cast<std::size_t>(n.pointCount() * masters));
    for (int k = 0; k < n.pointCount(); ++k) {
      for (int m = 0; m < masters; ++m) {
        Point& prev = previous[static_cast<std::size_t>(m)];
        int32_t dx = readPacked(in);
        int32_t dy = readPacked(in);
        prev = {static_cast<int16_t>(static_cast<uint32_t>(prev.x) + static_cast<uint32_t>(dx)),
                static_cast<int16_t>(static_cast<uint32_t>(prev.y) + static_cast<uint32_t>(dy))};
        n.points[static_cast<std::size_t>(k * masters + m)] = prev;
      }
    }
    if (in.overran() || !result.appendNode(n)) return false;
  }
  outline.takeOver(std::move(result));
  return true;
}

}  // namespace sorvella
