#include "editor/ui/glyph_propety.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/rounding.h"
#include "editor/edit_geometry.h"
#include "editor/edit_menu.h"
#include "editor/outline_walk.h"
#include "editor/selection_transform.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

namespace panel_text {
constexpr const char* kNodePage = "Node";
constexpr const char* kHintPage = "Hint";
constexpr const char* kGuidePage = "Guide";
constexpr const char* kGlyphPage = "Glyph";
constexpr const char* kSelectionPage = "Selection";
constexpr const char* kMetricsPage = "Metrics";
constexpr const char* kStartNode = "Starting node of a contour";
constexpr const char* kLine = "Straight line segment";
constexpr const char* kCurve = "Bezier curve";
constexpr const char* kHorizontalGuide = "Horizontal guideline";
constexpr const char* kVerticalGuide = "Vertical guideline";
constexpr const char* kHorizontalHint = "Horizontal hint";
constexpr const char* kVerticalHint = "Vertical hint";
constexpr const char* kConnections[] = {"Sharp", "Smooth", "Fixed"};
constexpr uint16_t kConnectionValues[] = {node_flag::kSharp, node_flag::kSmooth, node_flag::kFixed};
constexpr const char* kToDo[] = {"Move horizontally", "Move vertically", "Scale (%)",
                                 "Rotate (degrees)", "Slant (degrees)"};
constexpr const char* kCenters[] = {"Origin", "Center of selection"};
}  // namespace panel_text

QLineEdit* numberField(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setMaximumWidth(90);
  return field;
}

int16_t fieldValue(const QLineEdit* field, bool& ok) {
  const int v = field->text().trimmed().toInt(&ok);
  ok = ok && v >= -32768 && v <= 32767;
  return static_cast<int16_t>(v);
}

}  // namespace

CNodeProp::CNodeProp(GlyphEditor& editor, QWidget* parent) : CPropBase(editor, parent) {
  auto* layout = new QVBoxLayout(this);
  kind_ = new QLabel(this);
  layout->addWidget(kind_);
  auto* fields = new QHBoxLayout;
  x_ = numberField(this);
  y_ = numberField(this);
  fields->addWidget(x_);
  fields->addWidget(y_);
  layout->addLayout(fields);
  connection_ = new QComboBox(this);
  for (const char* c : panel_text::kConnections) connection_->addItem(c);
  layout->addWidget(connection_);
  auto* buttons = new QHBoxLayout;
  auto* selected = new QPushButton("&Selected", this);
  absolute_ = new QPushButton("&Abs", this);
  absolute_->setCheckable(true);
  absolute_->setChecked(true);
  auto* previous = new QPushButton("&Prev", this);
  auto* next = new QPushButton("&Next", this);
  for (QPushButton* b : {selected, absolute_, previous, next}) buttons->addWidget(b);
  layout->addLayout(buttons);
  layout->addStretch();
  connect(x_, &QLineEdit::editingFinished, this, &CNodeProp::apply);
  connect(y_, &QLineEdit::editingFinished, this, &CNodeProp::apply);
  connect(absolute_, &QPushButton::toggled, this, &CNodeProp::refresh);
  connect(previous, &QPushButton::clicked, this, [this] { step(-1); });
  connect(next, &QPushButton::clicked, this, [this] { step(1); });
  connect(selected, &QPushButton::clicked, this, [this] {
    Glyph& g = editor_.glyph();
    const int n = g.highlightedNode();
    if (!g.hasNode(n)) return;
    g.setSelected(n, !g.isSelected(n));
    done();
  });
  connect(connection_, &QComboBox::activated, this, [this](int index) {
    Glyph& g = editor_.glyph();
    const int n = g.highlightedNode();
    if (!g.hasNode(n) || !g.canSetConnection(n)) return;
    editor_.recordEdit(EditKind::kConnection);
    g.setConnection(n, panel_text::kConnectionValues[index]);
    done();
  });
}

