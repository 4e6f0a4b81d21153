// CMainFrame: the main window. It owns the CID font document, built over the Qt dialogs, the
// settings file and the standard importers and exporters; the "&File" menu runs the document
// commands, and the three pages (font information, subset fonts, characters) show the font.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <filesystem>
#include <memory>

#include "cidfont/settings.h"
#include "platform/fontconfig/fontconfig_system_fonts.h"
#include "platform/ini_file_profile.h"
#include "platform/qt/qt_busy_indicator.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_font_folder_dialog.h"
#include "platform/qt/qt_input_dialogs.h"
#include "platform/qt/qt_prompts.h"

class QAction;
class QTabWidget;

namespace sorvella {

class CFontsPage;
class CMainPage;
class Document;

inline constexpr const char* kMainWindowTitle = "Sorvella";
inline constexpr const char* kFontInfoPageCaption = " Font Info ";
inline constexpr const char* kSubsetFontsPageCaption = "Subset Fonts";
inline constexpr const char* kCharactersPageCaption = "Characters";

namespace menu_text {
inline constexpr const char* kFile = "&File";
inline constexpr const char* kNew = "&New";
inline constexpr const char* kOpen = "&Open";
inline constexpr const char* kSave = "&Save";
inline constexpr const char* kImport = "&Import";
inline constexpr const char* kExport = "&Export";
inline constexpr const char* kAddBaseFont = "Add &Base Font...";
inline constexpr const char* kExit = "E&xit";
}  // namespace menu_text

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // With the settings file of the settings location (SORVELLA_INI or the user's folder).
  explicit CMainFrame(QWidget* parent = nullptr);
  explicit CMainFrame(const std::filesystem::path& settingsFile, QWidget* parent = nullptr);
  ~CMainFrame() override;

  Document& document() { return *document_; }
  QTabWidget* pages() const { return pages_; }
  CMainPage* mainPage() const { return mainPage_; }
  CFontsPage* fontsPage() const { return fontsPage_; }
  // The "&File" menu's commands, by caption.
  QAction* fileAction(const char* caption) const;

  // Opens a binary index file as Open does after its file dialog, with the check of the
  // subset font files; used for the file named on the command line.
  bool openIndexFile(const std::filesystem::path& file);
  // Start-up: opens the file that the command line names after the program (as
  // QApplication::arguments() gives it, a relative path taken from the current folder);
  // false when it names none or the file did not open.
  bool openCommandLineFile(const QStringList& arguments);

 protected:
  // Closing the window is Exit: the save prompts may keep it open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenu();
  void refresh();

  QTabWidget* pages_;
  CMainPage* mainPage_;
  CFontsPage* fontsPage_;
  QtPrompts prompts_;
  QtFileDialogs fileDialogs_;
  QtFontFolderDialog folderDialog_;
  QtInputDialogs inputs_;
  QtBusyIndicator busy_;
  IniFileProfile profile_;
  Options options_;
  FontconfigSystemFonts systemFonts_;
  std::unique_ptr<Document> document_;
};

}  // namespace sorvella
