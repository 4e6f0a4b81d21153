#include "cidfont/ui/main_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "cidfont/cid_font.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

constexpr std::array<const char*, 8> kCaptions = {
    font_info_text::kFontName,   font_info_text::kFullName, font_info_text::kUidBase,
    font_info_text::kXuid,       font_info_text::kRegistry, font_info_text::kOrdering,
    font_info_text::kSupplement, font_info_text::kNotice};

std::array<std::string*, 8> members(FontInfoFields& f) {
  return {&f.fontName, &f.fullName, &f.uidBase,    &f.xuid,
          &f.registry, &f.ordering, &f.supplement, &f.notice};
}

}  // namespace

CMainPage::CMainPage(QWidget* parent) : QWidget(parent), legend_(new QPlainTextEdit(this)) {
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < kCaptions.size(); ++i) {
    QString caption = QString::fromLatin1(kCaptions[i]);
    auto* field = new QLineEdit(this);
    field->setObjectName(caption.chopped(1));
    form->addRow(caption, field);
    connect(field, &QLineEdit::textEdited, this, [this] {
      edited_ = true;
      emit edited();
    });
    fields_[i] = field;
  }
  legend_->setReadOnly(true);
  legend_->setObjectName(QStringLiteral("Legend"));
  legend_->setMaximumHeight(90);
  auto* legendLabel = new QLabel(QString::fromLatin1(font_info_text::kLegend), this);
  legendLabel->setBuddy(legend_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(legendLabel);
  layout->addWidget(legend_);
  layout->addStretch(1);
  refresh(nullptr);
}

void CMainPage::refresh(const CCidFont* font) {
  if (!font) edited_ = false;
  if (!edited_) {
    FontInfoFields f = font ? fontInfoFields(font->info()) : FontInfoFields{};
    std::array<std::string*, 8> texts = members(f);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      fields_[i]->setText(toQString(*texts[i]));
      fields_[i]->setCursorPosition(0);
    }
  }
  for (QLineEdit* field : fields_) field->setEnabled(font != nullptr);
  legend_->setPlainText(toQString(fontInfoLegend(font)));
}

std::optional<FontInfoFields> CMainPage::takeEdits() {
  if (!edited_) return std::nullopt;
  edited_ = false;
  FontInfoFields f;
  std::array<std::string*, 8> texts = members(f);
  for (std::size_t i = 0; i < fields_.size(); ++i) *texts[i] = fromQString(fields_[i]->text());
  return f;
}

}  // namespace sorvella