void CNodeProp::refresh() {
  const Glyph& g = editor_.glyph();
  const int n = g.highlightedNode();
  setEnabled(g.hasNode(n));
  if (!g.hasNode(n)) {
    kind_->clear();
    x_->clear();
    y_->clear();
    return;
  }
  const uint8_t type = g.type(n);
  kind_->setText(type == node_type::kMove   ? panel_text::kStartNode
                 : type == node_type::kLine ? panel_text::kLine
                                            : panel_text::kCurve);
  Point p = g.point(n);
  if (!absolute_->isChecked()) {
    const Point from = g.point(previousInContour(g, n));
    p = {static_cast<int16_t>(p.x - from.x), static_cast<int16_t>(p.y - from.y)};
  }
  if (!x_->hasFocus()) x_->setText(QString::number(p.x));
  if (!y_->hasFocus()) y_->setText(QString::number(p.y));
  const uint16_t c = nodeConnectionOf(g.header(n));
  connection_->setCurrentIndex(c == node_flag::kFixed ? 2 : c == node_flag::kSmooth ? 1 : 0);
  connection_->setEnabled(g.canSetConnection(n));
}

void CNodeProp::apply() {
  Glyph& g = editor_.glyph();
  const int n = g.highlightedNode();
  bool okX = false, okY = false;
  const int16_t x = fieldValue(x_, okX), y = fieldValue(y_, okY);
  if (!g.hasNode(n) || !okX || !okY) return refresh();
  Point to{x, y};
  if (!absolute_->isChecked()) {
    const Point from = g.point(previousInContour(g, n));
    to = {static_cast<int16_t>(from.x + x), static_cast<int16_t>(from.y + y)};
  }
  if (to == g.point(n)) return;
  editor_.recordEdit(EditKind::kProperties);
  moveEndPoint(g, 0, n, to);
  done();
}

void CNodeProp::step(int by) {
  Glyph& g = editor_.glyph();
  if (g.empty()) return;
  const int n = g.hasNode(g.highlightedNode()) ? g.highlightedNode() : 0;
  g.setHighlight((n + by + g.nodeCount()) % g.nodeCount(), 0);
  done();
}

CHintProp::CHintProp(GlyphEditor& editor, QWidget* parent) : CPropBase(editor, parent) {
  auto* layout = new QFormLayout(this);
  choice_ = new QComboBox(this);
  kind_ = new QLabel(this);
  position_ = numberField(this);
  width_ = numberField(this);
  layout->addRow(choice_);
  layout->addRow(kind_);
  layout->addRow(position_, width_);
  connect(choice_, &QComboBox::activated, this, &CHintProp::refresh);
  connect(position_, &QLineEdit::editingFinished, this, &CHintProp::apply);
  connect(width_, &QLineEdit::editingFinished, this, &CHintProp::apply);
}

void CHintProp::refresh() {
  const auto& hints = editor_.glyph().hints();
  const int keep = choice_->currentIndex();
  choice_->clear();
  if (hints) {
    for (std::size_t i = 0; i < hints->horizontal.size(); ++i)
      choice_->addItem(QString("%1 %2").arg(panel_text::kHorizontalHint).arg(i + 1));
    for (std::size_t i = 0; i < hints->vertical.size(); ++i)
      choice_->addItem(QString("%1 %2").arg(panel_text::kVerticalHint).arg(i + 1));
  }
  choice_->setCurrentIndex(std::clamp(keep, 0, choice_->count() - 1));
  const int index = choice_->currentIndex();
  if (!hints || index < 0) {
    kind_->clear();
    position_->clear();
    width_->clear();
    return;
  }
  const bool horizontal = index < static_cast<int>(hints->horizontal.size());
  const Hint& h = horizontal ? hints->horizontal[static_cast<std::size_t>(index)]
                             : hints->vertical[index - hints->horizontal.size()];
  kind_->setText(horizontal ? panel_text::kHorizontalHint : panel_text::kVerticalHint);
  if (h.masters.empty()) return;
  position_->setText(QString::number(h.masters[0].position));
  width_->setText(QString::number(h.masters[0].width));
}

