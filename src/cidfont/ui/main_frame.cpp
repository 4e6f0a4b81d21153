#include "cidfont/ui/main_frame.h"

#include <QTabWidget>
#include <QWidget>

namespace sorvella {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), pages_(new QTabWidget(this)) {
  setWindowTitle(QString::fromLatin1(kMainWindowTitle));
  pages_->addTab(new QWidget(pages_), QString::fromLatin1(kFontInfoPageCaption));
  pages_->addTab(new QWidget(pages_), QString::fromLatin1(kSubsetFontsPageCaption));
  pages_->addTab(new QWidget(pages_), QString::fromLatin1(kCharactersPageCaption));
  setCentralWidget(pages_);
  resize(720, 520);
}

}  // namespace sorvella
