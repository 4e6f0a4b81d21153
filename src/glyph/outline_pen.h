// OutlinePen: the callbacks through which outlines are walked (quadratic coordinates doubled);
// OutlineBuilder: the pen that appends what it receives to an outline.
#pragma once

#include "glyph/geometry.h"

namespace sorvella {

class Outline;

class OutlinePen {
 public:
  virtual ~OutlinePen() = default;
  virtual void begin() {}
  virtual void moveTo(Point) {}
  // start, control and end are doubled; endOnCurve is false where the end is the implied
  // midpoint between two off-curve points.
  virtual void quadTo(WidePoint /*start*/, WidePoint /*control*/, WidePoint /*end*/,
                      bool /*endOnCurve*/) {}
  virtual void curveTo(Point /*start*/, Point /*control1*/, Point /*control2*/, Point /*end*/) {}
  virtual void lineTo(Point) {}
  virtual void closePath() {}
  virtual void end() {}
};

class OutlineBuilder : public OutlinePen {
 public:
  static constexpr unsigned kReserveBytes = 4096;

  // Appends to `target`, which must have a master count of 1.
  explicit OutlineBuilder(Outline& target);

  void moveTo(Point p) override;
  void quadTo(WidePoint start, WidePoint control, WidePoint end, bool endOnCurve) override;
  void curveTo(Point start, Point control1, Point control2, Point end) override;
  void lineTo(Point p) override;
  void end() override;

 private:
  Outline& target_;
};

}  // namespace sorvella
