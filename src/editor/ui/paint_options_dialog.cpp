#include "editor/ui/paint_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

namespace sorvella {

namespace {

constexpr int kMaxBrushWidth = 1000;

QComboBox* choices(QWidget* parent, std::span<const char* const> items, int current) {
  auto* box = new QComboBox(parent);
  for (const char* item : items) box->addItem(item);
  box->setCurrentIndex(std::clamp(current, 0, box->count() - 1));
  return box;
}

}  // namespace

PaintOptionsDialog::PaintOptionsDialog(const PaintOptions& options, QWidget* parent)
    : QDialog(parent), initial_(options) {
  using namespace paint_options_text;
  setWindowTitle(kTitle);
  auto* layout = new QVBoxLayout(this);
  auto* brush = new QFormLayout;
  width_ = new QSpinBox(this);
  width_->setRange(1, kMaxBrushWidth);
  width_->setValue(options.width);
  angle_ = new QSpinBox(this);
  angle_->setRange(-180, 180);
  angle_->setValue(options.angle);
  cap_ = choices(this, kPaintCaps, static_cast<int>(options.cap));
  join_ = choices(this, kPaintJoins, static_cast<int>(options.join));
  brush->addRow(kWidth, width_);
  brush->addRow(kAngle, angle_);
  brush->addRow(kCap, cap_);
  brush->addRow(kJoin, join_);
  layout->addLayout(brush);
  auto* polygon = new QGroupBox(kPolygonTool, this);
  auto* polygonLayout = new QVBoxLayout(polygon);
  contour_ = new QRadioButton(kContourPolygon, polygon);
  trace_ = new QRadioButton(kBrushTrace, polygon);
  polygonLayout->addWidget(contour_);
  polygonLayout->addWidget(trace_);
  (options.polygon == PolygonMode::kBrushTrace ? trace_ : contour_)->setChecked(true);
  autoTransform_ = new QCheckBox(kAutoTransform, polygon);
  autoTransform_->setChecked(options.autoTransform);
  polygonLayout->addWidget(autoTransform_);
  layout->addWidget(polygon);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

PaintOptions PaintOptionsDialog::options() const {
  // Fields the dialog does not show (the brush kind) stay as they came.
  PaintOptions o = initial_;
  o.width = width_->value();
  o.angle = angle_->value();
  o.cap = static_cast<PaintCap>(cap_->currentIndex());
  o.join = static_cast<PaintJoin>(join_->currentIndex());
  o.polygon = trace_->isChecked() ? PolygonMode::kBrushTrace : PolygonMode::kContour;
  o.autoTransform = autoTransform_->isChecked();
  return o;
}

}  // namespace sorvella
