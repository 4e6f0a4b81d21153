#include "outline/weight_outline.h"

#include <new>
#include <vector>

#include "base/rounding.h"
#include "glyph/outline_pen.h"
#include "outline/contour_connections.h"

namespace sorvella {

namespace {

struct Merged {
  Outline outline{1};
  OffsetOutcome outcome = OffsetOutcome::kMerged;
  OverlapStatus engineStatus = OverlapStatus::kOk;
};

// The offset contours merged with orientation correction, filling only positive winding so
// that strokes thinned away vanish; the raw offset contours when the engine fails.
Merged offsetAndMerge(const Glyph& glyph, const WeightParameters& p, const OverlapLimits& limits) {
  Merged merged;
  Outline raw = ContourOffsetter(p.h, p.v, joinModeFor(p)).offset(glyph, 0);
  OverlapEngine engine(limits);
  raw.enumerate(engine, 0);
  merged.engineStatus = engine.run(overlap_mode::kCorrectOrientation | overlap_mode::kPositiveFill);
  if (merged.engineStatus == OverlapStatus::kOk) {
    OutlineBuilder builder(merged.outline);
    engine.writeResult(builder);
  } else {
    merged.outline = std::move(raw);
    merged.outcome = OffsetOutcome::kRawOffset;
  }
  return merged;
}

// The glyph's contours each walked the other way, in reverse order.
Outline reversedOutline(const Glyph& glyph) {
  Glyph copy(glyph);
  std::vector<int> starts;
  for (int s = 0; s < copy.nodeCount(); s = copy.contourEnd(s) + 1) {
    copy.reverseContour(s);
    starts.push_back(s);
  }
  Outline reversed(1);
  for (auto it = starts.rbegin(); it != starts.rend(); ++it)
    reversed.appendNodes(copy, *it, copy.contourEnd(*it) - *it + 1);
  return reversed;
}

// Twice the filled area, positive when the outer contours run counter-clockwise; curves are
// taken as a few chords, which is plenty for the sign.
class SignedAreaPen : public OutlinePen {
 public:
  double twiceArea = 0;
  void moveTo(Point p) override { start_ = current_ = {double(p.x), double(p.y)}; }
  void lineTo(Point p) override { to(p.x, p.y); }
  void curveTo(Point s, Point c1, Point c2, Point e) override {
    for (int i = 1; i <= kSteps; ++i) {
      const double t = double(i) / kSteps, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      to(a * s.x + b * c1.x + c * c2.x + d * e.x, a * s.y + b * c1.y + c * c2.y + d * e.y);
    }
  }
  void quadTo(WidePoint s, WidePoint c, WidePoint e, bool) override {
    for (int i = 1; i <= kSteps; ++i) {
      const double t = double(i) / kSteps, u = 1 - t;
      to((u * u * s.x + 2 * u * t * c.x + t * t * e.x) / 2,
         (u * u * s.y + 2 * u * t * c.y + t * t * e.y) / 2);
    }
  }
  void closePath() override { to(start_.x, start_.y); }

 private:
  static constexpr int kSteps = 8;
  struct XY {
    double x = 0, y = 0;
  };
  void to(double x, double y) {
    twiceArea += current_.x * y - x * current_.y;
    current_ = {x, y};
  }
  XY start_, current_;
};

// The glyph with counter-clockwise outer contours, which the offsetter takes as outward:
// outlines drawn the other way round (as TrueType draws them) are reversed.
Glyph orientedForOffset(const Glyph& glyph) {
  SignedAreaPen area;
  glyph.enumerate(area, 0);
  Glyph oriented(glyph);
  if (area.twiceArea < 0) oriented.replaceNodes(0, oriented.nodeCount(), reversedOutline(glyph));
  return oriented;
}

// Moves by (h, v) and scales about the old box's lower left corner by the old size over the
// grown one, so that the result fills the old box.
void keepDimensions(Outline& outline, const Box& before, const WeightParameters& p) {
  const double w = double(before.xMax) - before.xMin, hb = double(before.yMax) - before.yMin;
  const double grownW = w + 2.0 * p.h, grownH = hb + 2.0 * p.v;
  // A glyph thinned past nothing would be mirrored; it keeps its size instead.
  const double fx = grownW > 0 ? w / grownW : 1.0;
  const double fy = grownH > 0 ? hb / grownH : 1.0;
  for (int i = 0; i < outline.nodeCount(); ++i)
    for (int k = 0; k < outline.pointCount(i); ++k) {
      const Point q = outline.point(i, k, 0);
      const double x = before.xMin + (double(q.x) + p.h - before.xMin) * fx;
      const double y = before.yMin + (double(q.y) + p.v - before.yMin) * fy;
      outline.setPoint(i, k, 0, {roundToInt16(x), roundToInt16(y)});
    }
}

template <typename Build>
OffsetResult offsetGlyph(Glyph& glyph, const WeightParameters& p, const OverlapLimits& limits,
                         Build build) {
  OffsetResult result;
  if (glyph.empty()) return result;
  if (glyph.masterCount() != 1) {
    result.outcome = OffsetOutcome::kSeveralMasters;
    return result;
  }
  Box before;
  glyph.widenControlBox(0, before);
  Outline outline(1);
  try {
    const Glyph oriented = orientedForOffset(glyph);
    Merged merged = offsetAndMerge(oriented, p, limits);
    result.outcome = merged.outcome;
    result.engineStatus = merged.engineStatus;
    outline = build(oriented, std::move(merged.outline));
  } catch (const std::bad_alloc&) {
    result.outcome = OffsetOutcome::kOutOfMemory;
    return result;
  }
  recomputeConnections(outline, 0);
  if (p.saveDimensions) keepDimensions(outline, before, p);
  if (glyph.hints()) glyph.hints()->replacement.clear();
  if (outline.empty()) {
    glyph.clearNodes();
  } else if (!glyph.replaceNodes(0, glyph.nodeCount(), outline)) {
    result.outcome = OffsetOutcome::kOutOfMemory;
  }
  return result;
}

}  // namespace

JoinMode joinModeFor(const WeightParameters& p) {
  if (p.h <= 0 || p.v <= 0 || !p.roundedCorners) return JoinMode::kMiterOrSquare;
  return JoinMode::kRound;
}

OffsetResult changeWeight(Glyph& glyph, const WeightParameters& parameters,
                          const OverlapLimits& limits) {
  return offsetGlyph(glyph, parameters, limits,
                     [](const Glyph&, Outline merged) { return merged; });
}

OffsetResult createOutline(Glyph& glyph, const WeightParameters& parameters,
                           const OverlapLimits& limits) {
  return offsetGlyph(glyph, parameters, limits, [](const Glyph& g, Outline merged) {
    Outline band = reversedOutline(g);
    band.appendNodes(merged, 0, merged.nodeCount());
    return band;
  });
}

}  // namespace sorvella
