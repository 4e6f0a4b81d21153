#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QWidget>

#include "cidfont/document.h"
#include "cidfont/standard_document_hooks.h"
#include "cidfont/ui/fonts_page.h"
#include "cidfont/ui/main_page.h"
#include "platform/data_location.h"
#include "platform/qt/qt_text.h"
#include "platform/settings_location.h"
#include "postscript/program_encodings.h"

namespace sorvella {

namespace fs = std::filesystem;

CMainFrame::CMainFrame(QWidget* parent) : CMainFrame(settingsFilePath(), parent) {}

CMainFrame::CMainFrame(const fs::path& settingsFile, QWidget* parent)
    : QMainWindow(parent),
      pages_(new QTabWidget(this)),
      mainPage_(new CMainPage(pages_)),
      fontsPage_(new CFontsPage(pages_)),
      prompts_(this),
      fileDialogs_(this),
      folderDialog_(this),
      inputs_(this),
      busy_(this),
      profile_(settingsFile) {
  setWindowTitle(QString::fromLatin1(kMainWindowTitle));
  pages_->addTab(mainPage_, QString::fromLatin1(kFontInfoPageCaption));
  pages_->addTab(fontsPage_, QString::fromLatin1(kSubsetFontsPageCaption));
  pages_->addTab(new QWidget(pages_), QString::fromLatin1(kCharactersPageCaption));
  setCentralWidget(pages_);
  resize(720, 520);

  loadOptions(options_, profile_);
  fs::path data = dataFolder();

  DocumentEnvironment env(prompts_, fileDialogs_, folderDialog_, inputs_, busy_, profile_,
                          options_);
  // "Samples" and "Template" are looked for beside the program file; they live in the data
  // folder with the encoding files, wherever the program itself was installed.
  fs::path program = executablePath();
  env.programFile = data.empty() ? program : data / program.filename();
  env.hooks = standardDocumentHooks(programEncodings(), options_, systemFonts_);
  env.indexFontKeysHeld = [] {
    Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    return keys.testFlag(Qt::ControlModifier) && keys.testFlag(Qt::ShiftModifier);
  };
  env.changed = [this] { refresh(); };
  document_ = std::make_unique<Document>(std::move(env));

  buildMenu();
  refresh();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::buildMenu() {
  QMenu* file = menuBar()->addMenu(QString::fromLatin1(menu_text::kFile));
  auto add = [this, file](const char* caption, const QKeySequence& keys, auto command) {
    QAction* action = file->addAction(QString::fromLatin1(caption));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, command);
    return action;
  };
  add(menu_text::kNew, QKeySequence::New, [this] { document_->New(); });
  add(menu_text::kOpen, QKeySequence::Open, [this] { document_->Open(); });
  add(menu_text::kSave, QKeySequence::Save, [this] { document_->Save(); });
  file->addSeparator();
  add(menu_text::kImport, {}, [this] { document_->Import(); });
  add(menu_text::kExport, {}, [this] { document_->Export(); });
  file->addSeparator();
  add(menu_text::kAddBaseFont, {}, [this] { document_->AddBaseFont(); });
  file->addSeparator();
  // Exit is closing the window, whose save prompts may keep it open.
  QAction* exit = add(menu_text::kExit, {}, [this] { close(); });
  exit->setMenuRole(QAction::QuitRole);
}

QAction* CMainFrame::fileAction(const char* caption) const {
  QString text = QString::fromLatin1(caption);
  for (QMenu* menu : menuBar()->findChildren<QMenu*>())
    for (QAction* action : menu->actions())
      if (action->text() == text) return action;
  return nullptr;
}

bool CMainFrame::openIndexFile(const fs::path& file) {
  std::error_code ec;
  fs::path absolute = fs::absolute(file, ec);
  return document_->openIndexFile(ec ? file : absolute.lexically_normal());
}

bool CMainFrame::openCommandLineFile(const QStringList& arguments) {
  if (arguments.size() < 2 || arguments.at(1).isEmpty()) return false;
  return openIndexFile(pathFromQString(arguments.at(1)));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (document_->mayExit())
    event->accept();
  else
    event->ignore();
}

void CMainFrame::refresh() {
  const CCidFont* font = document_->font();
  mainPage_->refresh(font);
  fontsPage_->refresh(font, document_->folder());
  for (const char* caption : {menu_text::kSave, menu_text::kExport, menu_text::kAddBaseFont})
    if (QAction* action = fileAction(caption)) action->setEnabled(font != nullptr);
}

}  // namespace sorvella
