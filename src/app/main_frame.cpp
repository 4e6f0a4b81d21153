#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "base/text_format.h"
#include "cidfont/document.h"
#include "cidfont/options_pages.h"
#include "cidfont/standard_document_hooks.h"
#include "cidfont/ui/chars_page.h"
#include "cidfont/ui/fonts_page.h"
#include "cidfont/ui/main_page.h"
#include "cidfont/ui/options_sheet.h"
#include "cidfont/ui/widget_placement.h"
#include "cidfont/window_placement.h"
#include "cmap/ui/cmap_header_dialog.h"
#include "platform/data_location.h"
#include "platform/qt/qt_text.h"
#include "platform/settings_location.h"
#include "postscript/program_encodings.h"

namespace sorvella {

namespace fs = std::filesystem;

namespace {

// The one local .sqf file a drag carries, or an empty path.
fs::path droppedIndexFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl& url = mime->urls().front();
  if (!url.isLocalFile()) return {};
  QString file = url.toLocalFile();
  if (QFileInfo(file).suffix().compare(QString::fromLatin1(document_text::kIndexExtension),
                                       Qt::CaseInsensitive) != 0)
    return {};
  return pathFromQString(file);
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : CMainFrame(settingsFilePath(), parent) {}

CMainFrame::CMainFrame(const fs::path& settingsFile, QWidget* parent)
    : QMainWindow(parent),
      settingsFile_(settingsFile),
      pages_(new QTabWidget(this)),
      mainPage_(new CMainPage(pages_)),
      fontsPage_(new CFontsPage(pages_)),
      charPage_(new CCharPage(pages_)),
      prompts_(this),
      fileDialogs_(this),
      folderDialog_(this),
      inputs_(this),
      busy_(this),
      profile_(settingsFile) {
  setWindowTitle(QString::fromLatin1(kMainWindowTitle));
  pages_->addTab(mainPage_, QString::fromLatin1(kFontInfoPageCaption));
  pages_->addTab(fontsPage_, QString::fromLatin1(kSubsetFontsPageCaption));
  pages_->addTab(charPage_, QString::fromLatin1(kCharactersPageCaption));
  setCentralWidget(pages_);
  setAcceptDrops(true);
  resize(720, 520);

  loadOptions(options_, profile_);
  recent_.load(profile_);
  fs::path data = dataFolder();

  DocumentEnvironment env(prompts_, fileDialogs_, folderDialog_, inputs_, busy_, profile_,
                          options_);
  // "Samples" and "Template" are looked for beside the program file; they live in the data
  // folder with the encoding files, wherever the program itself was installed.
  fs::path program = executablePath();
  programFile_ = data.empty() ? program : data / program.filename();
  env.programFile = programFile_;
  env.hooks = standardDocumentHooks(programEncodings(), options_, systemFonts_);
  env.indexFontKeysHeld = [] {
    Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    return keys.testFlag(Qt::ControlModifier) && keys.testFlag(Qt::ShiftModifier);
  };
  env.fontInfoPage = [this] { return mainPage_->takeEdits(); };
  env.editedFont = [this]() -> EditedSubsetFont* {
    return editedFontHook_ ? editedFontHook_() : nullptr;
  };
  env.closeWindows = [this] {
    mainPage_->forgetEdits();
    if (closeWindowsHook_) closeWindowsHook_();
  };
  env.closeFontWindows = [this](int32_t font) {
    if (closeFontWindowsHook_) closeFontWindowsHook_(font);
  };
  env.changed = [this] { refresh(); };
  document_ = std::make_unique<Document>(std::move(env));

  buildMenus();
  connectPages();
  restorePlacement();
  refresh();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::buildMenus() {
  auto add = [this](QMenu* menu, const char* caption, const QKeySequence& keys, auto command) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, command);
    return action;
  };
  QMenu* file = fileMenu_ = menuBar()->addMenu(QString::fromLatin1(menu_text::kFile));
  add(file, menu_text::kNew, QKeySequence::New, [this] { remember(document_->New()); });
  add(file, menu_text::kOpen, QKeySequence::Open, [this] { remember(document_->Open()); });
  add(file, menu_text::kSave, QKeySequence::Save, [this] { remember(document_->Save()); });
  file->addSeparator();
  add(file, menu_text::kImport, {}, [this] { remember(document_->Import()); });
  add(file, menu_text::kExport, {}, [this] { document_->Export(); });
  file->addSeparator();
  add(file, menu_text::kAddBaseFont, {}, [this] { document_->AddBaseFont(); });
  file->addSeparator();
  add(file, options_text::kOptionsCommand, QKeySequence::Preferences, [this] {
    showOptions();
  })->setMenuRole(QAction::PreferencesRole);
  recentSeparator_ = file->addSeparator();
  // Exit is closing the window, whose save prompts may keep it open.
  add(file, menu_text::kExit, QKeySequence::Quit, [this] {
    close();
  })->setMenuRole(QAction::QuitRole);
  rebuildRecentMenu();

