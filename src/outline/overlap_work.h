// The overlap engine's working state, shared by its steps: source segments, edges with integer
// end points linked into contours, the traced loops and what the selection decided for them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "glyph/outline_pen.h"
#include "outline/overlap_engine.h"
#include "outline/overlap_status.h"

namespace sorvella {

inline constexpr uint32_t kNoEdge = UINT32_MAX;

// Source coordinates are kept in sixths of a unit, so that quadratic pieces turn into cubics
// exactly and every curve can be flattened with integers alone.
inline constexpr int64_t kSourceScale = 6;

struct SourcePoint {
  int64_t x = 0;
  int64_t y = 0;
};

// A line (points 0 and 3) or a cubic curve, as received.
struct SourceSegment {
  std::array<SourcePoint, 4> p;
  bool curve = false;
};

struct EdgePoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const EdgePoint&, const EdgePoint&) = default;
};

// x, then y: the order in which the sweep meets points. Fits 32 bits for 16-bit coordinates.
inline uint64_t pointKey(EdgePoint p) {
  return (static_cast<uint64_t>(p.x + 32768) << 16) | static_cast<uint64_t>(p.y + 32768);
}

// A straight piece of a source segment between integer points, in contour direction; t0 and
// t1 are the segment parameters at a and b.
struct OverlapEdge {
  EdgePoint a, b;
  double t0 = 0;
  double t1 = 1;
  uint32_t segment = 0;
  uint32_t next = kNoEdge;
  uint32_t stamp = 0;  // the intersection pass that made or last cut it
};

namespace contour_flag {
constexpr uint8_t kZeroArea = 1;
constexpr uint8_t kNegative = 2;
constexpr uint8_t kReversed = 4;
constexpr uint8_t kRemoved = 8;
}  // namespace contour_flag

struct OverlapContour {
  uint32_t first = 0;  // in OverlapWork::loopEdges
  uint32_t count = 0;
  int64_t area = 0;  // doubled, absolute
  int32_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  uint32_t lowest = 0;  // position in the loop of the edge leaving the lowest-key vertex
  uint64_t lowestKey = 0;
  int32_t parent = -1;
  int32_t winding = 0;  // the fill (0 or 1) in ATM fill mode
  uint8_t flags = 0;

  bool has(uint8_t flag) const { return (flags & flag) != 0; }
  bool kept() const { return !has(contour_flag::kRemoved); }
};

// Thrown inside a run and turned into its result code at the engine's boundary.
struct OverlapFailure {
  OverlapStatus status;
};

struct OverlapWork {
  explicit OverlapWork(const OverlapLimits& l) : limits(l) {}

  OverlapLimits limits;
  uint64_t work = 0;
  OverlapStatus failure = OverlapStatus::kOk;  // a failure met while fed
  bool ran = false;
  bool succeeded = false;

  // Pen state.
  bool open = false;
  SourcePoint current, start;          // exact, in sixths
  EdgePoint currentPoint, startPoint;  // where the last edge ended, where the contour began
  uint32_t contourFirst = kNoEdge;
  uint32_t contourLast = kNoEdge;

  std::vector<SourceSegment> segments;  // freed as a whole with the engine
  std::vector<OverlapEdge> edges;
  std::vector<uint32_t> cycles;     // one edge of every closed contour of edges
  bool cut = false;                 // some edge was split
  bool touching = false;            // edges meet other than end to start
  std::vector<uint64_t> junctions;  // keys of the points where more than two edges may meet

  std::vector<uint32_t> loopEdges;
  std::vector<OverlapContour> contours;

  void spend(uint64_t steps) {
    work += steps;
    if (work > limits.workBudget) throw OverlapFailure{OverlapStatus::kTooComplex};
  }
  uint32_t addEdge(const OverlapEdge& edge) {
    if (edges.size() >= limits.maxEdges) throw OverlapFailure{OverlapStatus::kTableLimit};
    edges.push_back(edge);
    return static_cast<uint32_t>(edges.size() - 1);
  }
};

// The steps of a run, in order. Each throws OverlapFailure or std::bad_alloc.
// Appends the edges of a received segment (already stored at `segment`) to the open contour.
void flattenSegment(OverlapWork& w, uint32_t segment);
// Splits edges until none cross, overlap or end inside another.
void intersectEdges(OverlapWork& w);
// Links every edge to the next one of a non-crossing loop and records the loops as contours.
void traceLoops(OverlapWork& w);
// Areas, nesting, which contours stay and which are reversed.
void selectContours(OverlapWork& w, uint16_t mode);
// Writes the kept contours.
void writeContours(const OverlapWork& w, OutlinePen& pen);

// Even-odd test of a point against one contour.
bool contourContains(OverlapWork& w, const OverlapContour& c, double x, double y);

}  // namespace sorvella
