#include "cidfont/ui/chars_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cidfont/ui/fonts_page.h"
#include "cmap/cmap_header_fields.h"
#include "cmap/cmap_legend.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

CCharPage::CCharPage(QWidget* parent) : QWidget(parent), legend_(new QPlainTextEdit(this)) {
  using namespace chars_page_text;
  legend_->setObjectName(QStringLiteral("CMapLegend"));
  legend_->setReadOnly(true);
  auto* label = new QLabel(QString::fromLatin1(kLegend), this);
  label->setBuddy(legend_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  legend_->setMaximumHeight(120);
  layout->addWidget(legend_);
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  layout->addStretch(1);
  auto add = [&](const char* caption, void (CCharPage::*signal)()) {
    QPushButton* b = addButton(caption, signal);
    row->addWidget(b);
    return b;
  };
  add(kNew, &CCharPage::newRequested);
  add(kOpen, &CCharPage::openRequested);
  save_ = add(kSave, &CCharPage::saveRequested);
  saveAs_ = add(kSaveAs, &CCharPage::saveAsRequested);
  base_ = add(kBaseCMapOnCaption, &CCharPage::baseRequested);
  header_ = add(kHeader, &CCharPage::headerRequested);
  show_ = add(kShowCMap, &CCharPage::showCMapRequested);
  row->addStretch(1);
  setShowCMapAvailable(false);
  refresh(nullptr, std::nullopt, false);
}

QPushButton* CCharPage::addButton(const char* caption, void (CCharPage::*signal)()) {
  auto* b = new QPushButton(QString::fromLatin1(caption), this);
  b->setAutoDefault(false);
  connect(b, &QPushButton::clicked, this, signal);
  return b;
}

QPushButton* CCharPage::button(const char* caption) const {
  QString text = QString::fromLatin1(caption);
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

void CCharPage::refresh(const CCodeMap* cmap, std::optional<std::string_view> fontOrdering,
                        bool canSave) {
  legend_->setPlainText(toQString(cmapLegend(cmap, fontOrdering)));
  save_->setEnabled(canSave);
  saveAs_->setEnabled(cmap != nullptr);
  base_->setEnabled(cmap != nullptr);
  header_->setEnabled(cmap != nullptr);
}

void CCharPage::setShowCMapAvailable(bool available) {
  showAvailable_ = available;
  show_->setEnabled(available);
  show_->setToolTip(available ? QString()
                              : QString::fromLatin1(fonts_page_text::kWindowNotAvailable));
}

}  // namespace sorvella
