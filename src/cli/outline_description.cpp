#include "cli/outline_description.h"

#include <ostream>

namespace sorvella::cli {

namespace {

using nlohmann::ordered_json;

ordered_json nodeEntry(const Glyph& glyph, int n) {
  const Point p = glyph.point(n, 0, 0);
  switch (glyph.type(n)) {
    case node_type::kMove:
      return {"M", p.x, p.y};
    case node_type::kLine:
      return {"L", p.x, p.y};
    case node_type::kCurve: {
      const Point c1 = glyph.point(n, 1, 0);
      const Point c2 = glyph.point(n, 2, 0);
      return {"C", c1.x, c1.y, c2.x, c2.y, p.x, p.y};
    }
    case node_type::kOffCurve:
      return {"O", p.x, p.y};
    default:
      // A node without meaning still takes its place, so that indices stay those of the glyph.
      return glyph.pointCount(n) > 0 ? ordered_json{"P", p.x, p.y} : ordered_json::array({"P"});
  }
}

ordered_json stems(const std::vector<Hint>& hints) {
  ordered_json list = ordered_json::array();
  for (const Hint& h : hints) {
    const Stem s = h.masters.empty() ? Stem{} : h.masters[0];
    list.push_back({s.position, s.width});
  }
  return list;
}

void printList(const ordered_json& list, std::ostream& out) {
  for (const auto& item : list) {
    out << ' ';
    for (std::size_t i = 0; i < item.size(); ++i) out << (i == 0 ? "" : ",") << item[i];
  }
}

}  // namespace

void describeOutline(const Glyph& glyph, ordered_json& json) {
  ordered_json contours = ordered_json::array();
  ordered_json smooth = ordered_json::array();
  ordered_json fixed = ordered_json::array();
  for (int n = 0; n < glyph.nodeCount(); ++n) {
    if (contours.empty() || glyph.type(n) == node_type::kMove)
      contours.push_back(ordered_json::array());
    contours.back().push_back(nodeEntry(glyph, n));
    const uint16_t connection = nodeConnectionOf(glyph.header(n));
    if (connection == node_flag::kSmooth) smooth.push_back(n);
    if (connection == node_flag::kFixed) fixed.push_back(n);
  }
  json["contours"] = std::move(contours);
  static const std::vector<Hint> kNoHints;
  const std::optional<GlyphHints>& hints = glyph.hints();
  json["hints"] = {{"h", stems(hints ? hints->horizontal : kNoHints)},
                   {"v", stems(hints ? hints->vertical : kNoHints)}};
  ordered_json program = ordered_json::array();
  if (hints)
    for (const HintReplacementEntry& entry : hints->replacement)
      program.push_back({entry.kind, entry.value});
  json["replacement"] = std::move(program);
  json["smooth"] = std::move(smooth);
  json["fixed"] = std::move(fixed);
}

void printOutline(const ordered_json& json, std::ostream& out, const char* indent) {
  for (const auto& contour : json["contours"]) {
    out << indent;
    for (const auto& node : contour) {
      out << ' ' << node[0].get<std::string>();
      for (std::size_t i = 1; i < node.size(); ++i) out << (i == 1 ? "" : ",") << node[i];
    }
    out << '\n';
  }
  out << indent << " hints h";
  printList(json["hints"]["h"], out);
  out << " v";
  printList(json["hints"]["v"], out);
  out << '\n';
  if (!json["replacement"].empty()) {
    out << indent << " replacement";
    printList(json["replacement"], out);
    out << '\n';
  }
  for (const char* key : {"smooth", "fixed"}) {
    if (json[key].empty()) continue;
    out << indent << ' ' << key;
    for (const auto& n : json[key]) out << ' ' << n;
    out << '\n';
  }
}

}  // namespace sorvella::cli
