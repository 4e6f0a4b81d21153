#include <QApplication>
#include <QTimer>
#include <csignal>

#include "app/main_frame.h"

int main(int argc, char** argv) {
  // Past a file size limit a write should fail and be reported, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Sorvella");
  QApplication::setApplicationVersion(SORVELLA_VERSION);
  sorvella::CMainFrame frame;
  frame.show();
  // A file named on the command line opens as a binary index file once the window is up, so
  // that the check of its subset font files asks over it.
  QTimer::singleShot(0, &frame, [&frame] { frame.openCommandLineFile(QApplication::arguments()); });
  return QApplication::exec();
}
