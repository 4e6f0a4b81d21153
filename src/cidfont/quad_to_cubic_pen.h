// QuadToCubicPen: takes the points of a quadratic (TrueType) contour with their on-curve flags
// and passes the contour on as lines and cubic curves, merging runs of quadratic pieces into
// one cubic where it stays within a small distance of them.
#pragma once

#include <vector>

#include "glyph/geometry.h"
#include "glyph/outline_pen.h"

namespace sorvella {

class QuadToCubicPen {
 public:
  // A merged cubic must stay within this squared distance (font units) of the pieces.
  static constexpr double kClosenessLimit = 3.0;
  // Pending lists are shrunk back after a contour that grew them beyond this.
  static constexpr std::size_t kPendingKept = 256;

  explicit QuadToCubicPen(OutlinePen& out) : out_(out) {}

  void moveTo(Point p);
  void addPoint(Point p, bool onCurve);
  void closePath();

 private:
  void endRun(Point p);
  bool tryTwoPoints(Point p);
  bool tryTangents(Point p);
  bool tryFree(Point p);
  void exactPieces(Point p);
  // Whether the cubic from p0_ to p, stretch j of k between parameters j/k and (j+1)/k,
  // stays close to quadratic piece j of the pending run.
  bool closeToPieces(Point c1, Point c2, Point p) const;
  // Passes on the cubic from p0_ to p when it is close to the pending run.
  bool emitIfClose(Point c1, Point c2, Point p);

  OutlinePen& out_;
  Point start_;
  Point p0_;
  std::vector<Point> pending_;
};

}  // namespace sorvella
