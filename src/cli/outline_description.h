// What `dump --outlines` tells of a glyph's outline, master 0: its contours node by node, its
// hints, the hint replacement program and the nodes with smooth or fixed connections.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>

#include "glyph/glyph.h"

namespace sorvella::cli {

// Adds "contours" (one list per contour, one entry per node: ["M", x, y], ["L", x, y],
// ["C", x1, y1, x2, y2, x, y], ["O", x, y], and ["P", x, y] for a plain node read from a
// file), "hints", "replacement", "smooth" and "fixed". Node i of the glyph is entry i of the
// contours taken one after another.
void describeOutline(const Glyph& glyph, nlohmann::ordered_json& json);

// The readable form of those keys, each line starting with `indent`.
void printOutline(const nlohmann::ordered_json& json, std::ostream& out, const char* indent);

}  // namespace sorvella::cli