void CHintProp::choose(int index) {
  refresh();
  choice_->setCurrentIndex(std::clamp(index, 0, choice_->count() - 1));
  refresh();
}

void CHintProp::apply() {
  auto& hints = editor_.glyph().hints();
  const int index = choice_->currentIndex();
  bool okP = false, okW = false;
  const int16_t p = fieldValue(position_, okP), w = fieldValue(width_, okW);
  if (!hints || index < 0 || !okP || !okW) return;
  const bool horizontal = index < static_cast<int>(hints->horizontal.size());
  const std::size_t i = horizontal ? static_cast<std::size_t>(index)
                                   : static_cast<std::size_t>(index) - hints->horizontal.size();
  Hint current = horizontal ? hints->horizontal[i] : hints->vertical[i];
  if (current.masters.empty() || current.masters[0] == (Stem{p, w})) return;
  editor_.recordEdit(EditKind::kProperties);
  auto& stem =
      (horizontal ? editor_.glyph().hints()->horizontal[i] : editor_.glyph().hints()->vertical[i])
          .masters[0];
  stem = Stem{p, w};
  done();
}

CGuideProp::CGuideProp(GlyphEditor& editor, QWidget* parent) : CPropBase(editor, parent) {
  auto* layout = new QFormLayout(this);
  choice_ = new QComboBox(this);
  kind_ = new QLabel(this);
  position_ = numberField(this);
  slope_ = numberField(this);
  layout->addRow(choice_);
  layout->addRow(kind_);
  layout->addRow(position_, slope_);
  connect(choice_, &QComboBox::activated, this, &CGuideProp::refresh);
  connect(position_, &QLineEdit::editingFinished, this, &CGuideProp::apply);
  connect(slope_, &QLineEdit::editingFinished, this, &CGuideProp::apply);
}

void CGuideProp::refresh() {
  const auto& guides = editor_.glyph().guides();
  const int keep = choice_->currentIndex();
  choice_->clear();
  if (guides) {
    for (std::size_t i = 0; i < guides->horizontal.size(); ++i)
      choice_->addItem(QString("%1 %2").arg(panel_text::kHorizontalGuide).arg(i + 1));
    for (std::size_t i = 0; i < guides->vertical.size(); ++i)
      choice_->addItem(QString("%1 %2").arg(panel_text::kVerticalGuide).arg(i + 1));
  }
  choice_->setCurrentIndex(std::clamp(keep, 0, choice_->count() - 1));
  const int index = choice_->currentIndex();
  if (!guides || index < 0) {
    kind_->clear();
    position_->clear();
    slope_->clear();
    return;
  }
  const bool horizontal = index < static_cast<int>(guides->horizontal.size());
  const Guide& g = horizontal ? guides->horizontal[static_cast<std::size_t>(index)]
                              : guides->vertical[index - guides->horizontal.size()];
  kind_->setText(horizontal ? panel_text::kHorizontalGuide : panel_text::kVerticalGuide);
  if (g.masters.empty()) return;
  position_->setText(QString::number(g.masters[0].position));
  slope_->setText(QString::number(g.masters[0].slope));
}

void CGuideProp::choose(int index) {
  refresh();
  choice_->setCurrentIndex(std::clamp(index, 0, choice_->count() - 1));
  refresh();
}

