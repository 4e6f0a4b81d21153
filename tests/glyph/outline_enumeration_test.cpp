// Walking outlines through a pen: cubic and quadratic segments, implied midpoints, and the order
// of begin/moveTo/closePath/end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "glyph/glyph_printers.h"
#include "glyph/outline.h"
#include "glyph/outline_pen.h"

namespace sorvella {
namespace {

std::string text(Point p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}
std::string text(WidePoint p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

// Writes every call as one line of text, quadratic coordinates as received (doubled).
class RecordingPen : public OutlinePen {
 public:
  void begin() override { calls.push_back("begin"); }
  void moveTo(Point p) override { calls.push_back("move " + text(p)); }
  void quadTo(WidePoint s, WidePoint c, WidePoint e, bool onCurve) override {
    calls.push_back("quad " + text(s) + " " + text(c) + " " + text(e) + (onCurve ? " on" : " mid"));
  }
  void curveTo(Point s, Point c1, Point c2, Point e) override {
    calls.push_back("curve " + text(s) + " " + text(c1) + " " + text(c2) + " " + text(e));
  }
  void lineTo(Point p) override { calls.push_back("line " + text(p)); }
  void closePath() override { calls.push_back("close"); }
  void end() override { calls.push_back("end"); }

  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

Outline outlineOf(std::initializer_list<Node> nodes) {
  Outline o;
  for (const Node& n : nodes) o.appendNode(n);
  return o;
}

TEST(OutlineEnumeration, CallsForEachOutline) {
  const struct {
    Outline outline;
    Calls calls;
  } cases[] = {
      // A curve starts at the previous end point, its controls in order.
      {outlineOf({Node::move({0, 0}), Node::curve({100, 0}, {10, 50}, {90, 50}),
                  Node::line({100, -100}), Node::move({300, 300}), Node::line({400, 300})}),
       {"begin", "move 0,0", "curve 0,0 10,50 90,50 100,0", "line 100,-100", "close",
        "move 300,300", "line 400,300", "close", "end"}},
      {Outline(), {"begin", "end"}},
      // Quadratic coordinates are doubled, so that the midpoint of consecutive off-curve
      // points, (50.5, 101) here, is exact.
      {outlineOf({Node::move({0, 0}), Node::offCurve({50, 100}), Node::line({100, 0})}),
       {"begin", "move 0,0", "quad 0,0 100,200 200,0 on", "close", "end"}},
      {outlineOf({Node::move({0, 0}), Node::offCurve({0, 101}), Node::offCurve({101, 101}),
                  Node::line({101, 0})}),
       {"begin", "move 0,0", "quad 0,0 0,202 101,202 mid", "quad 101,202 202,202 202,0 on", "close",
        "end"}},
      // Trailing off-curve points close towards the move point, before the next contour.
      {outlineOf({Node::move({0, 0}), Node::offCurve({100, 0}), Node::offCurve({100, 100})}),
       {"begin", "move 0,0", "quad 0,0 200,0 200,100 mid", "quad 200,100 200,200 0,0 on", "close",
        "end"}},
      {outlineOf({Node::move({10, 10}), Node::line({60, 10}), Node::offCurve({60, 60}),
                  Node::move({-5, -5}), Node::line({-5, 5})}),
       {"begin", "move 10,10", "line 60,10", "quad 120,20 120,120 20,20 on", "close", "move -5,-5",
        "line -5,5", "close", "end"}},
  };
  for (const auto& c : cases) {
    RecordingPen pen;
    c.outline.enumerate(pen);
    EXPECT_EQ(pen.calls, c.calls);
  }
}

}  // namespace
}  // namespace sorvella
