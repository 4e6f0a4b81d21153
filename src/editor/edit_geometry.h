// The Edit tool's geometry: what a press grabs (hit testing) and how dragging an end point,
// a control point or a segment moves the points while the joints keep their connections.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "glyph/glyph.h"

namespace sorvella {

// What a press grabbed of a node.
enum class GrabPart : int32_t {
  kEndPoint = 0,
  kFirstControl = 1,   // point 1 of a curve node
  kSecondControl = 2,  // point 2 of a curve node
  kSegment = 3,        // the segment ending at the node
};

// Pointer positions in font units of the shown master.
struct PointerPosition {
  double x = 0;
  double y = 0;
};

struct HitTestView {
  int master = 0;
  bool nodesShown = true;
  bool controlVectorsShown = false;
  bool testPoints = true;
  bool testSegments = true;
};

struct Grab {
  int node = -1;
  GrabPart part = GrabPart::kEndPoint;
  double t = 1.0;  // 1.0 for a point
  friend bool operator==(const Grab&, const Grab&) = default;
};

inline constexpr double kHitTolerance = 3.0;
inline constexpr int kCurveTestSteps = 40;

// The first element within 3 font units of the pointer, or none.
std::optional<Grab> hitTest(const Glyph& glyph, const HitTestView& view, PointerPosition pointer);

// The drag of one grabbed element: begin keeps the starting points, every dragTo sets the
// points afresh from them.
class EditDrag {
 public:
  enum class Rule {
    kEndPoint,
    kFirstControl,
    kSecondControl,
    kStraightSegment,
    kCurveEnd,
    kCurveReshape,
  };

  // False (and no drag) when the node or part does not exist in the glyph.
  bool begin(const Glyph& glyph, int master, Grab grab, PointerPosition grabPosition);
  bool active() const { return active_; }
  Rule rule() const { return rule_; }
  // Moves the points for pointer p and returns the nodes whose drawing changed.
  std::vector<int> dragTo(Glyph& glyph, PointerPosition p);
  void end() { active_ = false; }

 private:
  Point start(int node, int k) const { return start_.point(node, k, master_); }
  void dragEndPoint(Glyph& glyph, int node, PointerPosition p, std::vector<int>& changed) const;
  void dragFirstControl(Glyph& glyph, PointerPosition p, std::vector<int>& changed) const;
  void dragSecondControl(Glyph& glyph, PointerPosition p, std::vector<int>& changed) const;
  void reshapeCurve(Glyph& glyph, PointerPosition p, std::vector<int>& changed) const;
  void prepareReshape();

  bool active_ = false;
  Rule rule_ = Rule::kEndPoint;
  int master_ = 0;
  int node_ = -1;
  int endNode_ = -1;  // the node whose end point a segment drag moves
  double t_ = 1.0;
  PointerPosition grab_;
  double factor_ = 1.0;
  PointerPosition offset_;  // curve-end drag: starting point minus grab position
  Outline start_;           // the outline when the drag began

  // Curve reshape.
  enum class Joint { kFree, kConfined, kMirrored };
  Joint joint0_ = Joint::kFree, joint3_ = Joint::kFree;
  double u1x_ = 0, u1y_ = 0, u2x_ = 0, u2y_ = 0;
  double c1x_ = 0, c1y_ = 0, c2x_ = 0, c2y_ = 0;  // starting control points (projected)
  double cross_ = 0;                              // u1 x u2
  double mirrorLength0_ = 0, mirrorLength3_ = 0;
};

// Moves the end point of `node` to `to` with the end-point drag rules (Snap uses this).
void moveEndPoint(Glyph& glyph, int master, int node, Point to);

}  // namespace sorvella
