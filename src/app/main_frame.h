// CMainFrame: the main window. It owns the CID font document, built over the Qt dialogs, the
// settings file and the standard importers and exporters; its menus and its three pages (font
// information, subset fonts, characters) run the document and CMap commands.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "cidfont/document_environment.h"
#include "cidfont/recent_files.h"
#include "cidfont/settings.h"
#include "platform/fontconfig/fontconfig_system_fonts.h"
#include "platform/ini_file_profile.h"
#include "platform/qt/qt_busy_indicator.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_font_folder_dialog.h"
#include "platform/qt/qt_input_dialogs.h"
#include "platform/qt/qt_prompts.h"

class QAction;
class QMenu;
class QTabWidget;

namespace sorvella {

class CCharPage;
class CFontsPage;
class CMainPage;
class Document;

inline constexpr const char* kMainWindowTitle = "Sorvella";
// The title with a font: its name and Qt's modified mark.
inline constexpr const char* kMainWindowFontTitle = "%s[*] - Sorvella";
inline constexpr const char* kFontInfoPageCaption = " Font Info ";
inline constexpr const char* kSubsetFontsPageCaption = "Subset Fonts";
inline constexpr const char* kCharactersPageCaption = "Characters";
// The main window's placement in section "General".
inline constexpr char kMainWindowPrefix[] = "MainWindow";

namespace menu_text {
inline constexpr const char* kFile = "&File";
inline constexpr const char* kNew = "&New";
inline constexpr const char* kOpen = "&Open";
inline constexpr const char* kSave = "&Save";
inline constexpr const char* kImport = "&Import";
inline constexpr const char* kExport = "&Export";
inline constexpr const char* kAddBaseFont = "Add &Base Font...";
inline constexpr const char* kRecentFile = "&%1 %2";
inline constexpr const char* kExit = "E&xit";
inline constexpr const char* kSubsetFonts = "Subset F&onts";
inline constexpr const char* kCMap = "&CMap";
inline constexpr const char* kNewCMap = "&New CMap";
inline constexpr const char* kOpenCMap = "&Open CMap...";
inline constexpr const char* kSaveCMap = "&Save CMap";
inline constexpr const char* kSaveCMapAs = "Save CMap &As...";
// A file of the Recent File List that is gone.
inline constexpr const char* kRecentFileMissing =
    "The file %s no longer exists. Do you want to remove it from the Recent File List?";
}  // namespace menu_text

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // With the settings file of the settings location (SORVELLA_INI or the user's folder).
  explicit CMainFrame(QWidget* parent = nullptr);
  explicit CMainFrame(const std::filesystem::path& settingsFile, QWidget* parent = nullptr);
  ~CMainFrame() override;

  Document& document() { return *document_; }
  Options& options() { return options_; }
  Profile& profile() { return profile_; }
  const std::filesystem::path& settingsFile() const { return settingsFile_; }
  QTabWidget* pages() const { return pages_; }
  CMainPage* mainPage() const { return mainPage_; }
  CFontsPage* fontsPage() const { return fontsPage_; }
  CCharPage* charPage() const { return charPage_; }
  // A command of any menu, by caption.
  QAction* fileAction(const char* caption) const;
  // The Recent File List's commands, most recent first.
  QList<QAction*> recentFileActions() const;

  // Windows of other folders. While a hook is empty its command is disabled.
  // "&Edit...": the font chart showing subset font n.
  void setEditHook(std::function<void(int32_t font)> hook);
  // "Show CMap": the CMap chart.
  void setShowCMapHook(std::function<void()> hook);
  // Before the CID font is replaced all its windows close; before a subset font is removed,
  // those that show it.
  void setCloseWindowsHooks(std::function<void()> all, std::function<void(int32_t font)> ofFont);
  // The glyph editor's font, which Save offers to write first.
  void setEditedFontHook(std::function<EditedSubsetFont*()> hook);
  // "&Highlight glyphs": the subset font the charts mark, -1 for none.
  void setHighlightHook(std::function<void(int32_t font)> hook);
  // Exit, once the save prompts let it go on: the tool windows store their placement.
  void setExitHook(std::function<void()> hook);
  // After the pages were refreshed: the tool windows redraw too.
  void setRefreshHook(std::function<void()> hook) { refreshHook_ = std::move(hook); }
  // "Header..." of the current CMap; true after OK.
  bool editCMapHeader();

  // Another window changed the CID font or the CMap: the pages, title and commands follow.
  void refreshPages() { refresh(); }

  // The options sheet over this window; on OK the options are saved.
  bool showOptions();

  // Opens a binary index file as Open does after its file dialog, with the check of the
  // subset font files; used for the file named on the command line.
  bool openIndexFile(const std::filesystem::path& file);
  // Open of a file chosen without the dialog (Recent File List, drop, another start): the
  // save prompt, then as openIndexFile.
  bool openFile(const std::filesystem::path& file);
  // Start-up: opens the file that the command line names after the program (as
  // QApplication::arguments() gives it, a relative path taken from the current folder);
  // false when it names none or the file did not open.
  bool openCommandLineFile(const QStringList& arguments);
  // Shows the window where it was left (placement of section "General", prefix "MainWindow").
  void showPlaced();
  // Another start of the program: this window comes to the front (restored when minimised)
  // and opens its file, if any, once no dialog is open.
  void activateFromAnotherStart(const QString& file);

 protected:
  // Closing the window is Exit: the save prompts may keep it open; then the options and the
  // window's placement are saved.
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  void connectPages();
  void refresh();
  void updateTitle();
  void updateCommands();
  // After a command that may have opened or written an index file.
  void remember(bool done);
  void rebuildRecentMenu();
  void openRecentFile(const std::filesystem::path& file);
  void restorePlacement();
  void savePlacement();
  void baseCMap();

  std::filesystem::path settingsFile_;
  QTabWidget* pages_;
  CMainPage* mainPage_;
  CFontsPage* fontsPage_;
  CCharPage* charPage_;
  QMenu* fileMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  QtPrompts prompts_;
  QtFileDialogs fileDialogs_;
  QtFontFolderDialog folderDialog_;
  QtInputDialogs inputs_;
  QtBusyIndicator busy_;
  IniFileProfile profile_;
  Options options_;
  RecentFileList recent_;
  FontconfigSystemFonts systemFonts_;
  std::filesystem::path programFile_;
  std::unique_ptr<Document> document_;
  int restoredState_ = 1;

  std::function<void(int32_t)> editHook_;
  std::function<void()> showCMapHook_;
  std::function<void()> closeWindowsHook_;
  std::function<void(int32_t)> closeFontWindowsHook_;
  std::function<EditedSubsetFont*()> editedFontHook_;
  std::function<void(int32_t)> highlightHook_;
  std::function<void()> exitHook_;
  std::function<void()> refreshHook_;
};

}  // namespace sorvella
