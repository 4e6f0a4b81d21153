#include "outline/autohint.h"

#include <algorithm>
#include <array>
#include <vector>

#include "outline/autohint_edges.h"
#include "outline/autohint_replacement.h"

namespace sorvella {

namespace {

using autohint_detail::Edge;
using autohint_detail::EdgeCollector;
using autohint_detail::EdgePairing;
using autohint_detail::PieceKind;
using autohint_detail::StemLimits;
using autohint_detail::ZoneContact;

constexpr int16_t kBottomGhostWidth = 21;
constexpr int16_t kTopGhostWidth = -20;
constexpr std::size_t kInitialHintRoom = 100;

AutohintStatus checkHints(const Glyph& glyph) {
  if (!glyph.hints()) return AutohintStatus::kOk;
  const GlyphHints& hints = *glyph.hints();
  const std::size_t masters = static_cast<std::size_t>(glyph.masterCount());
  for (const std::vector<Hint>* list : {&hints.horizontal, &hints.vertical}) {
    if (list->size() > static_cast<std::size_t>(kMaxAutohintHints))
      return AutohintStatus::kTooManyHints;
    for (const Hint& h : *list)
      if (h.masters.size() != masters) return AutohintStatus::kHintMastersDiffer;
  }
  for (const HintReplacementEntry& entry : hints.replacement) {
    if (entry.kind == hint_kind::kReplacementPoint) {
      // A point at a node the outline does not have.
      if (entry.value >= glyph.nodeCount() ||
          -static_cast<int64_t>(entry.value) >= glyph.nodeCount())
        return AutohintStatus::kBadReplacementProgram;
      continue;
    }
    const std::vector<Hint>* list = entry.kind == hint_kind::kHorizontal ? &hints.horizontal
                                    : entry.kind == hint_kind::kVertical ? &hints.vertical
                                                                         : nullptr;
    if (list && (entry.value < 0 || static_cast<std::size_t>(entry.value) >= list->size()))
      return AutohintStatus::kBadReplacementProgram;
  }
  return AutohintStatus::kOk;
}

// The box of the nodes' end points of master m.
Box endPointBox(const Glyph& glyph, int m) {
  Box box;
  for (int n = 0; n < glyph.nodeCount(); ++n)
    if (glyph.pointCount(n) > 0) box.include(glyph.point(n, 0, m));
  return box;
}

// One run on one glyph: the hint lists grow as stems and ghosts are found.
class Run {
 public:
  Run(Glyph& glyph, int m, const AutohintParameters& parameters)
      : glyph_(glyph), m_(m), parameters_(parameters) {}

  void findHints(std::span<const AlignmentZone> zones) {
    const Box box = endPointBox(glyph_, m_);
    std::vector<AlignmentZone> allZones(zones.begin(), zones.end());
    const int32_t bottomZone = static_cast<int32_t>(allZones.size());
    allZones.push_back({box.yMin, 1});
    allZones.push_back({box.yMax, -1});

    std::vector<ZoneContact> contacts;
    EdgeCollector collector(box, allZones, contacts);
    walk(box, bottomZone, collector, contacts);

    const std::vector<Edge> vertical = collector.edges(true, parameters_.minVLength);
    const std::vector<Edge> horizontal = collector.edges(false, parameters_.minHLength);
    const int32_t existing[2] = {count(false), count(true)};
    const int64_t room = 2 * static_cast<int64_t>(glyph_.nodeCount());
    for (int d = 0; d < 2; ++d)
      capacity_[d] =
          static_cast<std::size_t>(std::min<int64_t>(room + existing[d], kMaxAutohintHints));
    pair(vertical, true, {parameters_.minVWidth, parameters_.maxVWidth, parameters_.vRatio});
    pair(horizontal, false, {parameters_.minHWidth, parameters_.maxHWidth, parameters_.hRatio});
    addGhosts(contacts, allZones);

    if (glyph_.hints()) {
      glyph_.hints()->horizontal.shrink_to_fit();
      glyph_.hints()->vertical.shrink_to_fit();
    }
  }

 private:
  int32_t count(bool vertical) const {
    if (!glyph_.hints()) return 0;
    const GlyphHints& h = *glyph_.hints();
    return static_cast<int32_t>((vertical ? h.vertical : h.horizontal).size());
  }