void CGuideProp::apply() {
  auto& guides = editor_.glyph().guides();
  const int index = choice_->currentIndex();
  bool okP = false, okS = false;
  const int16_t p = fieldValue(position_, okP), s = fieldValue(slope_, okS);
  if (!guides || index < 0 || !okP || !okS) return;
  const bool horizontal = index < static_cast<int>(guides->horizontal.size());
  const std::size_t i = horizontal ? static_cast<std::size_t>(index)
                                   : static_cast<std::size_t>(index) - guides->horizontal.size();
  const Guide current = horizontal ? guides->horizontal[i] : guides->vertical[i];
  if (current.masters.empty() || current.masters[0] == (GuideValue{p, s})) return;
  editor_.recordEdit(EditKind::kProperties);
  auto& value =
      (horizontal ? editor_.glyph().guides()->horizontal[i] : editor_.glyph().guides()->vertical[i])
          .masters[0];
  value = GuideValue{p, s};
  done();
}

CPropGlyph::CPropGlyph(GlyphEditor& editor, QWidget* parent) : CPropBase(editor, parent) {
  auto* layout = new QFormLayout(this);
  font_ = new QLabel(this);
  name_ = new QLabel(this);
  layout->addRow("Font:", font_);
  layout->addRow("Name:", name_);
}

void CPropGlyph::refresh() {
  font_->setText(toQString(editor_.font().info().fontName()));
  name_->setText(toQString(editor_.glyph().name()));
}

CPropMetrics::CPropMetrics(GlyphEditor& editor, QWidget* parent) : CPropBase(editor, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Glyph's metrics", this));
  auto* fields = new QHBoxLayout;
  left_ = numberField(this);
  advance_ = numberField(this);
  right_ = numberField(this);
  for (QLineEdit* f : {left_, advance_, right_}) {
    fields->addWidget(f);
    connect(f, &QLineEdit::editingFinished, this, &CPropMetrics::apply);
  }
  layout->addLayout(fields);
  layout->addStretch();
}

void CPropMetrics::refresh() {
  const Glyph& g = editor_.glyph();
  const Box box = g.boundingBox();
  const int advance = g.advance(0).x;
  advance_->setText(QString::number(advance));
  left_->setText(box.empty() ? QString() : QString::number(box.xMin));
  right_->setText(box.empty() ? QString() : QString::number(advance - box.xMax));
}

void CPropMetrics::apply() {
  Glyph& g = editor_.glyph();
  const Box box = g.boundingBox();
  bool okL = false, okA = false, okR = false;
  const int16_t left = fieldValue(left_, okL), advance = fieldValue(advance_, okA),
                right = fieldValue(right_, okR);
  const int16_t oldAdvance = g.advance(0).x;
  if (okA && advance != oldAdvance) {
    editor_.recordEdit(EditKind::kProperties);
    g.setAdvance(0, {advance, g.advance(0).y});
  } else if (!box.empty() && okL && left != box.xMin) {
    // A new left side bearing moves the outline and keeps the right one.
    const int shift = left - box.xMin;
    editor_.recordEdit(EditKind::kProperties);
    g.selectAll();
    transformSelection(g, 0, moveTransform(shift, 0));
    g.deselectAll();
    g.setAdvance(0, {clampToInt16(oldAdvance + shift), g.advance(0).y});
  } else if (!box.empty() && okR && right != oldAdvance - box.xMax) {
    editor_.recordEdit(EditKind::kProperties);
    g.setAdvance(0, {clampToInt16(box.xMax + right), g.advance(0).y});
  } else {
    return refresh();
  }
  done();
}

CPropSelection::CPropSelection(GlyphEditor& editor, QWidget* parent) : CPropBase(editor, parent) {
  auto* layout = new QFormLayout(this);
  count_ = new QLabel(this);
  toDo_ = new QComboBox(this);
  for (const char* item : panel_text::kToDo) toDo_->addItem(item);
  center_ = new QComboBox(this);
  for (const char* item : panel_text::kCenters) center_->addItem(item);
  amount_ = numberField(this);
  auto* amountRow = new QHBoxLayout;
  amountRow->addWidget(amount_);
  amountRow->addWidget(new QLabel("units", this));
  apply_ = new QPushButton("&Apply", this);
  layout->addRow(count_);
  layout->addRow("To do:", toDo_);
  layout->addRow("Center:", center_);
  layout->addRow("Amount:", amountRow);
  layout->addRow(apply_);
  connect(apply_, &QPushButton::clicked, this, &CPropSelection::apply);
}

