#include "cidfont/ui/fonts_page.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "cidfont/cid_font.h"
#include "cidfont/cid_font_messages.h"
#include "cidfont/font_folder.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

CFontsPage::CFontsPage(QWidget* parent)
    : QWidget(parent), list_(new QListWidget(this)), legend_(new QPlainTextEdit(this)) {
  list_->setObjectName(QStringLiteral("SubsetFonts"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  legend_->setObjectName(QStringLiteral("Legend"));
  legend_->setReadOnly(true);
  legend_->setMaximumHeight(90);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(legend_);
  connect(list_, &QListWidget::currentRowChanged, this, &CFontsPage::showLegend);
  refresh(nullptr, {});
}

void CFontsPage::refresh(const CCidFont* font, const std::filesystem::path& folder) {
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
  showLegend(list_->currentRow());
}

void CFontsPage::showLegend(int row) {
  legend_->setPlainText(row >= 0 && row < fontTexts_.size() ? fontTexts_[row] : emptyText_);
}

}  // namespace sorvella