  void walk(const Box& box, int32_t bottomZone, EdgeCollector& collector,
            std::vector<ZoneContact>& contacts) const {
    Point previous;
    int previousNode = -1;
    Point start;
    int startNode = -1;
    for (int n = 0; n < glyph_.nodeCount(); ++n) {
      if (glyph_.pointCount(n) == 0) continue;
      const Point p = glyph_.point(n, 0, m_);
      if (p.y == box.yMin) contacts.push_back({n, bottomZone, p.y});
      if (p.y == box.yMax) contacts.push_back({n, bottomZone + 1, p.y});
      switch (glyph_.type(n)) {
        case node_type::kLine:
          collector.collect(previous, p, PieceKind::kStraight, n);
          break;
        case node_type::kCurve:
          collector.collect(previous, glyph_.point(n, 1, m_), PieceKind::kStartTangent,
                            previousNode);
          collector.collect(glyph_.point(n, 2, m_), p, PieceKind::kEndTangent, n);
          break;
        case node_type::kMove:
          if (startNode >= 0) collector.collect(previous, start, PieceKind::kStraight, startNode);
          start = p;
          startNode = n;
          break;
        default:
          break;  // an off-curve point only leads the next piece
      }
      previous = p;
      previousNode = n;
    }
    if (startNode >= 0 && startNode < glyph_.nodeCount() - 1)
      collector.collect(previous, start, PieceKind::kStraight, startNode);
  }

  int16_t coordinate(int node, int master, bool vertical) const {
    const Point p = glyph_.point(node, 0, master);
    return vertical ? p.x : p.y;
  }

  void pair(const std::vector<Edge>& edges, bool vertical, const StemLimits& limits) {
    EdgePairing(edges, limits, !vertical).run([&](int i, int j) {
      const int from = edges[static_cast<std::size_t>(i)].node;
      const int to = edges[static_cast<std::size_t>(j)].node;
      Hint stem;
      for (int k = 0; k < glyph_.masterCount(); ++k) {
        const int16_t position = coordinate(from, k, vertical);
        const int32_t width = coordinate(to, k, vertical) - position;
        // Nodes far apart in another master may give a width no stem can hold.
        if (width < INT16_MIN || width > INT16_MAX) return;
        stem.masters.push_back({position, static_cast<int16_t>(width)});
      }
      add(vertical, std::move(stem));
    });
  }

  void addGhosts(const std::vector<ZoneContact>& contacts,
                 const std::vector<AlignmentZone>& zones) {
    for (const ZoneContact& contact : contacts) {
      const int32_t y = coordinate(contact.node, m_, false);
      if (glyph_.hints()) {
        const std::vector<Hint>& hints = glyph_.hints()->horizontal;
        const bool onEdge = std::any_of(hints.begin(), hints.end(), [&](const Hint& h) {
          const Stem& s = h.masters[static_cast<std::size_t>(m_)];
          return y == s.position || y == s.position + s.width;
        });
        if (onEdge) continue;
      }
      const int16_t width = zones[static_cast<std::size_t>(contact.zone)].bottom()
                                ? kBottomGhostWidth
                                : kTopGhostWidth;
      Hint ghost;
      for (int k = 0; k < glyph_.masterCount(); ++k)
        ghost.masters.push_back({coordinate(contact.node, k, false), width});
      add(false, std::move(ghost));
    }
  }

  void add(bool vertical, Hint hint) {
    if (!glyph_.hints()) {
      GlyphHints& fresh = glyph_.hints().emplace();
      fresh.horizontal.reserve(kInitialHintRoom);
      fresh.vertical.reserve(kInitialHintRoom);
    }
    std::vector<Hint>& list = vertical ? glyph_.hints()->vertical : glyph_.hints()->horizontal;
    if (findStem(list, hint) >= 0 || list.size() >= capacity_[vertical ? 1 : 0]) return;
    list.push_back(std::move(hint));
  }

  Glyph& glyph_;
  int m_;
  const AutohintParameters& parameters_;
  std::array<std::size_t, 2> capacity_{};  // horizontal, vertical
};

}  // namespace

AutohintStatus autohint(Glyph& glyph, int master, std::span<const AlignmentZone> zones,
                        const AutohintParameters& parameters) {
  if (zones.size() > kMaxAlignmentZones) return AutohintStatus::kTooManyZones;
  if (!glyph.empty() && glyph.type(0) != node_type::kMove) return AutohintStatus::kMalformedOutline;
  if (!parameters.removeHints) {
    const AutohintStatus status = checkHints(glyph);
    if (status != AutohintStatus::kOk) return status;
  }
  if (parameters.removeHints && glyph.hints()) {
    glyph.hints()->horizontal.clear();
    glyph.hints()->vertical.clear();
    glyph.hints()->replacement.clear();
  }
  if (glyph.empty()) return AutohintStatus::kOk;

  Run(glyph, std::clamp(master, 0, glyph.masterCount() - 1), parameters).findHints(zones);

  if (!glyph.hints()) return AutohintStatus::kOk;
  GlyphHints& hints = *glyph.hints();
  // A program whose sets are already free of conflicts stays as it is.
  if (hintSetsConflict(hints)) hints.replacement = buildReplacementProgram(glyph);
  return AutohintStatus::kOk;
}

}  // namespace sorvella
