#include "editor/ui/glyph_window.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/rounding.h"
#include "base/text_format.h"
#include "editor/edit_menu.h"
#include "editor/outline_walk.h"
#include "editor/paint_stroke.h"
#include "glyph/outline_pen.h"
#include "outline/hint_zones.h"

namespace sorvella {

namespace {

constexpr int kNodeSize = 5;
constexpr int kCloseDistance = 3;  // pixels from the first corner that close a polygon
constexpr int kHandleSize = 7;     // pixels; a press this near a frame handle grabs it

class PathPen : public OutlinePen {
 public:
  PathPen(QPainterPath& path, const CGlyphWindow& window) : path_(path), w_(window) {}
  void moveTo(Point p) override { path_.moveTo(w_.toWidget(p)); }
  void lineTo(Point p) override { path_.lineTo(w_.toWidget(p)); }
  void curveTo(Point, Point c1, Point c2, Point e) override {
    path_.cubicTo(w_.toWidget(c1), w_.toWidget(c2), w_.toWidget(e));
  }
  void quadTo(WidePoint, WidePoint c, WidePoint e, bool) override {
    path_.quadTo(w_.toWidget(half(c)), w_.toWidget(half(e)));
  }
  void closePath() override { path_.closeSubpath(); }

 private:
  static Point half(WidePoint p) { return {clampToInt16(p.x / 2), clampToInt16(p.y / 2)}; }
  QPainterPath& path_;
  const CGlyphWindow& w_;
};

Point fontPoint(PointerPosition p) {
  return {roundToInt16(p.x), roundToInt16(p.y)};
}

}  // namespace

CGlyphWindow::CGlyphWindow(GlyphEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setMouseTracking(true);
  setMinimumSize(200, 200);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CGlyphWindow::setTool(EditTool tool) {
  if (tool == EditTool::kTransform && tool_ != tool) frameMode_ = FrameMode::kScale;
  tool_ = tool;
  frameDrag_.reset();
  polygon_.clear();
  update();
}

void CGlyphWindow::setZoom(int zoom) {
  zoom_ = std::clamp(zoom, 0, kMaxZoom);
  glyphChanged();
}

void CGlyphWindow::glyphChanged() {
  const Options& o = editor_.options();
  mapping_ = ViewMapping::make(zoom_, glyphViewBox(editor_.glyph(), 0), width(), height(),
                               o.fitAscender, o.fitDescender);
  update();
}

QPoint CGlyphWindow::toWidget(Point p) const {
  const ScreenPoint s = mapping_.toScreen(p.x, p.y);
  return QPoint(static_cast<int>(std::lround(s.x)), static_cast<int>(std::lround(s.y)));
}

PointerPosition CGlyphWindow::toFont(QPointF widget) const {
  return {mapping_.fontX(widget.x()), mapping_.fontY(widget.y())};
}

void CGlyphWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  glyphChanged();
}

HitTestView CGlyphWindow::hitView() const {
  HitTestView view;
  view.nodesShown = editor_.layerShown(view_layer::kNodes);
  view.controlVectorsShown = editor_.layerShown(view_layer::kControlVectors);
  return view;
}

void CGlyphWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const Glyph& g = editor_.glyph();
  auto hLine = [&](int y, const QColor& color) {
    painter.setPen(color);
    const int py = toWidget({0, clampToInt16(y)}).y();
    painter.drawLine(0, py, width(), py);
  };
  auto vLine = [&](int x, const QColor& color) {
    painter.setPen(color);
    const int px = toWidget({clampToInt16(x), 0}).x();
    painter.drawLine(px, 0, px, height());
  };
  if (editor_.layerShown(view_layer::kGrid)) {
    const int stepX = editor_.gridX(), stepY = editor_.gridY();
    if (mapping_.scale() * std::min(stepX, stepY) >= 4) {
      const int x0 = static_cast<int>(std::floor(mapping_.fontX(0) / stepX)) * stepX;
      for (int x = x0; x <= mapping_.fontX(width()); x += stepX) vLine(x, QColor(230, 230, 230));
      const int y0 = static_cast<int>(std::floor(mapping_.fontY(height()) / stepY)) * stepY;
      for (int y = y0; y <= mapping_.fontY(0); y += stepY) hLine(y, QColor(230, 230, 230));
    }
  }
  if (editor_.layerShown(view_layer::kAlignmentZones)) {
    for (const AlignmentZone& z : alignmentZones(editor_.font(), 0)) {
      const int a = toWidget({0, clampToInt16(z.position)}).y();
      const int b = toWidget({0, clampToInt16(z.position + z.width)}).y();
      painter.fillRect(QRect(0, std::min(a, b), width(), std::abs(a - b)), QColor(220, 235, 255));
    }
  }
  hLine(0, Qt::gray);
  vLine(0, Qt::gray);
  vLine(g.advance(0).x, Qt::gray);
  if (editor_.layerShown(view_layer::kHints) && g.hints()) {
    const QColor green(0, 160, 0);
    for (const Hint& h : g.hints()->horizontal)
      if (!h.masters.empty()) {
        hLine(h.masters[0].position, green);
        hLine(h.masters[0].position + h.masters[0].width, green);
      }
    for (const Hint& h : g.hints()->vertical)
      if (!h.masters.empty()) {
        vLine(h.masters[0].position, green);
        vLine(h.masters[0].position + h.masters[0].width, green);
      }
  }
  if (editor_.layerShown(view_layer::kGuidelines) && g.guides()) {
    for (const Guide& guide : g.guides()->horizontal) hLine(guideCoordinate(guide, 0, 0), Qt::cyan);
    for (const Guide& guide : g.guides()->vertical) vLine(guideCoordinate(guide, 0, 0), Qt::cyan);
  }
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  PathPen pen(path, *this);
  g.enumerate(pen, 0);
  if (editor_.layerShown(view_layer::kPreview)) {
    painter.fillPath(path, Qt::black);
  } else {
    painter.setPen(Qt::black);
    painter.drawPath(path);
  }
  const bool vectors = editor_.layerShown(view_layer::kControlVectors);
  if (editor_.layerShown(view_layer::kNodes)) {
    for (int i = 0; i < g.nodeCount(); ++i) {
      if (vectors && g.type(i) == node_type::kCurve) {
        painter.setPen(Qt::darkGray);
        painter.drawLine(toWidget(g.point(previousInContour(g, i))), toWidget(g.point(i, 1)));
        painter.drawLine(toWidget(g.point(i)), toWidget(g.point(i, 2)));
      }
      const QPoint p = toWidget(g.point(i));
      const QRect box(p.x() - kNodeSize / 2, p.y() - kNodeSize / 2, kNodeSize, kNodeSize);
      painter.setPen(i == g.highlightedNode() ? Qt::red : Qt::blue);
      if (g.isSelected(i))
        painter.fillRect(box, Qt::blue);
      else
        painter.drawRect(box);
    }
  }
  if (tool_ == EditTool::kTransform) paintFrame(painter);
  if (!polygon_.empty()) {
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    QPolygonF corners;
    for (const Point& c : polygon_) corners << QPointF(toWidget(c));
    corners << pointer_;
    painter.drawPolyline(corners);
  }
  if (pressedAt_ && !drag_.active()) {
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    if (tool_ == EditTool::kMeter)
      painter.drawLine(*pressedAt_, pointer_);
    else
      painter.drawRect(QRectF(*pressedAt_, pointer_).normalized());
  }
}

void CGlyphWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pointer_ = event->position();
  switch (tool_) {
    case EditTool::kEdit:
      pressEdit(event);
      break;
    case EditTool::kErase: {
      HitTestView view = hitView();
      view.testSegments = false;
      if (auto grab = hitTest(editor_.glyph(), view, toFont(pointer_))) {
        Glyph& g = editor_.glyph();
        g.deselectAll();
        g.setSelected(grab->node, true);
        editor_.deleteSelection();
        glyphChanged();
        notify();
        if (finished) finished();
      }
      break;
    }
    case EditTool::kPaint:
      if (paintShape_ == PaintShape::kPolygon) {
        addPolygonCorner(pointer_);
        break;
      }
      brushPath_.assign(1, fontPoint(toFont(pointer_)));
      pressedAt_ = pointer_;
      break;
    case EditTool::kMeter:
      pressedAt_ = pointer_;
      break;
    case EditTool::kTransform:
      pressTransform();
      break;
  }
}

void CGlyphWindow::paintFrame(QPainter& painter) const {
  const std::optional<TransformFrame> frame =
      frameDrag_ ? std::optional(frameDrag_->frame) : TransformFrame::around(editor_.glyph(), 0);
  if (!frame) return;
  const Box& b = frame->box();
  painter.setPen(QPen(Qt::darkMagenta, 1, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(toWidget({b.xMin, b.yMax}), toWidget({b.xMax, b.yMin})));
  painter.setPen(Qt::darkMagenta);
  for (int h = 0; h < static_cast<int>(FrameHandle::kInside); ++h) {
    const auto handle = static_cast<FrameHandle>(h);
    if (!TransformFrame::offered(handle, frameMode_)) continue;
    const QPoint at = toWidget(frame->handlePosition(handle));
    const QRect square(at.x() - kHandleSize / 2, at.y() - kHandleSize / 2, kHandleSize,
                       kHandleSize);
    if (frameMode_ == FrameMode::kScale)
      painter.fillRect(square, Qt::darkMagenta);
    else
      painter.drawEllipse(square);
  }
}

void CGlyphWindow::pressTransform() {
  const Glyph& g = editor_.glyph();
  const std::optional<TransformFrame> frame = TransformFrame::around(g, 0);
  if (!frame) return;
  const double tolerance = kHandleSize / 2.0 / std::max(mapping_.scale(), 1e-6);
  const PointerPosition at = toFont(pointer_);
  const std::optional<FrameHandle> handle = frame->hit(at, tolerance, frameMode_);
  if (!handle) return;
  frameDrag_ = FrameDrag{*frame, *handle, at, g, false};
}

void CGlyphWindow::pressEdit(QMouseEvent* event) {
  Glyph& g = editor_.glyph();
  const PointerPosition at = toFont(pointer_);
  const bool add = event->modifiers() & Qt::ShiftModifier;
  std::optional<Grab> grab = hitTest(g, hitView(), at);
  if (!grab) {
    if (!add) g.deselectAll();
    pressedAt_ = pointer_;
    update();
    notify();
    return;
  }
  if (!add && !g.isSelected(grab->node)) g.deselectAll();
  g.setSelected(grab->node, true);
  const bool onControl =
      grab->part == GrabPart::kFirstControl || grab->part == GrabPart::kSecondControl;
  g.setHighlight(grab->node, onControl ? static_cast<int32_t>(grab->part) : 0);
  dragRecorded_ = false;
  drag_.begin(g, 0, *grab, at);
  update();
  notify();
}

void CGlyphWindow::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position();
  const PointerPosition at = toFont(pointer_);
  if (pointerMoved) pointerMoved(roundToInt32(at.x), roundToInt32(at.y));
  if (frameDrag_) {
    if (!frameDrag_->moved) {
      editor_.recordEdit(EditKind::kTransform);
      frameDrag_->moved = true;
    }
    Glyph& g = editor_.glyph();
    g = frameDrag_->start;
    transformSelection(
        g, 0, frameDrag_->frame.transformFor(frameDrag_->handle, frameMode_, frameDrag_->from, at));
    update();
    notify();
    return;
  }
  if (drag_.active()) {
    if (!dragRecorded_) {
      editor_.recordEdit(EditKind::kDrag);
      dragRecorded_ = true;
    }
    drag_.dragTo(editor_.glyph(), at);
    update();
    notify();
    return;
  }
  if (pressedAt_) {
    if (tool_ == EditTool::kMeter) measure(*pressedAt_, pointer_);
    if (tool_ == EditTool::kPaint &&
        (paintShape_ == PaintShape::kBrush || paintShape_ == PaintShape::kPen))
      brushPath_.push_back(fontPoint(at));
    update();
  }
  if (!polygon_.empty()) update();
}

void CGlyphWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pointer_ = event->position();
  if (frameDrag_) {
    const bool moved = frameDrag_->moved;
    // A click inside the frame switches between scaling and turning.
    if (!moved && frameDrag_->handle == FrameHandle::kInside)
      frameMode_ = frameMode_ == FrameMode::kScale ? FrameMode::kRotate : FrameMode::kScale;
    frameDrag_.reset();
    glyphChanged();
    notify();
    if (moved && finished) finished();
    return;
  }
  if (drag_.active()) {
    drag_.end();
    glyphChanged();
    notify();
    if (dragRecorded_ && finished) finished();
    return;
  }
  if (!pressedAt_) return;
  const QPointF start = *pressedAt_;
  pressedAt_.reset();
  switch (tool_) {
    case EditTool::kEdit:
      selectInside(QRectF(start, pointer_).normalized().toRect(),
                   event->modifiers() & Qt::ShiftModifier);
      break;
    case EditTool::kPaint:
      finishPaint(start, pointer_);
      break;
    case EditTool::kMeter:
      measure(start, pointer_);
      break;
    case EditTool::kErase:
    case EditTool::kTransform:
      break;
  }
  update();
  notify();
}

void CGlyphWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (tool_ != EditTool::kPaint || paintShape_ != PaintShape::kPolygon ||
      event->button() != Qt::LeftButton) {
    mousePressEvent(event);
    return;
  }
  pointer_ = event->position();
  const Point at = fontPoint(toFont(pointer_));
  if (polygon_.empty() || polygon_.back() != at) polygon_.push_back(at);
  finishPolygon();
}

void CGlyphWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !polygon_.empty()) {
    polygon_.clear();
    update();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CGlyphWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (!contextMenu) return;
  const Glyph& g = editor_.glyph();
  const PointerPosition at = toFont(event->pos());
  std::optional<Grab> grab = hitTest(g, hitView(), at);
  std::optional<LineGrab> line;
  if (!grab) {
    LineHitView view;
    view.hintsShown = editor_.layerShown(view_layer::kHints);
    view.guidesShown = editor_.layerShown(view_layer::kGuidelines);
    line = hitTestLines(g, view, at);
  }
  contextMenu(event->globalPos(), grab, line);
}

void CGlyphWindow::selectInside(const QRect& band, bool add) {
  Glyph& g = editor_.glyph();
  if (!add) g.deselectAll();
  for (int i = 0; i < g.nodeCount(); ++i)
    if (band.contains(toWidget(g.point(i)))) g.setSelected(i, true);
}

void CGlyphWindow::finishPaint(QPointF start, QPointF end) {
  const Point a = fontPoint(toFont(start)), b = fontPoint(toFont(end));
  const Point line[] = {a, b};
  brushPath_.push_back(b);
  Outline object(1);
  switch (paintShape_) {
    case PaintShape::kRectangle:
      object = rectangleOutline(a, b);
      break;
    case PaintShape::kEllipse:
      object = ellipseOutline(a, b);
      break;
    case PaintShape::kLine:
      object = strokeOutline(line, paintOptions_);
      break;
    case PaintShape::kBrush:
      object = strokeOutline(brushPath_, paintOptions_);
      break;
    case PaintShape::kPen:
      object = penOutline(brushPath_);
      break;
    case PaintShape::kPolygon:
      break;
  }
  brushPath_.clear();
  apply(object);
}

void CGlyphWindow::addPolygonCorner(QPointF at) {
  // A press on the first corner closes the polygon.
  if (polygon_.size() >= 3) {
    const QPoint first = toWidget(polygon_.front());
    if (std::abs(first.x() - at.x()) <= kCloseDistance &&
        std::abs(first.y() - at.y()) <= kCloseDistance) {
      finishPolygon();
      return;
    }
  }
  const Point corner = fontPoint(toFont(at));
  if (polygon_.empty() || polygon_.back() != corner) polygon_.push_back(corner);
  update();
}

void CGlyphWindow::finishPolygon() {
  const std::vector<Point> corners = std::move(polygon_);
  polygon_.clear();
  const Outline object = paintOptions_.polygon == PolygonMode::kBrushTrace
                             ? polygonTrace(corners, paintOptions_)
                             : polygonOutline(corners);
  if (apply(object)) {
    if (paintOptions_.autoTransform) selectNodesOn(editor_.glyph(), object);
    if (polygonApplied) polygonApplied();
  }
  update();
}

bool CGlyphWindow::apply(const Outline& object) {
  if (!editor_.applyPaintObject(object, paintColor_)) return false;
  glyphChanged();
  if (finished) finished();
  return true;
}

void CGlyphWindow::measure(QPointF start, QPointF end) {
  if (!measured) return;
  const PointerPosition a = toFont(start), b = toFont(end);
  const int w = roundToInt32(b.x - a.x), h = roundToInt32(b.y - a.y);
  std::string text = formatText(edit_menu_text::kPointerX, roundToInt32(a.x)) + "  " +
                     formatText(edit_menu_text::kPointerY, roundToInt32(a.y)) + "  " +
                     formatText(edit_menu_text::kMeterWidth, w) + "  " +
                     formatText(edit_menu_text::kMeterHeight, h);
  // A slanted measure also gives its angle.
  if (w != 0 && h != 0)
    text +=
        "  " + formatText(edit_menu_text::kMeterAngle, std::atan2(h, w) * 180 / std::numbers::pi);
  measured(QString::fromStdString(text));
}

}  // namespace sorvella
