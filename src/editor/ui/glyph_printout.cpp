#include "editor/ui/glyph_printout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <algorithm>

#include "editor/view_mapping.h"
#include "glyph/outline_pen.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

// The glyph's path in font units, y up.
class PrintPen : public OutlinePen {
 public:
  explicit PrintPen(QPainterPath& path) : path_(path) {}
  void moveTo(Point p) override { path_.moveTo(p.x, p.y); }
  void lineTo(Point p) override { path_.lineTo(p.x, p.y); }
  void curveTo(Point, Point c1, Point c2, Point e) override {
    path_.cubicTo(c1.x, c1.y, c2.x, c2.y, e.x, e.y);
  }
  void quadTo(WidePoint, WidePoint c, WidePoint e, bool) override {
    path_.quadTo(c.x / 2.0, c.y / 2.0, e.x / 2.0, e.y / 2.0);
  }
  void closePath() override { path_.closeSubpath(); }

 private:
  QPainterPath& path_;
};

}  // namespace

void paintGlyphPrintout(QPainter& painter, const QRect& page, GlyphEditor& editor) {
  const Glyph& glyph = editor.glyph();
  QFont font = painter.font();
  font.setPixelSize(std::max(page.height() / 40, 8));
  painter.setFont(font);
  const int line = QFontMetrics(font).height();
  painter.setPen(Qt::black);
  painter.drawText(page.left(), page.top() + line, kGlyphPrintoutHeading);
  painter.drawText(page.left(), page.top() + 2 * line,
                   toQString(editor.font().info().fontName()) + "  " + toQString(glyph.name()) +
                       "  " + QString::number(editor.glyphNumber()));
  const QRect area = page.adjusted(0, 3 * line, 0, 0);
  const Box box = glyphViewBox(glyph, 0);
  const ViewMapping fit =
      ViewMapping::make(kFitZoom, box, area.width(), area.height(), editor.options().fitAscender,
                        editor.options().fitDescender);
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  PrintPen pen(path);
  glyph.enumerate(pen, 0);
  const ScreenPoint origin = fit.toScreen(0, 0);
  painter.save();
  painter.translate(area.left() + origin.x, area.top() + origin.y);
  painter.scale(fit.scale(), -fit.scale());
  painter.fillPath(path, Qt::black);
  painter.restore();
}

bool printGlyph(QPrinter& printer, GlyphEditor& editor) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The painter's origin is the top left of the printable area.
  QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  page.moveTopLeft(QPoint(0, 0));
  paintGlyphPrintout(painter, page, editor);
  return painter.end();
}

}  // namespace sorvella