void CPropSelection::refresh() {
  count_->setText(
      QString::fromStdString(GlyphEditor::selectionText(editor_.glyph().countSelected())));
  apply_->setEnabled(editor_.glyph().anySelected());
}

void CPropSelection::apply() {
  Glyph& g = editor_.glyph();
  bool ok = false;
  const double amount = amount_->text().trimmed().toDouble(&ok);
  if (!ok || !g.anySelected()) return;
  Point centre{};
  if (center_->currentIndex() == 1) {
    Box box;
    for (int i = 0; i < g.nodeCount(); ++i)
      if (g.isSelected(i)) box.include(g.point(i));
    centre = {static_cast<int16_t>((box.xMin + box.xMax) / 2),
              static_cast<int16_t>((box.yMin + box.yMax) / 2)};
  }
  PointTransform transform;
  switch (toDo_->currentIndex()) {
    case 0:
      transform = moveTransform(static_cast<int>(amount), 0);
      break;
    case 1:
      transform = moveTransform(0, static_cast<int>(amount));
      break;
    case 2:
      transform = scaleTransform(centre, amount / 100, amount / 100);
      break;
    case 3:
      transform = rotateTransform(amount, centre);
      break;
    default:
      transform = slantTransform(amount, centre.y);
      break;
  }
  editor_.recordEdit(EditKind::kTransform);
  transformSelection(g, 0, transform);
  done();
}

CGlyphPropety::CGlyphPropety(GlyphEditor& editor, QWidget* parent)
    : QDockWidget(edit_menu_text::kPropertiesTitle, parent), editor_(editor) {
  pages_ = new QTabWidget(this);
  node_ = new CNodeProp(editor, pages_);
  selection_ = new CPropSelection(editor, pages_);
  hint_ = new CHintProp(editor, pages_);
  guide_ = new CGuideProp(editor, pages_);
  panels_ = {node_,      hint_,
             guide_,     new CPropGlyph(editor, pages_),
             selection_, new CPropMetrics(editor, pages_)};
  const char* titles[] = {panel_text::kNodePage,      panel_text::kHintPage,
                          panel_text::kGuidePage,     panel_text::kGlyphPage,
                          panel_text::kSelectionPage, panel_text::kMetricsPage};
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    pages_->addTab(panels_[i], titles[i]);
    panels_[i]->changed = [this] {
      if (changed) changed();
    };
  }
  setWidget(pages_);
}

void CGlyphPropety::refresh() {
  for (CPropBase* panel : panels_) panel->refresh();
}

void CGlyphPropety::showNodePage() {
  pages_->setCurrentWidget(node_);
  show();
}

void CGlyphPropety::showLinePage(const LineGrab& line) {
  const Glyph& g = editor_.glyph();
  switch (line.kind) {
    case LineKind::kHorizontalHint:
      hint_->choose(line.index);
      break;
    case LineKind::kVerticalHint:
      hint_->choose(line.index + static_cast<int>(g.hints() ? g.hints()->horizontal.size() : 0));
      break;
    case LineKind::kHorizontalGuide:
      guide_->choose(line.index);
      break;
    case LineKind::kVerticalGuide:
      guide_->choose(line.index + static_cast<int>(g.guides() ? g.guides()->horizontal.size() : 0));
      break;
  }
  const bool hint = line.kind == LineKind::kHorizontalHint || line.kind == LineKind::kVerticalHint;
  pages_->setCurrentWidget(hint ? static_cast<QWidget*>(hint_) : guide_);
  show();
}

void CGlyphPropety::showSelectionPage() {
  pages_->setCurrentWidget(selection_);
  show();
}

}  // namespace sorvella
