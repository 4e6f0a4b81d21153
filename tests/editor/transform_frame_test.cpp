// The Transform tool's frame: its box, what a press grabs in each mode, and the scale,
// rotation, slant and move that a drag of each handle applies to the selection.
#include "editor/transform_frame.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

Point pt(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

class TransformFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A 200 x 100 rectangle, all selected, beside an unselected one.
    outline_ = Outline(1);
    for (Point p : {pt(0, 0), pt(0, 100), pt(200, 100), pt(200, 0)})
      outline_.appendNode(outline_.empty() ? Node::move(p) : Node::line(p));
    outline_.selectAll();
    outline_.appendNode(Node::move(pt(500, 500)));
    outline_.appendNode(Node::line(pt(600, 500)));
    outline_.appendNode(Node::line(pt(600, 600)));
    frame_ = TransformFrame::around(outline_, 0);
    ASSERT_TRUE(frame_);
  }
  // Drags a handle and applies the result to the selection.
  void drag(FrameHandle h, FrameMode mode, PointerPosition from, PointerPosition to) {
    transformSelection(outline_, 0, frame_->transformFor(h, mode, from, to));
  }
  Outline outline_{1};
  std::optional<TransformFrame> frame_;
};

TEST_F(TransformFrameTest, FrameSpansTheSelectionWithItsAttachedControls) {
  EXPECT_EQ(frame_->box(), (Box{0, 0, 200, 100}));
  Outline curve(1);
  curve.appendNode(Node::move(pt(0, 0)));
  curve.appendNode(Node::curve(pt(100, 0), pt(-30, 50), pt(100, 140)));
  curve.setSelected(0, true);  // takes the curve's first control point along
  EXPECT_EQ(TransformFrame::around(curve, 0)->box(), (Box{-30, 0, 0, 50}));
  curve.deselectAll();
  EXPECT_FALSE(TransformFrame::around(curve, 0));
}

TEST_F(TransformFrameTest, PressGrabsHandlesThenTheInsideAndSidesRotateNothing) {
  EXPECT_EQ(frame_->hit({203, 97}, 3, FrameMode::kScale), FrameHandle::kTopRight);
  EXPECT_EQ(frame_->hit({100, -2}, 3, FrameMode::kScale), FrameHandle::kBottom);
  EXPECT_EQ(frame_->hit({1, 50}, 3, FrameMode::kScale), FrameHandle::kLeft);
  EXPECT_EQ(frame_->hit({1, 50}, 3, FrameMode::kRotate), FrameHandle::kInside);
  EXPECT_EQ(frame_->hit({60, 30}, 3, FrameMode::kScale), FrameHandle::kInside);
  EXPECT_FALSE(frame_->hit({204, 50}, 3, FrameMode::kScale));
}

TEST_F(TransformFrameTest, CornerScalesAboutTheOppositeCornerAndSideAlongOneAxis) {
  drag(FrameHandle::kTopRight, FrameMode::kScale, {200, 100}, {300, 150});
  EXPECT_EQ(outline_.point(2), pt(300, 150));
  EXPECT_EQ(outline_.point(0), pt(0, 0));
  EXPECT_EQ(outline_.point(1), pt(0, 150));
  EXPECT_EQ(outline_.point(4), pt(500, 500));  // not selected
  frame_ = TransformFrame::around(outline_, 0);
  drag(FrameHandle::kLeft, FrameMode::kScale, {0, 75}, {150, 80});
  EXPECT_EQ(outline_.point(0), pt(150, 0));
  EXPECT_EQ(outline_.point(2), pt(300, 150));
}

TEST_F(TransformFrameTest, CornerRotatesAboutTheCentreAndTopSlantsOverTheBottom) {
  // A quarter turn: the top right corner goes where the pointer went.
  drag(FrameHandle::kTopRight, FrameMode::kRotate, {200, 100}, {50, 150});
  EXPECT_EQ(outline_.point(2), pt(50, 150));
  EXPECT_EQ(outline_.point(3), pt(150, 150));
  SetUp();
  drag(FrameHandle::kTop, FrameMode::kRotate, {100, 100}, {150, 100});
  EXPECT_EQ(outline_.point(1), pt(50, 100));
  EXPECT_EQ(outline_.point(0), pt(0, 0));
  SetUp();
  drag(FrameHandle::kInside, FrameMode::kRotate, {50, 50}, {60.6, 39.4});
  EXPECT_EQ(outline_.point(2), pt(211, 89));
}

}  // namespace
}  // namespace sorvella
