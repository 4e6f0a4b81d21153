// CFontsPage: the "Subset Fonts" page. It lists the CID font's subset fonts, describes the
// selected one and offers the subset font commands, which the main window runs.
#pragma once

#include <QStringList>
#include <QWidget>
#include <filesystem>

#include "cidfont/document.h"

class QCheckBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace sorvella {

class CCidFont;

namespace fonts_page_text {
inline constexpr const char* kAdd = "&Add";
inline constexpr const char* kRemove = "&Remove";
inline constexpr const char* kEdit = "&Edit...";
inline constexpr const char* kExport = "Ex&port...";
inline constexpr const char* kNew = "&New...";
inline constexpr const char* kLocked = "Font is &locked";
inline constexpr const char* kUnlockAll = "U&nlock all";
inline constexpr const char* kLockAll = "Lo&ck all";
inline constexpr const char* kHighlight = "&Highlight glyphs";
// The tooltip of a command whose window this build does not have.
inline constexpr const char* kWindowNotAvailable = "This window is not part of this build.";
}  // namespace fonts_page_text

class CFontsPage : public QWidget {
  Q_OBJECT

 public:
  explicit CFontsPage(QWidget* parent = nullptr);

  // Lists the font's subset fonts (their files in `folder`), keeping the selected position
  // where it still exists, and enables the commands as `states` says for the selection.
  void refresh(const CCidFont* font, const std::filesystem::path& folder);
  void setCommandStates(std::function<SubsetFontCommandStates(int32_t selected)> states);
  // Whether "&Edit..." has a window to open.
  void setEditAvailable(bool available);

  // The selected subset font, or -1.
  int32_t selectedFont() const;
  // The font whose glyphs the charts mark, or -1.
  int32_t highlightedFont() const;

  QListWidget* list() const { return list_; }
  QPlainTextEdit* legend() const { return legend_; }
  // The page's button or check box with this caption, or null.
  QWidget* control(const char* caption) const;

 signals:
  void addRequested();
  void newRequested();
  void removeRequested(int32_t font);
  void editRequested(int32_t font);
  void exportRequested(int32_t font);
  void lockRequested(int32_t font, bool locked);
  void lockAllRequested(bool locked);
  void highlightChanged(int32_t font);

 private:
  void selectionChanged();
  void updateStates();
  QPushButton* button(const char* caption);
  QCheckBox* checkBox(const char* caption);

  QListWidget* list_;
  QPlainTextEdit* legend_;
  QPushButton *add_, *remove_, *edit_, *export_, *new_, *unlockAll_, *lockAll_;
  QCheckBox *locked_, *highlight_;
  const CCidFont* font_ = nullptr;
  bool editAvailable_ = false;
  std::function<SubsetFontCommandStates(int32_t)> states_;
  QStringList fontTexts_;  // "You have selected font number ..." for each subset font
  QString emptyText_;      // the legend when no subset font is selected
};

}  // namespace sorvella
