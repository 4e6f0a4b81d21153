// The main window: the CID font's three pages (font information, subset fonts, characters).
#pragma once

#include <QMainWindow>

class QTabWidget;

namespace sorvella {

inline constexpr const char* kMainWindowTitle = "Sorvella";
inline constexpr const char* kFontInfoPageCaption = " Font Info ";
inline constexpr const char* kSubsetFontsPageCaption = "Subset Fonts";
inline constexpr const char* kCharactersPageCaption = "Characters";

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(QWidget* parent = nullptr);

  QTabWidget* pages() const { return pages_; }

 private:
  QTabWidget* pages_;
};

}  // namespace sorvella