  using namespace fonts_page_text;
  QMenu* fonts = menuBar()->addMenu(QString::fromLatin1(menu_text::kSubsetFonts));
  add(fonts, kNew, {}, [this] { document_->NewSubsetFont(); });
  add(fonts, kRemove, {}, [this] { document_->Remove(fontsPage_->selectedFont()); });
  add(fonts, kEdit, {}, [this] {
    if (editHook_ && fontsPage_->selectedFont() >= 0) editHook_(fontsPage_->selectedFont());
  });
  add(fonts, kExport, {}, [this] { document_->ExportSubsetFont(fontsPage_->selectedFont()); });
  fonts->addSeparator();
  add(fonts, kLockAll, {}, [this] { document_->setAllLocked(true); });
  add(fonts, kUnlockAll, {}, [this] { document_->setAllLocked(false); });

  QMenu* cmap = menuBar()->addMenu(QString::fromLatin1(menu_text::kCMap));
  add(cmap, menu_text::kNewCMap, {}, [this] { document_->cmaps().New(); });
  add(cmap, menu_text::kOpenCMap, {}, [this] { document_->cmaps().Open(); });
  add(cmap, menu_text::kSaveCMap, {}, [this] { document_->cmaps().Save(); });
  add(cmap, menu_text::kSaveCMapAs, {}, [this] { document_->cmaps().SaveAs(); });
  cmap->addSeparator();
  add(cmap, kBaseCMapOnCaption, {}, [this] { baseCMap(); });
  add(cmap, chars_page_text::kHeader, {}, [this] { editCMapHeader(); });
  add(cmap, chars_page_text::kShowCMap, {}, [this] {
    if (showCMapHook_) showCMapHook_();
  });
}

void CMainFrame::connectPages() {
  connect(mainPage_, &CMainPage::edited, this, [this] {
    if (CCidFont* font = document_->font()) font->setModified(true);
    updateTitle();
  });

  fontsPage_->setCommandStates(
      [this](int32_t selected) { return document_->commandStates(selected); });
  connect(fontsPage_->list(), &QListWidget::currentRowChanged, this, &CMainFrame::updateCommands);
  connect(fontsPage_, &CFontsPage::addRequested, this, [this] { document_->AddBaseFont(); });
  connect(fontsPage_, &CFontsPage::newRequested, this, [this] { document_->NewSubsetFont(); });
  connect(fontsPage_, &CFontsPage::removeRequested, this,
          [this](int32_t font) { document_->Remove(font); });
  connect(fontsPage_, &CFontsPage::editRequested, this, [this](int32_t font) {
    if (editHook_) editHook_(font);
  });
  connect(fontsPage_, &CFontsPage::exportRequested, this,
          [this](int32_t font) { document_->ExportSubsetFont(font); });
  connect(fontsPage_, &CFontsPage::lockRequested, this,
          [this](int32_t font, bool locked) { document_->setLocked(font, locked); });
  connect(fontsPage_, &CFontsPage::lockAllRequested, this,
          [this](bool locked) { document_->setAllLocked(locked); });
  connect(fontsPage_, &CFontsPage::highlightChanged, this, [this](int32_t font) {
    if (highlightHook_) highlightHook_(font);
  });

  CMapCommands& cmaps = document_->cmaps();
  connect(charPage_, &CCharPage::newRequested, this, [&cmaps] { cmaps.New(); });
  connect(charPage_, &CCharPage::openRequested, this, [&cmaps] { cmaps.Open(); });
  connect(charPage_, &CCharPage::saveRequested, this, [&cmaps] { cmaps.Save(); });
  connect(charPage_, &CCharPage::saveAsRequested, this, [&cmaps] { cmaps.SaveAs(); });
  connect(charPage_, &CCharPage::baseRequested, this, &CMainFrame::baseCMap);
  connect(charPage_, &CCharPage::headerRequested, this, &CMainFrame::editCMapHeader);
  connect(charPage_, &CCharPage::showCMapRequested, this, [this] {
    if (showCMapHook_) showCMapHook_();
  });
}

void CMainFrame::setEditHook(std::function<void(int32_t)> hook) {
  editHook_ = std::move(hook);
  fontsPage_->setEditAvailable(static_cast<bool>(editHook_));
  refresh();
}

void CMainFrame::setShowCMapHook(std::function<void()> hook) {
  showCMapHook_ = std::move(hook);
  charPage_->setShowCMapAvailable(static_cast<bool>(showCMapHook_));
  refresh();
}

void CMainFrame::setCloseWindowsHooks(std::function<void()> all,
                                      std::function<void(int32_t)> ofFont) {
  closeWindowsHook_ = std::move(all);
  closeFontWindowsHook_ = std::move(ofFont);
}

void CMainFrame::setEditedFontHook(std::function<EditedSubsetFont*()> hook) {
  editedFontHook_ = std::move(hook);
}

void CMainFrame::setHighlightHook(std::function<void(int32_t)> hook) {
  highlightHook_ = std::move(hook);
}

void CMainFrame::setExitHook(std::function<void()> hook) {
  exitHook_ = std::move(hook);
}

bool CMainFrame::showOptions() {
  return runOptionsSheet(this, options_, profile_);
}

QAction* CMainFrame::fileAction(const char* caption) const {
  QString text = QString::fromLatin1(caption);
  for (QMenu* menu : menuBar()->findChildren<QMenu*>())
    for (QAction* action : menu->actions())
      if (action->text() == text) return action;
  return nullptr;
}

QList<QAction*> CMainFrame::recentFileActions() const {
  return recentActions_;
}

void CMainFrame::remember(bool done) {
  if (!done || !document_->font() || document_->indexFile().empty()) return;
  std::error_code ec;
  if (!fs::exists(document_->indexFile(), ec)) return;
  recent_.add(document_->indexFile());
  recent_.save(profile_);
  rebuildRecentMenu();
}

void CMainFrame::rebuildRecentMenu() {
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  QAction* exit = fileMenu_->actions().value(fileMenu_->actions().indexOf(recentSeparator_) + 1);
  int number = 1;
  for (const fs::path& file : recent_.files()) {
    auto* action = new QAction(
        QString::fromLatin1(menu_text::kRecentFile).arg(number++).arg(pathToQString(file)),
        fileMenu_);
    connect(action, &QAction::triggered, this, [this, file] { openRecentFile(file); });
    fileMenu_->insertAction(exit, action);
    recentActions_.push_back(action);
  }
  if (!recentActions_.isEmpty()) {
    auto* separator = new QAction(fileMenu_);
    separator->setSeparator(true);
    fileMenu_->insertAction(exit, separator);
    recentActions_.push_back(separator);
  }
}

void CMainFrame::openRecentFile(const fs::path& file) {
  std::error_code ec;
  if (!fs::exists(file, ec)) {
    std::string text = formatText(menu_text::kRecentFileMissing, file.string().c_str());
    if (prompts_.ask(text, kProgramTitle, {document_text::kYes, document_text::kNo}) == 0) {
      RecentFileList kept;
      for (auto it = recent_.files().rbegin(); it != recent_.files().rend(); ++it)
        if (*it != file) kept.add(*it);
      recent_ = kept;
      recent_.save(profile_);
      rebuildRecentMenu();
    }
    return;
  }
  openFile(file);
}

bool CMainFrame::openIndexFile(const fs::path& file) {
  std::error_code ec;
  fs::path absolute = fs::absolute(file, ec);
  bool opened = document_->openIndexFile(ec ? file : absolute.lexically_normal());
  remember(opened);
  return opened;
}

bool CMainFrame::openFile(const fs::path& file) {
  if (!document_->savePrompt()) return false;
  return openIndexFile(file);
}

bool CMainFrame::openCommandLineFile(const QStringList& arguments) {
  if (arguments.size() < 2 || arguments.at(1).isEmpty()) return false;
  return openIndexFile(pathFromQString(arguments.at(1)));
}

void CMainFrame::activateFromAnotherStart(const QString& file) {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
  if (file.isEmpty()) return;
  // A dialog this window shows is answered first; the file waits for it.
  if (QApplication::activeModalWidget()) {
    QTimer::singleShot(100, this, [this, file] { activateFromAnotherStart(file); });
    return;
  }
  openFile(pathFromQString(file));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!document_->mayExit()) {
    event->ignore();
    return;
  }
  if (exitHook_) exitHook_();
  saveOptions(options_, profile_);
  savePlacement();
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedIndexFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  fs::path file = droppedIndexFile(event->mimeData());
  if (file.empty()) return;
  event->acceptProposedAction();
  // The drag ends before the save prompt or the font's own questions show.
  QTimer::singleShot(0, this, [this, file] { openFile(file); });
}

