#include "editor/ui/glyph_window.h"

#include <QContextMenuEvent>
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
constexpr double kArcHandle = 0.5523;  // cubic quarter arc of a unit circle

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

// A DerevoZorov rectangle or ellipse spanned by two corners, drawn clockwise.
Outline paintObject(PaintShape shape, Point a, Point b) {
  Outline o(1);
  if (shape == PaintShape::kLine || shape == PaintShape::kBrush) return o;
  const int16_t x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const int16_t y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  if (x0 == x1 || y0 == y1) return o;
  if (shape == PaintShape::kRectangle) {
    o.appendNode(Node::move({x0, y0}));
    o.appendNode(Node::line({x0, y1}));
    o.appendNode(Node::line({x1, y1}));
    o.appendNode(Node::line({x1, y0}));
    return o;
  }
  const double cx = (x0 + x1) / 2.0, cy = (y0 + y1) / 2.0;
  const double rx = (x1 - x0) / 2.0, ry = (y1 - y0) / 2.0;
  auto at = [&](double angle, double along) {
    const double c = std::cos(angle), s = std::sin(angle);
    return Point{roundToInt16(cx + rx * (c - along * s)), roundToInt16(cy + ry * (s + along * c))};
  };
  const double step = std::numbers::pi / 2;
  o.appendNode(Node::move(at(0, 0)));
  for (int q = 4; q > 0; --q) {
    const double from = q * step, to = (q - 1) * step;
    o.appendNode(Node::curve(at(to, 0), at(from, -kArcHandle), at(to, kArcHandle)));
  }
  return o;
}

}  // namespace

CGlyphWindow::CGlyphWindow(GlyphEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setMouseTracking(true);
  setMinimumSize(200, 200);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
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
      brushPath_.assign(1, fontPoint(toFont(pointer_)));
      pressedAt_ = pointer_;
      break;
    case EditTool::kMeter:
      pressedAt_ = pointer_;
      break;
  }
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
    if (tool_ == EditTool::kPaint && paintShape_ == PaintShape::kBrush)
      brushPath_.push_back(fontPoint(at));
    update();
  }
}

void CGlyphWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pointer_ = event->position();
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
      break;
  }
  update();
  notify();
}

void CGlyphWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (contextMenu)
    contextMenu(event->globalPos(), hitTest(editor_.glyph(), hitView(), toFont(event->pos())));
}

void CGlyphWindow::selectInside(const QRect& band, bool add) {
  Glyph& g = editor_.glyph();
  if (!add) g.deselectAll();
  for (int i = 0; i < g.nodeCount(); ++i)
    if (band.contains(toWidget(g.point(i)))) g.setSelected(i, true);
}

void CGlyphWindow::finishPaint(QPointF start, QPointF end) {
  const Point a = fontPoint(toFont(start)), b = fontPoint(toFont(end));
  Outline object = paintObject(paintShape_, a, b);
  if (paintShape_ == PaintShape::kLine) {
    const Point line[] = {a, b};
    object = strokeOutline(line, brushWidth_);
  } else if (paintShape_ == PaintShape::kBrush) {
    brushPath_.push_back(b);
    object = strokeOutline(brushPath_, brushWidth_);
    brushPath_.clear();
  }
  if (!editor_.applyPaintObject(object, paintColor_)) return;
  glyphChanged();
  if (finished) finished();
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
