#include "outline/autohint_edges.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/rounding.h"

namespace sorvella::autohint_detail {

namespace {

constexpr int kGridCells = 256;
constexpr double kMaxGridScale = 7.0;
constexpr double kNearAxis = 0.1;       // largest off-axis share of a piece's direction
constexpr double kTangentLength = 1.3;  // a tangent leg stands for this much of the curve

void coverCells(std::array<uint64_t, 4>& set, int first, int last) {
  for (int c = first + 1; c < last; ++c) set[c >> 6] |= uint64_t{1} << (c & 63);
}

int32_t lengthened(int32_t delta) {
  return roundToInt32(static_cast<double>(delta) * kTangentLength);
}

}  // namespace

bool compatible(const Edge& a, const Edge& b) {
  if (a.direction() == b.direction()) return false;
  for (std::size_t k = 0; k < a.coverage.size(); ++k)
    if (a.coverage[k] & b.coverage[k]) return true;
  return false;
}

EdgeCollector::GridAxis EdgeCollector::axis(int16_t min, int16_t max) {
  const int32_t extent = static_cast<int32_t>(max) - min;
  GridAxis a;
  a.scale = extent == 0 ? kMaxGridScale
                        : std::min(kGridCells / static_cast<double>(extent), kMaxGridScale);
  a.offset = -roundToInt32(min * a.scale);
  return a;
}

int EdgeCollector::GridAxis::cell(int32_t v) const {
  const int64_t c = static_cast<int64_t>(roundToInt32(v * scale)) + offset;
  return static_cast<int>(std::clamp<int64_t>(c, 0, kGridCells - 1));
}

EdgeCollector::EdgeCollector(const Box& box, std::span<const AlignmentZone> zones,
                             std::vector<ZoneContact>& contacts)
    : x_(axis(box.xMin, box.xMax)),
      y_(axis(box.yMin, box.yMax)),
      zones_(zones),
      contacts_(contacts) {}

void EdgeCollector::collect(Point p, Point q, PieceKind kind, int32_t node) {
  if (p == q) return;
  const int32_t dx = q.x - p.x;
  const int32_t dy = q.y - p.y;
  const double size = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
  const double ux = dx / size;
  const double uy = dy / size;
  bool vertical;
  if (std::abs(ux) < kNearAxis && uy != 0)
    vertical = true;
  else if (std::abs(uy) < kNearAxis && ux != 0)
    vertical = false;
  else
    return;

  // Along the piece and across it: y and x for a vertical piece, x and y for a horizontal one.
  int32_t pAlong = vertical ? p.y : p.x;
  int32_t qAlong = vertical ? q.y : q.x;
  const int32_t pAcross = vertical ? p.x : p.y;
  const int32_t qAcross = vertical ? q.x : q.y;
  Piece piece;
  piece.node = node;
  switch (kind) {
    case PieceKind::kStraight:
      piece.position = (pAcross + qAcross) / 2;
      break;
    case PieceKind::kStartTangent:
      piece.position = pAcross;
      qAlong = pAlong + lengthened(qAlong - pAlong);
      break;
    case PieceKind::kEndTangent:
      piece.position = qAcross;
      pAlong = qAlong - lengthened(qAlong - pAlong);
      break;
  }
  piece.length = static_cast<int64_t>(qAlong) - pAlong;
  const GridAxis& grid = vertical ? y_ : x_;
  int a = grid.cell(pAlong);
  int b = grid.cell(qAlong);
  if (a > b) std::swap(a, b);
  piece.firstCell = static_cast<int16_t>(a);
  piece.lastCell = static_cast<int16_t>(b);
  (vertical ? vertical_ : horizontal_).push_back(piece);

  if (!vertical && dy == 0) {
    for (std::size_t z = 0; z < zones_.size(); ++z) {
      if (zones_[z].contains(piece.position)) {
        contacts_.push_back({node, static_cast<int32_t>(z), piece.position});
        break;
      }
    }
  }
}

std::vector<Edge> EdgeCollector::edges(bool vertical, int64_t minLength) const {
  const std::vector<Piece>& pieces = vertical ? vertical_ : horizontal_;
  // Pieces of one position and direction form one edge; sorting them by both (in their own
  // order within) groups them and leaves the edges ordered by position.
  std::vector<uint32_t> order(pieces.size());
  for (uint32_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    const Piece& pa = pieces[a];
    const Piece& pb = pieces[b];
    if (pa.position != pb.position) return pa.position < pb.position;
    return (pa.length > 0) < (pb.length > 0);
  });
  std::vector<Edge> edges;
  for (std::size_t k = 0; k < order.size();) {
    const Piece& first = pieces[order[k]];
    Edge edge;
    edge.position = first.position;
    std::size_t end = k;
    for (; end < order.size(); ++end) {
      const Piece& piece = pieces[order[end]];
      if (piece.position != first.position || (piece.length > 0) != (first.length > 0)) break;
      coverCells(edge.coverage, piece.firstCell, piece.lastCell);
      edge.length += piece.length;
      edge.node = piece.node;
    }
    k = end;
    if (std::llabs(edge.length) >= minLength) edges.push_back(edge);
  }
  return edges;
}

EdgePairing::Check EdgePairing::check(int a, int b) const {
  const Edge& ea = edges_[static_cast<std::size_t>(a)];
  const Edge& eb = edges_[static_cast<std::size_t>(b)];
  const int64_t d = std::llabs(static_cast<int64_t>(ea.position) - eb.position);
  const int64_t length = std::max(std::llabs(ea.length), std::llabs(eb.length));
  if (d > limits_.maxWidth) return Check::kTooWide;
  if (d < limits_.minWidth) return Check::kTooNarrow;
  return static_cast<double>(d / length) <= limits_.ratio ? Check::kAccept : Check::kTooWide;
}

int EdgePairing::nextPartner(int a, int k) const {
  if (a < 0 || a >= count_ || k < 0 || k + 1 >= count_) return -1;
  const Edge& edge = edges_[static_cast<std::size_t>(a)];
  for (int j = k + 1; j < count_; ++j)
    if (compatible(edge, edges_[static_cast<std::size_t>(j)])) return j;
  return -1;
}

int EdgePairing::previousPartner(int a, int k) const {
  if (a < 0 || a >= count_ || k < 1 || k > count_ - 1) return -1;
  const Edge& edge = edges_[static_cast<std::size_t>(a)];
  for (int j = k - 1; j >= 0; --j)
    if (compatible(edge, edges_[static_cast<std::size_t>(j)])) return j;
  return -1;
}

int EdgePairing::nextSameDirection(int i) const {
  const int direction = edges_[static_cast<std::size_t>(i)].direction();
  for (int k = i + 1; k < count_; ++k)
    if (edges_[static_cast<std::size_t>(k)].direction() == direction) return k;
  return count_;
}

int EdgePairing::previousSameDirection(int i) const {
  const int direction = edges_[static_cast<std::size_t>(i)].direction();
  for (int k = i - 1; k >= 0; --k)
    if (edges_[static_cast<std::size_t>(k)].direction() == direction) return k;
  return -1;
}

}  // namespace sorvella::autohint_detail
