#include "support/path_glyph.h"

#include <sstream>
#include <string>

namespace sorvella::test {

Glyph pathGlyph(std::string_view path) {
  Glyph glyph;
  std::istringstream in{std::string(path)};
  auto point = [&] {
    int x = 0, y = 0;
    in >> x >> y;
    return Point{static_cast<int16_t>(x), static_cast<int16_t>(y)};
  };
  for (char kind; in >> kind;) {
    const Point p = point();
    if (kind == 'C') {
      const Point c2 = point();
      glyph.appendNode(Node::curve(point(), p, c2));
    } else {
      glyph.appendNode(Node::make(kind == 'M'   ? node_type::kMove
                                  : kind == 'O' ? node_type::kOffCurve
                                                : node_type::kLine,
                                  1, p));
    }
  }
  return glyph;
}

std::vector<std::pair<int, int>> stemsOf(const std::vector<Hint>& hints) {
  std::vector<std::pair<int, int>> list;
  for (const Hint& h : hints) list.emplace_back(h.masters.at(0).position, h.masters.at(0).width);
  return list;
}

Hint stemHint(int16_t position, int16_t width) {
  return Hint{{Stem{position, width}}};
}

}  // namespace sorvella::test
