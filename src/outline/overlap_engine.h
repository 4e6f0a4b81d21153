// OverlapEngine: a pen that takes the contours of one master, cuts them where they cross and
// keeps the loops that bound the filled area, written out as exact pieces of the input curves.
#pragma once

#include <cstdint>
#include <memory>

#include "glyph/outline_pen.h"
#include "outline/overlap_status.h"

namespace sorvella {

struct OverlapWork;

struct OverlapLimits {
  // Far beyond any glyph; they bound what hostile outlines can make the engine allocate.
  static constexpr uint32_t kMaxEdges = (1u << 22) - 1;
  static constexpr uint32_t kMaxContours = 126322567;
  static constexpr uint64_t kWorkBudget = uint64_t{1} << 32;

  uint32_t maxEdges = kMaxEdges;
  uint32_t maxContours = kMaxContours;
  // Edge pair and containment tests one run may make.
  uint64_t workBudget = kWorkBudget;
};

// Feed it by enumerating an outline into it (one master), run it once, write the result once.
class OverlapEngine : public OutlinePen {
 public:
  explicit OverlapEngine(const OverlapLimits& limits = {});
  ~OverlapEngine() override;
  OverlapEngine(const OverlapEngine&) = delete;
  OverlapEngine& operator=(const OverlapEngine&) = delete;

  void begin() override;
  void moveTo(Point p) override;
  // Each quadratic piece is taken as its exact cubic.
  void quadTo(WidePoint start, WidePoint control, WidePoint end, bool endOnCurve) override;
  void curveTo(Point start, Point control1, Point control2, Point end) override;
  void lineTo(Point p) override;
  void closePath() override;
  void end() override;

  // Mode bits as in overlap_mode. After a failure nothing is written.
  OverlapStatus run(uint16_t mode);
  // The kept contours: move, line and curve calls, closePath after each, begin and end around.
  void writeResult(OutlinePen& pen) const;
  // Contours the last run kept.
  int keptContourCount() const;

  // Both operands must have been fed and not run. The result is left in a, b is emptied.
  // Each operand is first cleaned with `mode` (orientation correction forced on).
  friend OverlapStatus unite(OverlapEngine& a, OverlapEngine& b, uint16_t mode);
  friend OverlapStatus subtract(OverlapEngine& a, OverlapEngine& b, uint16_t mode);

 private:
  OverlapStatus combine(OverlapEngine& other, uint16_t mode, bool subtractOther);

  std::unique_ptr<OverlapWork> work_;
};

OverlapStatus unite(OverlapEngine& a, OverlapEngine& b, uint16_t mode);
OverlapStatus subtract(OverlapEngine& a, OverlapEngine& b, uint16_t mode);

}  // namespace sorvella
