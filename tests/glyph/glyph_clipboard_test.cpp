// Copy and paste of glyphs and node selections through the clipboard formats.
#include "glyph/glyph_clipboard.h"

#include <gtest/gtest.h>

#include "glyph/glyph_record.h"
#include "platform/headless/memory_clipboard.h"

namespace sorvella {
namespace {

Node selected(Node n) {
  n.header |= node_flag::kSelected;
  return n;
}

class GlyphClipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    glyph_.setName("B");
    glyph_.setAdvance(0, {600, 0});
    glyph_.appendNode(Node::move({0, 0}));
    glyph_.appendNode(selected(Node::line({100, 0})));
    glyph_.appendNode(selected(Node::curve({200, 100}, {150, 0}, {200, 50})));
    glyph_.appendNode(Node::line({200, 200}));
    glyph_.appendNode(selected(Node::line({0, 200})));
  }
  Glyph glyph_;
  MemoryClipboard clipboard_;
};

TEST_F(GlyphClipboard, CopyGlyphPlacesExactlyTheGlyphRecord) {
  ASSERT_TRUE(copyGlyph(glyph_, clipboard_));
  EXPECT_EQ(clipboard_.data("VT Glyph"), glyphRecordBytes(glyph_));
  EXPECT_TRUE(canPasteGlyph(clipboard_));
  EXPECT_FALSE(canPasteSelection(clipboard_));
}

TEST_F(GlyphClipboard, PasteGlyphReplacesTheCurrentGlyph) {
  ASSERT_TRUE(copyGlyph(glyph_, clipboard_));
  Glyph target(1);
  target.setName("old");
  target.appendNode(Node::move({5, 5}));
  ASSERT_TRUE(pasteGlyph(target, clipboard_));
  glyph_.deselectAll();  // records never carry the selection
  EXPECT_TRUE(target.sameContent(glyph_));
}

TEST_F(GlyphClipboard, UnreadableGlyphDataPastesNothing) {
  clipboard_.setData(kGlyphClipboardFormat, {0x01, 0x09, 0x07, 0x01, 0x08});
  Glyph target;
  target.setName("kept");
  EXPECT_FALSE(pasteGlyph(target, clipboard_));
  EXPECT_EQ(target.name(), "kept");
}

TEST_F(GlyphClipboard, SelectionRunsBecomeContoursStartingWithMoveNodes) {
  Outline copied = outlineFromSelection(glyph_);
  ASSERT_EQ(copied.nodeCount(), 3);
  EXPECT_EQ(copied.node(0), Node::move({100, 0}));
  EXPECT_EQ(copied.node(1), Node::curve({200, 100}, {150, 0}, {200, 50}));
  EXPECT_EQ(copied.node(2), Node::move({0, 200}));
  EXPECT_FALSE(copied.anySelected());
}

TEST_F(GlyphClipboard, SelectedCurveStartingARunKeepsOnlyItsEndPoint) {
  Glyph g;
  g.appendNode(Node::move({0, 0}));
  g.appendNode(selected(Node::curve({90, 90}, {10, 80}, {80, 10})));
  Outline copied = outlineFromSelection(g);
  ASSERT_EQ(copied.nodeCount(), 1);
  EXPECT_EQ(copied.node(0), Node::move({90, 90}));
}

TEST_F(GlyphClipboard, CopySelectionNeedsASelection) {
  clipboard_.setData("other", {1});
  glyph_.deselectAll();
  EXPECT_FALSE(copySelection(glyph_, clipboard_));
  EXPECT_TRUE(clipboard_.hasFormat("other"));
}

TEST_F(GlyphClipboard, PastedSelectionIsMovedAppendedAndSelected) {
  ASSERT_TRUE(copySelection(glyph_, clipboard_));
  ASSERT_TRUE(canPasteSelection(clipboard_));
  Glyph target;
  target.appendNode(selected(Node::move({1, 1})));
  target.appendNode(Node::line({2, 2}));
  ASSERT_TRUE(pasteSelection(target, clipboard_));
  ASSERT_EQ(target.nodeCount(), 5);
  EXPECT_FALSE(target.isSelected(0));
  EXPECT_FALSE(target.isSelected(1));
  EXPECT_EQ(target.node(2), selected(Node::move({150, 50})));
  EXPECT_EQ(target.node(3), selected(Node::curve({250, 150}, {200, 50}, {250, 100})));
  EXPECT_EQ(target.node(4), selected(Node::move({50, 250})));
}

TEST_F(GlyphClipboard, PastedPointsStopAtTheEdgeOfTheCoordinateRange) {
  Glyph source;
  source.appendNode(selected(Node::move({32760, -32768})));
  ASSERT_TRUE(copySelection(source, clipboard_));
  Glyph target;
  ASSERT_TRUE(pasteSelection(target, clipboard_));
  EXPECT_EQ(target.point(0), (Point{32767, -32718}));
}

TEST_F(GlyphClipboard, SelectionOfAnotherMasterCountIsNotPasted) {
  Glyph two(2);
  two.appendNode(selected(Node::move({10, 10}, 2)));
  ASSERT_TRUE(copySelection(two, clipboard_));
  int before = glyph_.nodeCount();
  EXPECT_FALSE(pasteSelection(glyph_, clipboard_));
  EXPECT_EQ(glyph_.nodeCount(), before);
  EXPECT_TRUE(glyph_.isSelected(1));
}

TEST_F(GlyphClipboard, RecordsLargerThanTheClipboardStreamAreCut) {
  Glyph big;
  big.appendNode(Node::move({0, 0}));
  for (int i = 0; i < 4000; ++i)
    big.appendNode(Node::curve({static_cast<int16_t>(i * 3), 2000},
                               {static_cast<int16_t>(-i * 3), -2000}, {1500, 1500}));
  EXPECT_FALSE(copyGlyph(big, clipboard_));
  EXPECT_EQ(clipboard_.data(kGlyphClipboardFormat)->size(), kClipboardCapacity);
  Glyph target;
  EXPECT_FALSE(pasteGlyph(target, clipboard_));
}

}  // namespace
}  // namespace sorvella
