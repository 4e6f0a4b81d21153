// The glyph edit window driven as a user drives it: press, drag and release on the drawing
// surface, undo and redo from the menu and the keyboard, copy and paste between glyphs
// through the Qt clipboard, EPS files opened, and the edits saved by the document's Save.
#include "editor/ui/edit_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <cmath>
#include <numbers>

#include "base/rounding.h"
#include "cidfont/font_folder.h"
#include "cidfont/thumbnail.h"
#include "editor/paint_settings.h"
#include "editor/ui/glyph_printout.h"
#include "editor/ui/glyph_propety.h"
#include "editor/ui/glyph_window.h"
#include "editor/ui/paint_options_dialog.h"
#include "glyph/glyph_clipboard.h"
#include "glyph/native_font_file.h"
#include "platform/headless/memory_profile.h"
#include "platform/qt/qt_clipboard.h"
#include "support/modal_dialogs.h"
#include "support/recording_busy_indicator.h"
#include "support/sample_subset_font.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_folder_dialog.h"
#include "support/scripted_input_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class EditFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DocumentEnvironment env(prompts_, dialogs_, folders_, inputs_, busy_, profile_, options_);
    env.editedFont = [this] { return frame_ ? frame_->editedFont() : nullptr; };
    document_ = std::make_unique<Document>(env);
    ASSERT_TRUE(document_->newFont(temp_ / "MINCHO", false).ok);
    const fs::path file = test::writeSampleFont(temp_ / "in.vtb", "Squares", {"a", "b"});
    ASSERT_TRUE(document_->addBaseFonts(std::vector<fs::path>{file}, nullptr).ok);
    openGlyph(0);
  }
  void openGlyph(int32_t glyph) {
    frame_ = CEditFrame::open(
        *document_, {prompts_, dialogs_, profile_, options_, clipboard_, {}, {}, {}}, 0, glyph);
    ASSERT_TRUE(frame_);
    frame_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
  }
  Glyph& glyph() { return frame_->editor().glyph(); }
  CGlyphWindow* canvas() { return frame_->glyphWindow(); }
  QPoint at(Point p) { return canvas()->toWidget(p); }
  Point fontAt(QPoint widget) {
    const PointerPosition f = canvas()->toFont(widget);
    return {roundToInt16(f.x), roundToInt16(f.y)};
  }
  void dragNode(int node, QPoint by) {
    const QPoint from = at(glyph().point(node));
    QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas(), from + by / 2);
    QTest::mouseMove(canvas(), from + by);
    QTest::mouseRelease(canvas(), Qt::LeftButton, {}, from + by);
  }

  test::TempFolder temp_;
  ScriptedPrompts prompts_;
  ScriptedFileDialogs dialogs_;
  ScriptedFolderDialog folders_;
  ScriptedInputDialogs inputs_;
  RecordingBusyIndicator busy_;
  MemoryProfile profile_;
  Options options_;
  QtClipboard clipboard_;
  std::unique_ptr<Document> document_;
  std::unique_ptr<CEditFrame> frame_;
};

