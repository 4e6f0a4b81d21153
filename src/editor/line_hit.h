// Hit testing of the glyph's hints and guides: which hint edge or guide lies under the
// pointer, and removing the one found.
#pragma once

#include <optional>

#include "editor/edit_geometry.h"
#include "glyph/glyph.h"

namespace sorvella {

enum class LineKind { kHorizontalHint, kVerticalHint, kHorizontalGuide, kVerticalGuide };

struct LineGrab {
  LineKind kind = LineKind::kHorizontalHint;
  int index = -1;  // in the glyph's list of that kind
  int edge = 0;    // hints: 0 the position, 1 position + width
  friend bool operator==(const LineGrab&, const LineGrab&) = default;
};

struct LineHitView {
  int master = 0;
  bool hintsShown = true;
  bool guidesShown = true;
};

// The hint edge or guide nearest to the pointer within kHitTolerance font units, or none; on
// equal distance hints go before guides and horizontal before vertical lines.
std::optional<LineGrab> hitTestLines(const Glyph& glyph, const LineHitView& view,
                                     PointerPosition pointer);

// Removes the grabbed hint or guide; false when it does not exist. Hints take their
// replacement program with them, since its sets number the hints.
bool deleteLine(Glyph& glyph, const LineGrab& line);

}  // namespace sorvella
