#include "editor/line_hit.h"

#include <algorithm>
#include <cmath>

namespace sorvella {

namespace {

struct Best {
  std::optional<LineGrab> grab;
  double distance = kHitTolerance;

  // Strictly nearer wins, so that the earlier kind keeps a tie.
  void offer(double d, LineGrab candidate) {
    if (d < distance || (!grab && d <= distance)) {
      grab = candidate;
      distance = d;
    }
  }
};

void offerHints(Best& best, const std::vector<Hint>& hints, LineKind kind, int master,
                double coordinate) {
  for (std::size_t i = 0; i < hints.size(); ++i) {
    if (master >= static_cast<int>(hints[i].masters.size())) continue;
    const Stem& s = hints[i].masters[static_cast<std::size_t>(master)];
    const int index = static_cast<int>(i);
    best.offer(std::abs(coordinate - s.position), {kind, index, 0});
    best.offer(std::abs(coordinate - (s.position + s.width)), {kind, index, 1});
  }
}

void offerGuides(Best& best, const std::vector<Guide>& guides, LineKind kind, int master,
                 double coordinate, double across) {
  const int at = static_cast<int>(std::lround(std::clamp(across, -32768.0, 32767.0)));
  for (std::size_t i = 0; i < guides.size(); ++i) {
    if (master >= static_cast<int>(guides[i].masters.size())) continue;
    best.offer(std::abs(coordinate - guideCoordinate(guides[i], master, at)),
               {kind, static_cast<int>(i), 0});
  }
}

// Drops the hint's entries from the replacement program and renumbers the later ones.
void dropFromProgram(std::vector<HintReplacementEntry>& program, uint16_t kind, int index) {
  std::erase_if(program,
                [&](const HintReplacementEntry& e) { return e.kind == kind && e.value == index; });
  for (HintReplacementEntry& e : program)
    if (e.kind == kind && e.value > index) --e.value;
}

}  // namespace

std::optional<LineGrab> hitTestLines(const Glyph& glyph, const LineHitView& view,
                                     PointerPosition pointer) {
  Best best;
  if (view.hintsShown && glyph.hints()) {
    offerHints(best, glyph.hints()->horizontal, LineKind::kHorizontalHint, view.master, pointer.y);
    offerHints(best, glyph.hints()->vertical, LineKind::kVerticalHint, view.master, pointer.x);
  }
  if (view.guidesShown && glyph.guides()) {
    offerGuides(best, glyph.guides()->horizontal, LineKind::kHorizontalGuide, view.master,
                pointer.y, pointer.x);
    offerGuides(best, glyph.guides()->vertical, LineKind::kVerticalGuide, view.master, pointer.x,
                pointer.y);
  }
  return best.grab;
}

bool deleteLine(Glyph& glyph, const LineGrab& line) {
  const bool hint = line.kind == LineKind::kHorizontalHint || line.kind == LineKind::kVerticalHint;
  if (hint) {
    if (!glyph.hints()) return false;
    const bool horizontal = line.kind == LineKind::kHorizontalHint;
    std::vector<Hint>& list = horizontal ? glyph.hints()->horizontal : glyph.hints()->vertical;
    if (line.index < 0 || line.index >= static_cast<int>(list.size())) return false;
    list.erase(list.begin() + line.index);
    dropFromProgram(glyph.hints()->replacement,
                    horizontal ? hint_kind::kHorizontal : hint_kind::kVertical, line.index);
    return true;
  }
  if (!glyph.guides()) return false;
  std::vector<Guide>& list = line.kind == LineKind::kHorizontalGuide ? glyph.guides()->horizontal
                                                                     : glyph.guides()->vertical;
  if (line.index < 0 || line.index >= static_cast<int>(list.size())) return false;
  list.erase(list.begin() + line.index);
  return true;
}

}  // namespace sorvella
