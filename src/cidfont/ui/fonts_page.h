// CFontsPage: the "Subset Fonts" page. It lists the CID font's subset fonts and describes the
// selected one; the page's commands come later.
#pragma once

#include <QStringList>
#include <QWidget>
#include <filesystem>

class QListWidget;
class QPlainTextEdit;

namespace sorvella {

class CCidFont;

class CFontsPage : public QWidget {
  Q_OBJECT

 public:
  explicit CFontsPage(QWidget* parent = nullptr);

  // Lists the font's subset fonts (their files in `folder`), keeping the selected position
  // where it still exists; without a font the list is empty and the legend says so.
  void refresh(const CCidFont* font, const std::filesystem::path& folder);

  QListWidget* list() const { return list_; }
  QPlainTextEdit* legend() const { return legend_; }

 private:
  void showLegend(int row);

  QListWidget* list_;
  QPlainTextEdit* legend_;
  QStringList fontTexts_;  // "You have selected font number ..." for each subset font
  QString emptyText_;      // the legend when no subset font is selected
};

}  // namespace sorvella
