// CGlyphWindow: the glyph window's drawing surface. It draws the glyph with the shown layers
// and runs the Edit, Erase, DerevoZorov and Meter tools on the mouse.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "editor/edit_geometry.h"
#include "editor/glyph_editor.h"
#include "editor/line_hit.h"
#include "editor/paint_objects.h"
#include "editor/transform_frame.h"
#include "editor/view_mapping.h"

namespace sorvella {

enum class EditTool { kEdit, kErase, kPaint, kMeter, kTransform };

class CGlyphWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CGlyphWindow(GlyphEditor& editor, QWidget* parent = nullptr);

  EditTool tool() const { return tool_; }
  void setTool(EditTool tool);
  // The Transform tool's mode; a click inside the frame switches it.
  FrameMode frameMode() const { return frameMode_; }
  PaintShape paintShape() const { return paintShape_; }
  void setPaintShape(PaintShape shape) { paintShape_ = shape; }
  PaintColor paintColor() const { return paintColor_; }
  void setPaintColor(PaintColor color) { paintColor_ = color; }
  int brushWidth() const { return paintOptions_.width; }
  void setBrushWidth(int width) { paintOptions_.width = width; }
  const PaintOptions& paintOptions() const { return paintOptions_; }
  void setPaintOptions(const PaintOptions& options) { paintOptions_ = options; }
  // The corners of a polygon under way, in font units.
  const std::vector<Point>& polygonCorners() const { return polygon_; }

  int zoom() const { return zoom_; }
  void setZoom(int zoom);
  // The mapping of the last layout; recomputed when the glyph or the size changes, not
  // during a drag, so that the glyph stays under the pointer.
  const ViewMapping& mapping() const { return mapping_; }
  // Recomputes the mapping for the glyph as it is now and redraws.
  void glyphChanged();

  // Pixel position of a font-unit point, and back.
  QPoint toWidget(Point p) const;
  PointerPosition toFont(QPointF widget) const;

  // After every change the tools make (for the window's panels and status bar), and once
  // when an edit is complete (a drag released, a node erased, an object applied).
  std::function<void()> edited;
  std::function<void()> finished;
  // Pointer position in font units, and the Meter tool's texts.
  std::function<void(int x, int y)> pointerMoved;
  std::function<void(const QString& text)> measured;
  // A node or segment under the pointer, else a hint or guide.
  std::function<void(QPoint global, std::optional<Grab> grab, std::optional<LineGrab> line)>
      contextMenu;
  // After a polygon was applied to the glyph.
  std::function<void()> polygonApplied;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  HitTestView hitView() const;
  void pressEdit(QMouseEvent* event);
  void pressTransform();
  void paintFrame(QPainter& painter) const;
  void selectInside(const QRect& band, bool add);
  void finishPaint(QPointF start, QPointF end);
  void addPolygonCorner(QPointF at);
  void finishPolygon();
  bool apply(const Outline& object);
  void measure(QPointF start, QPointF end);
  void notify() {
    if (edited) edited();
  }

  GlyphEditor& editor_;
  EditTool tool_ = EditTool::kEdit;
  PaintShape paintShape_ = PaintShape::kRectangle;
  PaintColor paintColor_ = PaintColor::kBlack;
  PaintOptions paintOptions_;
  std::vector<Point> brushPath_;  // font units of a brush or pen stroke under way
  std::vector<Point> polygon_;
  int zoom_ = kFitZoom;
  ViewMapping mapping_;
  EditDrag drag_;
  bool dragRecorded_ = false;
  FrameMode frameMode_ = FrameMode::kScale;
  // A drag of the Transform tool: the frame and the glyph as they were at the press.
  struct FrameDrag {
    TransformFrame frame;
    FrameHandle handle;
    PointerPosition from;
    Glyph start;
    bool moved = false;
  };
  std::optional<FrameDrag> frameDrag_;
  std::optional<QPointF> pressedAt_;  // band selection, paint object or measure start
  QPointF pointer_;
};

}  // namespace sorvella
