#include "cidfont/ui/options_sheet.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

QString text(const char* constant) {
  return QString::fromLatin1(constant);
}

QSpinBox* spinBox(QWidget* parent, const char* name, int value, int minimum, int maximum) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(minimum, maximum);
  box->setValue(value);
  return box;
}

QSpinBox* int16Box(QWidget* parent, const char* name, int value) {
  return spinBox(parent, name, value, std::numeric_limits<int16_t>::min(),
                 std::numeric_limits<int16_t>::max());
}

QSpinBox* int32Box(QWidget* parent, const char* name, int value) {
  return spinBox(parent, name, value, std::numeric_limits<int32_t>::min(),
                 std::numeric_limits<int32_t>::max());
}

QCheckBox* checkBox(QWidget* parent, const char* caption, const char* name, bool checked) {
  auto* box = new QCheckBox(text(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(checked);
  return box;
}

QLineEdit* ratioField(QWidget* parent, const char* name, const std::string& value) {
  auto* field = new QLineEdit(toQString(value), parent);
  field->setObjectName(QString::fromLatin1(name));
  return field;
}

}  // namespace

COptionsSheet::COptionsSheet(const Options& options, QWidget* parent)
    : QDialog(parent), pages_(new QTabWidget(this)) {
  setWindowTitle(text(options_text::kSheetTitle));
  pages_->addTab(makeGlyphEditPage(glyphEditPage(options)), text(options_text::kGlyphEditPage));
  pages_->addTab(makeAutohintingPage(autohintingPage(options)),
                 text(options_text::kAutohintingPage));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(buttons);
}

QWidget* COptionsSheet::makeGlyphEditPage(const GlyphEditPage& page) {
  auto* widget = new QWidget(pages_);
  gridX_ = int16Box(widget, "gridX", page.gridX);
  gridY_ = int16Box(widget, "gridY", page.gridY);
  snapToGrid_ = checkBox(widget, options_text::kSnapToGrid, "snapToGrid", page.snapToGrid);
  snapToMargins_ =
      checkBox(widget, options_text::kSnapToMargins, "snapToMargins", page.snapToMargins);
  auto* grid = new QFormLayout;
  grid->addRow(text(options_text::kHorizontalGrid), gridX_);
  grid->addRow(text(options_text::kVerticalGrid), gridY_);
  grid->addRow(snapToGrid_);
  grid->addRow(snapToMargins_);

  auto* alignment = new QGroupBox(text(options_text::kVerticalAlignment), widget);
  ascender_ = int32Box(alignment, "ascender", page.ascender);
  descender_ = int32Box(alignment, "descender", page.descender);
  auto* fit = new QFormLayout(alignment);
  fit->addRow(text(options_text::kAscender), ascender_);
  fit->addRow(text(options_text::kDescender), descender_);

  auto* overlap = new QGroupBox(text(overlap_option_text::kGroup), widget);
  correctOrientation_ = checkBox(overlap, overlap_option_text::kCorrectOrientation,
                                 "correctOrientation", page.overlap.correctOrientation);
  atmFill_ = new QRadioButton(text(overlap_option_text::kAtmFillMode), overlap);
  atmFill_->setObjectName(QStringLiteral("atmFillMode"));
  postScriptFill_ = new QRadioButton(text(overlap_option_text::kPostScriptFillMode), overlap);
  postScriptFill_->setObjectName(QStringLiteral("postScriptFillMode"));
  (page.overlap.atmFillMode ? atmFill_ : postScriptFill_)->setChecked(true);
  auto* modes = new QVBoxLayout(overlap);
  modes->addWidget(correctOrientation_);
  modes->addWidget(atmFill_);
  modes->addWidget(postScriptFill_);

  auto* layout = new QVBoxLayout(widget);
  layout->addLayout(grid);
  layout->addWidget(alignment);
  layout->addWidget(overlap);
  layout->addStretch(1);
  return widget;
}

QWidget* COptionsSheet::makeAutohintingPage(const AutohintingPage& page) {
  auto* widget = new QWidget(pages_);
  minHWidth_ = int32Box(widget, "minHWidth", page.minHWidth);
  maxHWidth_ = int32Box(widget, "maxHWidth", page.maxHWidth);
  minHLength_ = int32Box(widget, "minHLength", page.minHLength);
  minVWidth_ = int32Box(widget, "minVWidth", page.minVWidth);
  maxVWidth_ = int32Box(widget, "maxVWidth", page.maxVWidth);
  minVLength_ = int32Box(widget, "minVLength", page.minVLength);
  hRatio_ = ratioField(widget, "hRatio", page.hRatio);
  vRatio_ = ratioField(widget, "vRatio", page.vRatio);
  removeHints_ = checkBox(widget, options_text::kRemoveHints, "removeHints", page.removeHints);

  auto* table = new QGridLayout;
  table->addWidget(new QLabel(text(options_text::kMinWidth), widget), 0, 1);
  table->addWidget(new QLabel(text(options_text::kMaxWidth), widget), 0, 2);
  table->addWidget(new QLabel(text(options_text::kMinLength), widget), 0, 3);
  table->addWidget(new QLabel(text(options_text::kHorizontalHints), widget), 1, 0);
  table->addWidget(minHWidth_, 1, 1);
  table->addWidget(maxHWidth_, 1, 2);
  table->addWidget(minHLength_, 1, 3);
  table->addWidget(new QLabel(text(options_text::kVerticalHints), widget), 2, 0);
  table->addWidget(minVWidth_, 2, 1);
  table->addWidget(maxVWidth_, 2, 2);
  table->addWidget(minVLength_, 2, 3);
  auto* ratios = new QHBoxLayout;
  ratios->addWidget(new QLabel(text(options_text::kAspectRatio), widget));
  ratios->addWidget(new QLabel(QStringLiteral("H"), widget));
  ratios->addWidget(hRatio_);
  ratios->addWidget(new QLabel(QStringLiteral("V"), widget));
  ratios->addWidget(vRatio_);

  auto* layout = new QVBoxLayout(widget);
  layout->addLayout(table);
  layout->addLayout(ratios);
  layout->addWidget(removeHints_);
  layout->addStretch(1);
  return widget;
}

GlyphEditPage COptionsSheet::glyphEdit() const {
  GlyphEditPage page;
  page.gridX = static_cast<int16_t>(gridX_->value());
  page.gridY = static_cast<int16_t>(gridY_->value());
  page.snapToGrid = snapToGrid_->isChecked();
  page.snapToMargins = snapToMargins_->isChecked();
  page.ascender = ascender_->value();
  page.descender = descender_->value();
  page.overlap.correctOrientation = correctOrientation_->isChecked();
  page.overlap.atmFillMode = atmFill_->isChecked();
  return page;
}

AutohintingPage COptionsSheet::autohinting() const {
  AutohintingPage page;
  page.minHWidth = minHWidth_->value();
  page.maxHWidth = maxHWidth_->value();
  page.minVWidth = minVWidth_->value();
  page.maxVWidth = maxVWidth_->value();
  page.minHLength = minHLength_->value();
  page.minVLength = minVLength_->value();
  page.hRatio = fromQString(hRatio_->text());
  page.vRatio = fromQString(vRatio_->text());
  page.removeHints = removeHints_->isChecked();
  return page;
}

void COptionsSheet::accept() {
  for (QLineEdit* field : {hRatio_, vRatio_}) {
    if (acceptedRatio(fromQString(field->text()))) continue;
    QMessageBox::warning(this, windowTitle(), text(options_text::kRatioRefused));
    pages_->setCurrentWidget(field->parentWidget());
    field->setFocus();
    field->selectAll();
    return;
  }
  QDialog::accept();
}

bool runOptionsSheet(QWidget* parent, Options& options, Profile& profile) {
  COptionsSheet sheet(options, parent);
  if (sheet.exec() != QDialog::Accepted) return false;
  Options taken = options;
  applyGlyphEditPage(sheet.glyphEdit(), taken);
  if (!applyAutohintingPage(sheet.autohinting(), taken)) return false;  // accept() refused it
  options = taken;
  if (!saveOptions(options, profile))
    QMessageBox::warning(parent, text(options_text::kSheetTitle),
                         text(options_text::kOptionsNotSaved));
  return true;
}

}  // namespace sorvella
