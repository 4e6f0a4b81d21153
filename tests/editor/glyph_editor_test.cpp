// The editor session on a subset font file: edits recorded for undo, the document's edited
// font marked, commands that leave the glyph alone when they fail, and Previous/Next.
#include "editor/glyph_editor.h"

#include <gtest/gtest.h>

#include "cidfont/font_folder.h"
#include "platform/headless/memory_clipboard.h"
#include "support/sample_subset_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

class GlyphEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Slots: "a", empty, "c".
    ASSERT_FALSE(
        test::writeSampleFont(SubsetFontFilePath(temp_.path(), "TEST0000"), "Test", {"a", "", "c"})
            .empty());
    cid_.addSubsetFont(test::subsetFontEntry("Test", "TEST0000", 2), {});
    std::string error;
    editor_ = GlyphEditor::open(cid_, temp_.path(), 0, 0, Options{}, error);
    ASSERT_TRUE(editor_) << error;
  }
  test::TempFolder temp_;
  CCidFont cid_;
  std::unique_ptr<GlyphEditor> editor_;
};

TEST_F(GlyphEditorTest, EditsMarkTheEditedFontAndUndoRedoThroughTheStore) {
  EXPECT_FALSE(editor_->edited().modified);
  EXPECT_EQ(editor_->edited().font, &editor_->font());
  const Point before = editor_->glyph().point(1);
  editor_->glyph().setSelected(1, true);
  ASSERT_TRUE(editor_->deleteSelection());
  EXPECT_TRUE(editor_->edited().modified);
  EXPECT_EQ(editor_->glyph().nodeCount(), 3);
  ASSERT_TRUE(editor_->undo());
  EXPECT_EQ(editor_->glyph().point(1), before);
  ASSERT_TRUE(editor_->redo());
  EXPECT_EQ(editor_->glyph().nodeCount(), 3);
  editor_->showGlyph(2);
  EXPECT_FALSE(editor_->canUndo());
  // Commands that change the outline leave no stale TrueType data behind.
  editor_->glyph().trueTypeData().emplace();
  ASSERT_EQ(editor_->autohint(), AutohintStatus::kOk);
  EXPECT_FALSE(editor_->glyph().trueTypeData().has_value());
  EXPECT_TRUE(editor_->canUndo());
}

TEST_F(GlyphEditorTest, DeletingAMoveNodeLetsTheNextNodeStartTheContour) {
  Glyph& g = editor_->glyph();
  const Point second = g.point(1);
  g.setSelected(0, true);
  ASSERT_TRUE(editor_->deleteSelection());
  ASSERT_EQ(g.nodeCount(), 3);
  EXPECT_EQ(g.type(0), node_type::kMove);
  EXPECT_EQ(g.point(0), second);
  g.selectAll();
  ASSERT_TRUE(editor_->deleteSelection());
  EXPECT_TRUE(g.empty());
}

TEST_F(GlyphEditorTest, PasteIntoAnotherGlyphAndIntoAnEmptySlot) {
  MemoryClipboard clipboard;
  EXPECT_FALSE(editor_->copySelection(clipboard));  // nothing selected
  editor_->selectAll();
  ASSERT_TRUE(editor_->copySelection(clipboard));
  const Point corner = editor_->glyph().point(0);
  editor_->showGlyph(1);
  EXPECT_TRUE(editor_->glyph().empty());
  ASSERT_TRUE(editor_->paste(clipboard));
  ASSERT_NE(editor_->font().glyph(1), nullptr);
  EXPECT_EQ(editor_->glyph().point(0),
            (Point{static_cast<int16_t>(corner.x + 50), static_cast<int16_t>(corner.y + 50)}));
  EXPECT_EQ(editor_->glyph().countSelected(), 4);
}

TEST_F(GlyphEditorTest, PreviousAndNextSkipEmptySlots) {
  EXPECT_FALSE(editor_->previousGlyph());
  ASSERT_TRUE(editor_->nextGlyph());
  EXPECT_EQ(editor_->glyphNumber(), 2);
  EXPECT_FALSE(editor_->nextGlyph());
  ASSERT_TRUE(editor_->previousGlyph());
  EXPECT_EQ(editor_->glyphNumber(), 0);
}

TEST_F(GlyphEditorTest, WhitePaintCutsAHoleAndViewCopiesGoBackToTheOptions) {
  Outline hole(1);
  // A small square inside glyph "a".
  const Point p = editor_->glyph().point(0);
  const Point q = editor_->glyph().point(2);
  const int16_t x0 = static_cast<int16_t>((p.x * 3 + q.x) / 4),
                x1 = static_cast<int16_t>((p.x + q.x * 3) / 4);
  const int16_t y0 = static_cast<int16_t>((p.y * 3 + q.y) / 4),
                y1 = static_cast<int16_t>((p.y + q.y * 3) / 4);
  hole.appendNode(Node::move({x0, y0}));
  hole.appendNode(Node::line({x1, y0}));
  hole.appendNode(Node::line({x1, y1}));
  hole.appendNode(Node::line({x0, y1}));
  ASSERT_TRUE(editor_->applyPaintObject(hole, PaintColor::kEmpty));
  ASSERT_EQ(editor_->glyph().contourCount(), 2);
  // The inner contour cut out of the outer one leaves a hole as a second contour.
  ASSERT_TRUE(editor_->subtractContour(4));
  EXPECT_EQ(editor_->glyph().contourCount(), 2);
  ASSERT_TRUE(editor_->undo());
  EXPECT_EQ(editor_->glyph().nodeCount(), 8);
  editor_->undo();
  ASSERT_TRUE(editor_->applyPaintObject(hole, PaintColor::kWhite));
  EXPECT_EQ(editor_->glyph().contourCount(), 2);
  editor_->toggleLayer(view_layer::kGrid);
  Options options;
  editor_->storeViewOptions(options);
  EXPECT_EQ(options.snapStyle, Options{}.snapStyle ^ view_layer::kGrid);
  EXPECT_EQ(GlyphEditor::selectionText(3), "3 nodes selected");
}

}  // namespace
}  // namespace sorvella