TEST_F(EditFrameTest, ShowsItsTitleMenusShortcutsAndPrompts) {
  EXPECT_EQ(frame_->windowTitle(), "Sorvella Glyph Edit");
  EXPECT_EQ(frame_->properties()->windowTitle(), "Glyph Properties");
  QAction* undo = frame_->action(EditCommand::kUndo);
  EXPECT_EQ(undo->text(), "&Undo");
  EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(undo->statusTip(), "Undoes last action");
  EXPECT_EQ(undo->toolTip(), "Undo (Ctrl+Z)");
  const QList<QKeySequence> redo = frame_->action(EditCommand::kRedo)->shortcuts();
  EXPECT_EQ(redo, (QList<QKeySequence>{QKeySequence("Ctrl+A"), QKeySequence("Ctrl+Y"),
                                       QKeySequence("Ctrl+Shift+Z")}));
  EXPECT_EQ(frame_->action(EditCommand::kSaveEps)->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(frame_->action(EditCommand::kAutohint)->shortcut(), QKeySequence("F7"));
  QStringList titles;
  for (QAction* a : frame_->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Actions", "&Tools"}));
  EXPECT_FALSE(frame_->action(EditCommand::kApplyActions)->isEnabled());
  // The default SnapStyle shows nodes, hints and guidelines only.
  EXPECT_TRUE(frame_->action(EditCommand::kNodes)->isChecked());
  EXPECT_TRUE(frame_->action(EditCommand::kHints)->isChecked());
  EXPECT_FALSE(frame_->action(EditCommand::kGrid)->isChecked());
  EXPECT_EQ(frame_->selectionStatus(), "No nodes selected");
}

TEST_F(EditFrameTest, PressDragReleaseMovesTheGrabbedNodeUnderThePointer) {
  // The view is laid out again after the drag, so the target is taken before it.
  const Point target = fontAt(at(glyph().point(2)) + QPoint(40, -30));
  dragNode(2, QPoint(40, -30));
  EXPECT_EQ(glyph().point(2), target);
  EXPECT_TRUE(glyph().isSelected(2));
  EXPECT_EQ(frame_->selectionStatus(), "One node selected");
  EXPECT_TRUE(frame_->editedFont()->modified);
  EXPECT_TRUE(frame_->action(EditCommand::kUndo)->isEnabled());
  // A press on empty paper and a band around two nodes selects them.
  const QPoint a = at(glyph().point(0)), b = at(glyph().point(1));
  const QRect band = QRect(a, b).normalized().adjusted(-5, -5, 5, 5);
  QTest::mousePress(canvas(), Qt::LeftButton, {}, band.topLeft());
  QTest::mouseMove(canvas(), band.bottomRight());
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, band.bottomRight());
  EXPECT_EQ(glyph().countSelected(), 2);
  EXPECT_EQ(frame_->selectionStatus(), "2 nodes selected");
}

TEST_F(EditFrameTest, UndoAndRedoFromTheMenuAndTheUsualKeys) {
  const Point before = glyph().point(1);
  dragNode(1, QPoint(25, 25));
  const Point after = glyph().point(1);
  ASSERT_NE(after, before);
  frame_->action(EditCommand::kUndo)->trigger();
  EXPECT_EQ(glyph().point(1), before);
  EXPECT_TRUE(frame_->action(EditCommand::kRedo)->isEnabled());
  frame_->action(EditCommand::kRedo)->trigger();
  EXPECT_EQ(glyph().point(1), after);
  EXPECT_FALSE(frame_->action(EditCommand::kRedo)->isEnabled());
  frame_->activateWindow();
  QTest::keyClick(frame_.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(glyph().point(1), before);
  QTest::keyClick(frame_.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(glyph().point(1), after);
  QTest::keyClick(frame_.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(frame_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(glyph().point(1), after);
}

TEST_F(EditFrameTest, CopyAndPasteASelectionIntoAnotherGlyphThroughTheQtClipboard) {
  frame_->action(EditCommand::kSelectAll)->trigger();
  frame_->action(EditCommand::kCopy)->trigger();
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(mime);
  EXPECT_TRUE(mime->hasFormat(kSelectionClipboardFormat));
  const Glyph copied = glyph();
  frame_->action(EditCommand::kNext)->trigger();
  ASSERT_EQ(frame_->editor().glyphNumber(), 1);
  const int had = glyph().nodeCount();
  frame_->action(EditCommand::kPaste)->trigger();
  ASSERT_EQ(glyph().nodeCount(), had + copied.nodeCount());
  for (int i = 0; i < copied.nodeCount(); ++i) {
    EXPECT_TRUE(glyph().isSelected(had + i));
    EXPECT_EQ(glyph().point(had + i).x, copied.point(i).x + 50);
    EXPECT_EQ(glyph().point(had + i).y, copied.point(i).y + 50);
  }
  frame_->action(EditCommand::kCopyGlyph)->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kGlyphClipboardFormat));
  frame_->action(EditCommand::kPrevious)->trigger();
  frame_->action(EditCommand::kPasteGlyph)->trigger();
  EXPECT_EQ(glyph().nodeCount(), had + copied.nodeCount());
}

TEST_F(EditFrameTest, SaveOfTheDocumentWritesTheEditedGlyph) {
  dragNode(1, QPoint(30, 0));
  const Point moved = glyph().point(1);
  EXPECT_EQ(document_->font()->record(0).thumbnail, makeThumbnail(glyph(), 900, -200));
  EXPECT_TRUE(document_->font()->modified());
  prompts_.script("&Yes");
  ASSERT_TRUE(document_->Save());
  EXPECT_FALSE(frame_->editedFont()->modified);
  const fs::path file =
      SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(0).fileStem());
  std::unique_ptr<SubsetFont> saved = ReadNativeFont(file);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->glyph(0)->point(1), moved);
}

TEST_F(EditFrameTest, OpenEpsAddsPathsOrSaysTheFileCannotBeImported) {
  const fs::path bad = temp_ / "bad.eps", good = temp_ / "good.eps";
  test::writeFile(bad, "%!PS-Adobe-3.0\n0 0 m\n");
  test::writeFile(good, "%!PS-Adobe-3.0\n%%EndProlog\n0 0 m 100 0 L 100 100 L\n");
  const int had = glyph().nodeCount();
  dialogs_.script(bad);
  frame_->action(EditCommand::kOpenEps)->trigger();
  ASSERT_FALSE(prompts_.shown().empty());
  EXPECT_EQ(prompts_.shown().back().text, "This EPS file cannot be imported.");
  EXPECT_EQ(glyph().nodeCount(), had);
  dialogs_.script(good);
  frame_->action(EditCommand::kOpenEps)->trigger();
  EXPECT_EQ(glyph().nodeCount(), had + 3);
  EXPECT_EQ(glyph().countSelected(), 3);
  EXPECT_EQ(dialogs_.requests().back().title, "Open EPS File");
  EXPECT_EQ(dialogs_.requests().back().filter, "EPS files (*.ai, *.eps)|*.ai;*.eps||");
  const fs::path out = temp_ / "out.eps";
  dialogs_.script(out);
  frame_->action(EditCommand::kSaveEps)->trigger();
  EXPECT_TRUE(test::readFile(out).starts_with("%!PS-Adobe-3.0\n"));
}

TEST_F(EditFrameTest, PreviewModeFillsTheGlyphAndPaintingWhiteCutsIt) {
  frame_->action(EditCommand::kPreview)->trigger();
  const Box box = glyph().boundingBox();
  const Point middle{static_cast<int16_t>((box.xMin + box.xMax) / 2),
                     static_cast<int16_t>((box.yMin + box.yMax) / 2)};
  auto inkAt = [&](Point p) {
    return canvas()->grab().toImage().pixelColor(at(p)) == QColor(Qt::black);
  };
  EXPECT_TRUE(inkAt(middle));
  frame_->action(EditCommand::kToolPaint)->trigger();
  frame_->action(EditCommand::kPaintWhite)->trigger();
  const QPoint c = at(middle);
  QTest::mousePress(canvas(), Qt::LeftButton, {}, c - QPoint(10, 10));
  QTest::mouseMove(canvas(), c + QPoint(10, 10));
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, c + QPoint(10, 10));
  EXPECT_EQ(glyph().contourCount(), 2);
  EXPECT_FALSE(inkAt(middle));
  // A black brush stroke across the hole fills a band of it again.
  frame_->action(EditCommand::kPaintBlack)->trigger();
  frame_->action(EditCommand::kPaintBrush)->trigger();
  frame_->action(EditCommand::kBrushWidth10)->trigger();
  QTest::mousePress(canvas(), Qt::LeftButton, {}, c - QPoint(15, 0));
  QTest::mouseMove(canvas(), c - QPoint(5, 0));
  QTest::mouseMove(canvas(), c + QPoint(5, 0));
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, c + QPoint(15, 0));
  EXPECT_TRUE(inkAt(middle));
  EXPECT_EQ(glyph().contourCount(), 3);
  EXPECT_EQ(options_.brushWidth, 10);
  // The Meter tool tells what it spans; the Erase tool takes the node clicked.
  frame_->action(EditCommand::kToolMeter)->trigger();
  const QPoint corner = at(glyph().point(0));
  QTest::mousePress(canvas(), Qt::LeftButton, {}, corner);
  QTest::mouseMove(canvas(), corner + QPoint(30, 0));
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, corner + QPoint(30, 0));
  const QString measured = frame_->statusBar()->currentMessage();
  EXPECT_TRUE(measured.contains("H: 0")) << measured.toStdString();
  EXPECT_TRUE(
      measured.contains(QString("W: %1").arg(fontAt(corner + QPoint(30, 0)).x - fontAt(corner).x)))
      << measured.toStdString();
  frame_->action(EditCommand::kToolErase)->trigger();
  const int had = glyph().nodeCount();
  QTest::mouseClick(canvas(), Qt::LeftButton, {}, corner);
  EXPECT_EQ(glyph().nodeCount(), had - 1);
}