void CMainFrame::restorePlacement() {
  restoredState_ = restoreWidgetPlacement(*this, profile_, kMainWindowPrefix, true).state;
}

void CMainFrame::showPlaced() {
  WindowPlacement placement;
  placement.state = restoredState_;
  placement.visible = true;  // the main window always shows
  showAsPlaced(*this, placement);
}

void CMainFrame::savePlacement() {
  saveWidgetPlacement(*this, profile_, kMainWindowPrefix);
}

void CMainFrame::baseCMap() {
  CCodeMap* cmap = document_->cmaps().current();
  if (!cmap) return;
  if (baseCMapFromList(this, *cmap, programFile_)) refresh();
}

bool CMainFrame::editCMapHeader() {
  CCodeMap* cmap = document_->cmaps().current();
  if (!cmap) return false;
  CMapHeaderDialog dialog(*cmap, programFile_, this);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  refresh();
  return accepted;
}

void CMainFrame::updateTitle() {
  const CCidFont* font = document_->font();
  if (!font) {
    setWindowTitle(QString::fromLatin1(kMainWindowTitle));
    setWindowModified(false);
    return;
  }
  std::string name = font->info().fontName();
  if (name.empty()) name = document_->folder().filename().string();
  setWindowTitle(toQString(formatText(kMainWindowFontTitle, name.c_str())));
  setWindowModified(font->modified());
}

