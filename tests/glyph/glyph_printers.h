// Readable failure messages for the glyph model's value types.
#pragma once

#include <ostream>

#include "glyph/geometry.h"
#include "glyph/glyph_parts.h"
#include "glyph/node.h"

namespace sorvella {

inline void PrintTo(const Point& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}

inline void PrintTo(const Box& b, std::ostream* os) {
  *os << "Box{" << b.xMin << ", " << b.yMin << ", " << b.xMax << ", " << b.yMax << "}";
}

inline void PrintTo(const Node& n, std::ostream* os) {
  *os << "Node{0x" << std::hex << n.header << std::dec;
  for (const Point& p : n.points) {
    *os << " ";
    PrintTo(p, os);
  }
  *os << "}";
}

inline void PrintTo(const HintReplacementEntry& e, std::ostream* os) {
  *os << "{" << e.kind << ", " << e.value << "}";
}

inline void PrintTo(const Hint& h, std::ostream* os) {
  *os << "Hint{";
  for (const Stem& s : h.masters) *os << " (" << s.position << ", " << s.width << ")";
  *os << " }";
}

}  // namespace sorvella
