#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTabWidget>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "app/app_icon.h"
#include "app/main_frame.h"
#include "app/single_instance.h"
#include "app/tool_windows.h"
#include "cidfont/document.h"
#include "platform/qt/qt_text.h"
#include "platform/settings_location.h"

namespace {

// Options for scripts: "--screenshot FILE" saves the painted window as an image and ends;
// "--quit-after-paint" ends once the window is painted and says how long that took; "--page N"
// shows page N first. Scripted starts neither meet a running program nor write the settings.
struct StartOptions {
  QString file;
  QString screenshot;
  bool quitAfterPaint = false;
  int page = 0;
};

StartOptions startOptions(const QStringList& arguments) {
  StartOptions options;
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (argument == QLatin1String("--screenshot") && i + 1 < arguments.size())
      options.screenshot = arguments.at(++i);
    else if (argument == QLatin1String("--page") && i + 1 < arguments.size())
      options.page = arguments.at(++i).toInt();
    else if (argument == QLatin1String("--quit-after-paint"))
      options.quitAfterPaint = true;
    else if (options.file.isEmpty())
      options.file = argument;
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer started;
  started.start();
  // Past a file size limit a write should fail and be reported, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Sorvella");
  QApplication::setApplicationVersion(SORVELLA_VERSION);
  QApplication::setDesktopFileName("sorvella");
  QApplication::setWindowIcon(sorvella::applicationIcon());

  StartOptions options = startOptions(QApplication::arguments());
  const bool scripted = !options.screenshot.isEmpty() || options.quitAfterPaint;
  // A relative path is the starting folder's, also when another instance opens it.
  if (!options.file.isEmpty()) options.file = QFileInfo(options.file).absoluteFilePath();

  const std::filesystem::path settings = sorvella::settingsFilePath();
  sorvella::SingleInstance instance(sorvella::SingleInstance::serverName(settings));
  if (!scripted) {
    if (instance.forwardToRunning(options.file)) return 0;
    if (!instance.listen() && instance.forwardToRunning(options.file)) return 0;
  }

  sorvella::CMainFrame frame(settings);
  sorvella::ToolWindows toolWindows(frame);
  QObject::connect(&instance, &sorvella::SingleInstance::anotherStart, &frame,
                   &sorvella::CMainFrame::activateFromAnotherStart);
  frame.showPlaced();
  if (scripted) {
    // Straight to the document, so that the Recent File List stays as it was.
    if (!options.file.isEmpty())
      frame.document().openIndexFile(sorvella::pathFromQString(options.file));
    frame.pages()->setCurrentIndex(options.page);
    QPixmap painted = frame.grab();
    if (options.quitAfterPaint)
      std::printf("painted after %lld ms\n", static_cast<long long>(started.elapsed()));
    if (!options.screenshot.isEmpty() && !painted.save(options.screenshot)) {
      std::fprintf(stderr, "%s could not be written\n", qPrintable(options.screenshot));
      return 1;
    }
    return 0;
  }
  // The command line's file opens once the window is up, so that the check of its subset
  // font files asks over it.
  QTimer::singleShot(0, &frame, [&frame, file = options.file] {
    if (!file.isEmpty()) frame.openIndexFile(sorvella::pathFromQString(file));
  });
  return QApplication::exec();
}
