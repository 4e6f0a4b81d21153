// The packed node buffer: access outside the nodes, and the edits the readers make. Its layout
// is checked through the bytes of outline records and every glyph the readers build.
#include "glyph/outline.h"

#include <gtest/gtest.h>

#include "glyph/glyph_printers.h"
#include "glyph/node.h"

namespace sorvella {
namespace {

Outline linesOutline(int lines) {
  Outline o;
  o.appendNode(Node::move({0, 0}));
  for (int k = 1; k <= lines; ++k) o.appendNode(Node::line({static_cast<int16_t>(k), 0}));
  return o;
}

TEST(OutlineNodes, AccessOutsideTheNodesYieldsNothingAndAStatus) {
  Outline empty;
  EXPECT_EQ(empty.header(0), 0);
  EXPECT_EQ(empty.status(), kOutlineNoData);
  EXPECT_EQ(empty.node(0), Node{});
  Outline o = linesOutline(1);
  EXPECT_EQ(o.point(2), (Point{}));
  EXPECT_EQ(o.status(), kOutlineIndexOutOfRange);
  o.resetStatus();
  EXPECT_EQ(o.header(-1), 0);
  EXPECT_EQ(o.status(), kOutlineIndexOutOfRange);
  o.resetStatus();
  EXPECT_FALSE(o.setPoint(1, 1, 0, {5, 5}));  // a line has no point 1
  EXPECT_EQ(o.status(), kOutlineIndexOutOfRange);
  EXPECT_EQ(o.point(1), (Point{1, 0}));
}

TEST(OutlineEdits, DeletingAndCopyingKeepLaterNodesReachable) {
  Outline o;
  o.appendNode(Node::move({0, 0}));
  o.appendNode(Node::curve({30, 0}, {10, 10}, {20, 10}));
  o.appendNode(Node::line({40, 0}));
  ASSERT_EQ(o.point(2), (Point{40, 0}));  // the offsets are known from here on
  o.deleteNode(1);
  EXPECT_EQ(o.point(1), (Point{40, 0}));
  EXPECT_EQ(o.usedSize(), 6u + 6);
  Outline copy;
  ASSERT_TRUE(copy.appendNodes(linesOutline(3), 1, 2));
  ASSERT_EQ(copy.nodeCount(), 2);
  EXPECT_EQ(copy.node(0), Node::line({1, 0}));
  EXPECT_EQ(copy.node(1), Node::line({2, 0}));
  Outline two(2);
  two.appendNode(Node::move({0, 0}, 2));
  EXPECT_FALSE(copy.appendNodes(two, 0, 1));
  EXPECT_EQ(copy.status(), kOutlineMasterCountsDiffer);
  EXPECT_EQ(copy.nodeCount(), 2);
}

}  // namespace
}  // namespace sorvella