TEST_F(EditFrameTest, ContextMenuOfASegmentInsertsANodeWhereItWasClicked) {
  const Point a = glyph().point(0), b = glyph().point(1);
  const QPoint middle = (at(a) + at(b)) / 2;
  const int had = glyph().nodeCount();
  QStringList offered;
  test::whenShown<QMenu>([&](QMenu* menu) {
    for (QAction* item : menu->actions()) offered << item->text();
    for (QAction* item : menu->actions())
      if (item->text() == "&Insert node") item->trigger();
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, middle, canvas()->mapToGlobal(middle));
  QApplication::sendEvent(canvas(), &event);
  EXPECT_EQ(offered.value(0), "Cancel");
  EXPECT_TRUE(offered.contains("&Convert to vector"));
  ASSERT_EQ(glyph().nodeCount(), had + 1);
  EXPECT_NEAR(glyph().point(1).x, (a.x + b.x) / 2.0, 3);
  EXPECT_NEAR(glyph().point(1).y, (a.y + b.y) / 2.0, 3);
  frame_->action(EditCommand::kUndo)->trigger();
  EXPECT_EQ(glyph().nodeCount(), had);
}

TEST_F(EditFrameTest, PolygonCornersJoinTheGlyphAndPaintOptionsTraceItInstead) {
  frame_->action(EditCommand::kToolPaint)->trigger();
  frame_->action(EditCommand::kPaintPolygon)->trigger();
  // The glyph is the square 100 ... 600; the triangle reaches out past its right side.
  const QPoint a = at({550, 100}), b = at({680, 250}), c = at({550, 400});
  QTest::mouseClick(canvas(), Qt::LeftButton, {}, a);
  QTest::mouseClick(canvas(), Qt::LeftButton, {}, b);
  QTest::mouseDClick(canvas(), Qt::LeftButton, {}, c);
  EXPECT_TRUE(canvas()->polygonCorners().empty());
  EXPECT_EQ(glyph().contourCount(), 1);
  EXPECT_NEAR(glyph().boundingBox().xMax, fontAt(b).x, 1);
  frame_->action(EditCommand::kUndo)->trigger();

  test::whenShown<PaintOptionsDialog>([](PaintOptionsDialog* dialog) {
    dialog->widthField()->setValue(10);
    dialog->traceButton()->setChecked(true);
    dialog->autoTransformBox()->setChecked(true);
    dialog->capBox()->setCurrentText("Flat");
    dialog->joinBox()->setCurrentText("Bevel");
    dialog->accept();
  });
  frame_->action(EditCommand::kPaintOptions)->trigger();
  EXPECT_EQ(options_.brushWidth, 10);
  EXPECT_EQ(options_.paintAutoTransform, 1);
  EXPECT_EQ(paintOptionsFrom(options_).cap, PaintCap::kFlat);
  EXPECT_EQ(paintOptionsFrom(options_).join, PaintJoin::kBevel);
  EXPECT_EQ(paintOptionsFrom(options_).polygon, PolygonMode::kBrushTrace);
  EXPECT_TRUE(frame_->action(EditCommand::kBrushWidth10)->isChecked());
  // Traced in the empty color, each side and each corner's bevel is a contour of its own;
  // closing on the first corner.
  frame_->action(EditCommand::kPaintEmpty)->trigger();
  for (QPoint corner : {a, b, c, a}) QTest::mouseClick(canvas(), Qt::LeftButton, {}, corner);
  EXPECT_EQ(glyph().contourCount(), 1 + 3 + 3);
  EXPECT_EQ(glyph().countSelected(), 3 * 4 + 3 * 3);  // the trace, ready for the frame
  EXPECT_EQ(canvas()->tool(), EditTool::kTransform);
  EXPECT_EQ(frame_->properties()->pages()->currentWidget(), frame_->properties()->selectionPage());
  // The brush kind commands reach the canvas and the record.
  frame_->action(EditCommand::kBrushCalligraphic)->trigger();
  EXPECT_EQ(canvas()->paintOptions().kind, BrushKind::kCalligraphic);
  EXPECT_EQ(paintOptionsFrom(options_).kind, BrushKind::kCalligraphic);
  EXPECT_EQ(paintOptionsFrom(options_).cap, PaintCap::kFlat);
}

TEST_F(EditFrameTest, ContextMenuOfAHintDeletesItOrShowsItsPage) {
  glyph().hints().emplace();
  glyph().hints()->horizontal = {Hint{{Stem{200, 40}}}, Hint{{Stem{300, 40}}}};
  frame_->glyphChanged();
  const QPoint edge = at({350, 340});
  auto choose = [&](const QString& label) {
    QStringList offered;
    test::whenShown<QMenu>([&offered, label](QMenu* menu) {
      for (QAction* item : menu->actions()) offered << item->text();
      for (QAction* item : menu->actions())
        if (item->text() == label) item->trigger();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, edge, canvas()->mapToGlobal(edge));
    QApplication::sendEvent(canvas(), &event);
    return offered;
  };
  const QStringList offered = choose("&Properties");
  EXPECT_EQ(offered, (QStringList{"Cancel", "", "&Delete", "&Properties"}));
  auto* page = qobject_cast<CHintProp*>(frame_->properties()->pages()->currentWidget());
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->findChildren<QLineEdit*>().value(0)->text() == "300");
  choose("&Delete");
  ASSERT_EQ(glyph().hints()->horizontal.size(), 1u);
  EXPECT_EQ(glyph().hints()->horizontal[0].masters[0].position, 200);
  frame_->action(EditCommand::kUndo)->trigger();
  EXPECT_EQ(glyph().hints()->horizontal.size(), 2u);
  // With the hints layer hidden the same place is background.
  frame_->action(EditCommand::kHints)->trigger();
  EXPECT_TRUE(choose("&Delete").contains("Remove g&uides"));
}

TEST_F(EditFrameTest, TransformFrameScalesFromACornerAndAClickSwitchesItsMode) {
  frame_->action(EditCommand::kSelectAll)->trigger();
  frame_->action(EditCommand::kTransform)->trigger();
  EXPECT_EQ(canvas()->tool(), EditTool::kTransform);
  // The glyph is the square 100 ... 600 by 0 ... 500; its frame handles sit on its corners.
  const QPoint corner = at({600, 500});
  const Point moved = fontAt(corner + QPoint(40, -20));  // before the view refits the glyph
  QTest::mousePress(canvas(), Qt::LeftButton, {}, corner);
  QTest::mouseMove(canvas(), corner + QPoint(20, -10));
  QTest::mouseMove(canvas(), corner + QPoint(40, -20));
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, corner + QPoint(40, -20));
  EXPECT_NEAR(glyph().point(2).x, moved.x, 1);
  EXPECT_NEAR(glyph().point(2).y, moved.y, 1);
  EXPECT_EQ(glyph().point(0), (Point{100, 0}));  // the opposite corner stays
  frame_->action(EditCommand::kUndo)->trigger();
  EXPECT_EQ(glyph().point(2), (Point{600, 500}));
  // A click inside turns the frame to rotating and moves nothing.
  QTest::mouseClick(canvas(), Qt::LeftButton, {}, at({350, 250}));
  EXPECT_EQ(canvas()->frameMode(), FrameMode::kRotate);
  EXPECT_EQ(glyph().point(2), (Point{600, 500}));
  // The frame is drawn with the Transform tool only.
  auto framePixels = [&] {
    const QImage shown = canvas()->grab().toImage();
    int count = 0;
    for (int i = 0; i < shown.width() * shown.height(); ++i)
      count += shown.pixelColor(i % shown.width(), i / shown.width()) == QColor(Qt::darkMagenta);
    return count;
  };
  EXPECT_GT(framePixels(), 100);
  frame_->action(EditCommand::kToolEdit)->trigger();
  EXPECT_EQ(framePixels(), 0);
}

