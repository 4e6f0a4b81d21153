#include "glyph/glyph_parts.h"

#include "base/rounding.h"

namespace sorvella {

bool sameStem(const Hint& a, const Hint& b) {
  if (a.masters.size() != b.masters.size()) return false;
  for (std::size_t m = 0; m < a.masters.size(); ++m) {
    const Stem& s = a.masters[m];
    const Stem& t = b.masters[m];
    bool equal = s == t;
    bool mirrored = s.position + s.width == t.position && s.width + t.width == 0;
    if (!equal && !mirrored) return false;
  }
  return true;
}

int findStem(const std::vector<Hint>& hints, const Hint& hint) {
  for (std::size_t i = 0; i < hints.size(); ++i)
    if (sameStem(hints[i], hint)) return static_cast<int>(i);
  return -1;
}

int16_t guideCoordinate(const Guide& guide, int master, int t) {
  if (master < 0 || static_cast<std::size_t>(master) >= guide.masters.size()) return 0;
  const GuideValue& g = guide.masters[static_cast<std::size_t>(master)];
  if (g.slope == 0) return g.position;
  return clampToInt16(g.position + roundHalfDown(t * g.slope * 0.0001));
}

}  // namespace sorvella
