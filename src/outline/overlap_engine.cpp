#include "outline/overlap_engine.h"

#include <algorithm>
#include <new>
#include <utility>

#include "outline/overlap_work.h"

namespace sorvella {

namespace {

SourcePoint source(Point p) {
  return {p.x * kSourceScale, p.y * kSourceScale};
}

// Doubled coordinates are halves; a sixth is a third of that.
SourcePoint sourceFromDoubled(WidePoint p) {
  return {p.x * (kSourceScale / 2), p.y * (kSourceScale / 2)};
}

// Runs one step of feeding or running and keeps the first failure.
template <typename Step>
OverlapStatus guarded(OverlapWork& w, Step step) {
  if (w.failure != OverlapStatus::kOk) return w.failure;
  try {
    step();
  } catch (const OverlapFailure& failure) {
    w.failure = failure.status;
  } catch (const std::bad_alloc&) {
    w.failure = OverlapStatus::kOutOfMemory;
  }
  return w.failure;
}

void addSegment(OverlapWork& w, const SourceSegment& segment) {
  w.segments.push_back(segment);
  flattenSegment(w, static_cast<uint32_t>(w.segments.size() - 1));
  w.current = segment.p[3];
}

void closeContour(OverlapWork& w) {
  if (!w.open) return;
  if (w.current.x != w.start.x || w.current.y != w.start.y)
    addSegment(w, {{w.current, w.current, w.start, w.start}, false});
  w.open = false;
  if (w.contourFirst == kNoEdge) return;
  w.edges[w.contourLast].next = w.contourFirst;
  w.cycles.push_back(w.contourFirst);
  w.contourFirst = w.contourLast = kNoEdge;
}

void runSteps(OverlapWork& w, uint16_t mode) {
  intersectEdges(w);
  traceLoops(w);
  selectContours(w, mode);
}

// The kept contours' edges as new closed contours, in the direction they are to have.
void appendKeptEdges(const OverlapWork& from, uint32_t segmentOffset,
                     std::vector<OverlapEdge>& edges, std::vector<uint32_t>& cycles,
                     uint32_t maxEdges) {
  for (const OverlapContour& c : from.contours) {
    if (!c.kept()) continue;
    const bool reversed = c.has(contour_flag::kReversed);
    const uint32_t first = static_cast<uint32_t>(edges.size());
    for (uint32_t i = 0; i < c.count; ++i) {
      uint32_t k = reversed ? c.count - 1 - i : i;
      OverlapEdge e = from.edges[from.loopEdges[c.first + k]];
      if (reversed) {
        std::swap(e.a, e.b);
        std::swap(e.t0, e.t1);
      }
      e.segment += segmentOffset;
      e.stamp = 0;
      e.next = static_cast<uint32_t>(edges.size() + 1);
      if (edges.size() >= maxEdges) throw OverlapFailure{OverlapStatus::kTableLimit};
      edges.push_back(e);
    }
    edges.back().next = first;
    cycles.push_back(first);
  }
}

}  // namespace

OverlapEngine::OverlapEngine(const OverlapLimits& limits)
    : work_(std::make_unique<OverlapWork>(limits)) {
  // Vertices pack edge numbers into kMaxEdges' bits.
  work_->limits.maxEdges = std::min(limits.maxEdges, OverlapLimits::kMaxEdges);
}

OverlapEngine::~OverlapEngine() = default;

void OverlapEngine::begin() {}

void OverlapEngine::moveTo(Point p) {
  OverlapWork& w = *work_;
  guarded(w, [&] {
    closeContour(w);
    w.open = true;
    w.current = w.start = source(p);
    w.currentPoint = w.startPoint = {p.x, p.y};
  });
}

void OverlapEngine::lineTo(Point p) {
  OverlapWork& w = *work_;
  if (!w.open) return;
  guarded(w, [&] { addSegment(w, {{w.current, w.current, source(p), source(p)}, false}); });
}

void OverlapEngine::curveTo(Point start, Point control1, Point control2, Point end) {
  OverlapWork& w = *work_;
  if (!w.open) return;
  guarded(w, [&] {
    addSegment(w, {{source(start), source(control1), source(control2), source(end)}, true});
  });
}

void OverlapEngine::quadTo(WidePoint start, WidePoint control, WidePoint end, bool) {
  OverlapWork& w = *work_;
  if (!w.open) return;
  // The cubic with the same curve: its controls lie 2/3 of the way from each end to the
  // quadratic control, (s + 2c) / 3 and (e + 2c) / 3, which are whole sixths.
  SourcePoint c1{start.x + 2 * control.x, start.y + 2 * control.y};
  SourcePoint c2{end.x + 2 * control.x, end.y + 2 * control.y};
  guarded(w, [&] {
    addSegment(w, {{sourceFromDoubled(start), c1, c2, sourceFromDoubled(end)}, true});
  });
}

void OverlapEngine::closePath() {
  OverlapWork& w = *work_;
  guarded(w, [&] { closeContour(w); });
}

void OverlapEngine::end() {
  closePath();
}

OverlapStatus OverlapEngine::run(uint16_t mode) {
  OverlapWork& w = *work_;
  end();
  w.ran = true;
  OverlapStatus status = guarded(w, [&] { runSteps(w, mode); });
  w.succeeded = status == OverlapStatus::kOk;
  return status;
}

void OverlapEngine::writeResult(OutlinePen& pen) const {
  if (work_->succeeded) writeContours(*work_, pen);
}

int OverlapEngine::keptContourCount() const {
  if (!work_->succeeded) return 0;
  int kept = 0;
  for (const OverlapContour& c : work_->contours) kept += c.kept() ? 1 : 0;
  return kept;
}

OverlapStatus OverlapEngine::combine(OverlapEngine& other, uint16_t mode, bool subtractOther) {
  OverlapWork& a = *work_;
  OverlapWork& b = *other.work_;
  end();
  other.end();
  a.ran = b.ran = true;
  const uint16_t cleaning = mode | overlap_mode::kCorrectOrientation;
  OverlapStatus status = guarded(a, [&] {
    runSteps(a, cleaning);
    if (OverlapStatus s = guarded(b, [&] { runSteps(b, cleaning); }); s != OverlapStatus::kOk)
      throw OverlapFailure{s};
    if (subtractOther)
      for (OverlapContour& c : b.contours) c.flags ^= contour_flag::kReversed;

    std::vector<OverlapEdge> edges;
    std::vector<uint32_t> cycles;
    appendKeptEdges(a, 0, edges, cycles, a.limits.maxEdges);
    appendKeptEdges(b, static_cast<uint32_t>(a.segments.size()), edges, cycles, a.limits.maxEdges);
    a.segments.insert(a.segments.end(), b.segments.begin(), b.segments.end());
    a.edges = std::move(edges);
    a.cycles = std::move(cycles);
    a.loopEdges.clear();
    a.contours.clear();
    a.cut = a.touching = false;
    b = OverlapWork(b.limits);
    b.ran = true;

    runSteps(a, 0);
    if (subtractOther) {
      // Covered by the second operand alone (-1) or by neither (0) after the reversal.
      for (OverlapContour& c : a.contours) {
        int32_t parentWinding = c.parent < 0 ? 0 : a.contours[c.parent].winding;
        if (c.winding <= 0 && parentWinding <= 0) c.flags |= contour_flag::kRemoved;
      }
    }
  });
  a.succeeded = status == OverlapStatus::kOk;
  return status;
}

OverlapStatus unite(OverlapEngine& a, OverlapEngine& b, uint16_t mode) {
  return a.combine(b, mode, false);
}

OverlapStatus subtract(OverlapEngine& a, OverlapEngine& b, uint16_t mode) {
  return a.combine(b, mode, true);
}

}  // namespace sorvella
