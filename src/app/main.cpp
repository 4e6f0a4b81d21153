#include <QApplication>

#include "cidfont/ui/main_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Sorvella");
  QApplication::setApplicationVersion(SORVELLA_VERSION);
  sorvella::CMainFrame frame;
  frame.show();
  return QApplication::exec();
}