TEST_F(EditFrameTest, PrintoutFillsTheGlyphBelowItsHeadingAndWritesPdf) {
  QImage page(400, 600, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    paintGlyphPrintout(painter, page.rect(), frame_->editor());
  }
  auto inkIn = [&](const QRect& r) {
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) ink += page.pixelColor(x, y) == Qt::black;
    return ink;
  };
  EXPECT_GT(inkIn(QRect(0, 0, 400, 40)), 0);  // the heading
  // The square glyph fills a good part of the rest, centred across.
  EXPECT_GT(inkIn(QRect(150, 200, 100, 200)), 15000);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const fs::path pdf = temp_ / "glyph.pdf";
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  ASSERT_TRUE(printGlyph(printer, frame_->editor()));
  EXPECT_TRUE(test::readFile(pdf).starts_with("%PDF-"));
}

// A glyph of 328 points (109 curves and a move) dragged and run through the commands, with
// the times printed for the record; the bounds only catch a step that went badly wrong.
TEST_F(EditFrameTest, DragStepsAndCommandsOnALargeGlyphStayQuick) {
  Glyph& g = glyph();
  g.clearNodes();
  constexpr int kCurves = 109;
  auto ring = [](double angle, double radius) {
    return Point{roundToInt16(400 + radius * std::cos(angle)),
                 roundToInt16(350 + radius * std::sin(angle))};
  };
  const double step = 2 * std::numbers::pi / kCurves;
  g.appendNode(Node::move(ring(0, 300)));
  for (int k = 1; k <= kCurves; ++k) {
    const double radius = k % 2 ? 250 : 300;  // a star, so that every curve has extremes
    g.appendNode(Node::curve(ring(k * step, radius), ring((k - 0.66) * step, 320),
                             ring((k - 0.33) * step, 230)));
  }
  frame_->glyphChanged();
  QElapsedTimer clock;
  const QPoint from = at(g.point(10));
  QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
  constexpr int kSteps = 50;
  clock.start();
  for (int s = 1; s <= kSteps; ++s) {
    QTest::mouseMove(canvas(), from + QPoint(s, s % 7));
    canvas()->repaint();
  }
  const double dragMs = clock.nsecsElapsed() / 1e6 / kSteps;
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, from + QPoint(kSteps, 0));
  auto timed = [&](EditCommand c) {
    clock.restart();
    frame_->action(c)->trigger();
    canvas()->repaint();
    return clock.nsecsElapsed() / 1e6;
  };
  const double autohintMs = timed(EditCommand::kAutohint);
  const double overlapMs = timed(EditCommand::kRemoveOverlap);
  std::printf("328-point glyph: drag step %.2f ms, autohint %.2f ms, remove overlap %.2f ms\n",
              dragMs, autohintMs, overlapMs);
  RecordProperty("dragStepMs", QString::number(dragMs).toStdString());
  EXPECT_LT(dragMs, 100.0);
  EXPECT_LT(autohintMs, 1000.0);
  EXPECT_LT(overlapMs, 1000.0);
  EXPECT_TRUE(frame_->editor().canUndo());
}

}  // namespace
}  // namespace sorvella