void CMainFrame::refresh() {
  const CCidFont* font = document_->font();
  mainPage_->refresh(font);
  fontsPage_->refresh(font, document_->folder());
  CMapCommands& cmaps = document_->cmaps();
  std::optional<std::string_view> ordering;
  if (font) ordering = font->info().ordering();
  charPage_->refresh(cmaps.current(), ordering, cmaps.canSave());
  updateTitle();
  updateCommands();
  if (refreshHook_) refreshHook_();
}

void CMainFrame::updateCommands() {
  const CCidFont* font = document_->font();
  CMapCommands& cmaps = document_->cmaps();

  for (const char* caption : {menu_text::kSave, menu_text::kExport, menu_text::kAddBaseFont})
    if (QAction* action = fileAction(caption)) action->setEnabled(font != nullptr);
  SubsetFontCommandStates states = document_->commandStates(fontsPage_->selectedFont());
  using namespace fonts_page_text;
  auto enable = [this](const char* caption, bool on) {
    if (QAction* action = fileAction(caption)) action->setEnabled(on);
  };
  bool selected = fontsPage_->selectedFont() >= 0;
  enable(kNew, states.newFont);
  enable(kRemove, states.remove);
  enable(kEdit, states.edit && selected && editHook_);
  enable(kExport, states.exportFont && selected);
  enable(kLockAll, states.lockCheck);
  enable(kUnlockAll, states.lockCheck);
  enable(menu_text::kSaveCMap, cmaps.canSave());
  enable(menu_text::kSaveCMapAs, cmaps.canSaveAs());
  enable(kBaseCMapOnCaption, cmaps.current() != nullptr);
  enable(chars_page_text::kHeader, cmaps.current() != nullptr);
  enable(chars_page_text::kShowCMap, static_cast<bool>(showCMapHook_));
  QString unavailable = QString::fromLatin1(kWindowNotAvailable);
  if (QAction* edit = fileAction(kEdit)) edit->setToolTip(editHook_ ? QString() : unavailable);
  if (QAction* show = fileAction(chars_page_text::kShowCMap))
    show->setToolTip(showCMapHook_ ? QString() : unavailable);
}

}  // namespace sorvella
