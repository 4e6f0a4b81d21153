#include "cidfont/ui/fonts_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "cidfont/cid_font.h"
#include "cidfont/cid_font_messages.h"
#include "cidfont/font_folder.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

CFontsPage::CFontsPage(QWidget* parent)
    : QWidget(parent), list_(new QListWidget(this)), legend_(new QPlainTextEdit(this)) {
  using namespace fonts_page_text;
  list_->setObjectName(QStringLiteral("SubsetFonts"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  legend_->setObjectName(QStringLiteral("Legend"));
  legend_->setReadOnly(true);
  legend_->setMaximumHeight(90);
  add_ = button(kAdd);
  remove_ = button(kRemove);
  edit_ = button(kEdit);
  export_ = button(kExport);
  new_ = button(kNew);
  locked_ = checkBox(kLocked);
  unlockAll_ = button(kUnlockAll);
  lockAll_ = button(kLockAll);
  highlight_ = checkBox(kHighlight);

  auto* buttons = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{add_, remove_, edit_, export_, new_})
    buttons->addWidget(w);
  buttons->addSpacing(12);
  for (QWidget* w : std::initializer_list<QWidget*>{locked_, unlockAll_, lockAll_, highlight_})
    buttons->addWidget(w);
  buttons->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(legend_);

  connect(list_, &QListWidget::currentRowChanged, this, &CFontsPage::selectionChanged);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (edit_->isEnabled()) emit editRequested(selectedFont());
  });
  connect(add_, &QPushButton::clicked, this, &CFontsPage::addRequested);
  connect(new_, &QPushButton::clicked, this, &CFontsPage::newRequested);
  connect(remove_, &QPushButton::clicked, this, [this] { emit removeRequested(selectedFont()); });
  connect(edit_, &QPushButton::clicked, this, [this] { emit editRequested(selectedFont()); });
  connect(export_, &QPushButton::clicked, this, [this] { emit exportRequested(selectedFont()); });
  connect(locked_, &QCheckBox::clicked, this,
          [this](bool checked) { emit lockRequested(selectedFont(), checked); });
  connect(unlockAll_, &QPushButton::clicked, this, [this] { emit lockAllRequested(false); });
  connect(lockAll_, &QPushButton::clicked, this, [this] { emit lockAllRequested(true); });
  connect(highlight_, &QCheckBox::toggled, this,
          [this] { emit highlightChanged(highlightedFont()); });
  setEditAvailable(false);
  refresh(nullptr, {});
}

QPushButton* CFontsPage::button(const char* caption) {
  auto* b = new QPushButton(QString::fromLatin1(caption), this);
  b->setAutoDefault(false);
  return b;
}

QCheckBox* CFontsPage::checkBox(const char* caption) {
  return new QCheckBox(QString::fromLatin1(caption), this);
}

QWidget* CFontsPage::control(const char* caption) const {
  QString text = QString::fromLatin1(caption);
  for (QAbstractButton* b : findChildren<QAbstractButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

void CFontsPage::setCommandStates(std::function<SubsetFontCommandStates(int32_t)> states) {
  states_ = std::move(states);
  updateStates();
}

void CFontsPage::setEditAvailable(bool available) {
  editAvailable_ = available;
  edit_->setToolTip(available ? QString()
                              : QString::fromLatin1(fonts_page_text::kWindowNotAvailable));
  updateStates();
}

int32_t CFontsPage::selectedFont() const {
  int row = list_->currentRow();
  return row >= 0 && row < list_->count() ? row : -1;
}

int32_t CFontsPage::highlightedFont() const {
  return highlight_->isChecked() ? selectedFont() : -1;
}

void CFontsPage::refresh(const CCidFont* font, const std::filesystem::path& folder) {
  font_ = font;
  int row = list_->currentRow();
  QStringList names;
  fontTexts_.clear();
  if (font) {
    for (int32_t f = 0; f < font->subsetFontCount(); ++f) {
      const SubsetFontEntry& entry = font->subsetFont(f);
      names.push_back(
          toQString(entry.name().empty() ? cid_font_text::kUnknownFontName : entry.name()));
      std::filesystem::path file = SubsetFontFilePath(folder, entry.fileStem());
      fontTexts_.push_back(toQString(subsetFontText(*font, f, file.string())));
    }
  }
  emptyText_ =
      QString::fromLatin1(font ? cid_font_text::kNoSubsetFonts : cid_font_text::kNoFontFontsPage);
  {
    QSignalBlocker quiet(list_);
    list_->clear();
    list_->addItems(names);
    if (!names.isEmpty())
      list_->setCurrentRow(std::clamp(row, 0, static_cast<int>(names.size()) - 1));
  }
  selectionChanged();
}

void CFontsPage::selectionChanged() {
  int row = list_->currentRow();
  legend_->setPlainText(row >= 0 && row < fontTexts_.size() ? fontTexts_[row] : emptyText_);
  updateStates();
  if (highlight_->isChecked()) emit highlightChanged(highlightedFont());
}

void CFontsPage::updateStates() {
  int32_t selected = selectedFont();
  SubsetFontCommandStates states = states_ ? states_(selected) : SubsetFontCommandStates{};
  add_->setEnabled(states.add);
  new_->setEnabled(states.newFont);
  remove_->setEnabled(states.remove);
  edit_->setEnabled(states.edit && editAvailable_ && selected >= 0);
  export_->setEnabled(states.exportFont && selected >= 0);
  unlockAll_->setEnabled(states.lockCheck);
  lockAll_->setEnabled(states.lockCheck);
  locked_->setEnabled(states.lockCheck && selected >= 0);
  {
    QSignalBlocker quiet(locked_);
    locked_->setChecked(font_ && selected >= 0 && font_->subsetFont(selected).locked != 0);
  }
  highlight_->setEnabled(selected >= 0);
}

}  // namespace sorvella
