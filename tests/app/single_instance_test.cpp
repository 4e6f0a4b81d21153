// One running program per settings file: a second start of the real program hands its file to
// the first and ends.
#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include "app/main_frame.h"
#include "cidfont/document.h"
#include "platform/qt/qt_text.h"
#include "support/modal_dialogs.h"
#include "support/sample_index_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

// Runs the program with this settings file from `folder`, pumping this process's events (the
// first instance answers from them) until it ends.
struct Start {
  int exitCode = -1;
  bool ended = false;
};

Start startSecond(const fs::path& settings, const fs::path& folder, const QStringList& arguments) {
  QProcess second;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("SORVELLA_INI", pathToQString(settings));
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  second.setProcessEnvironment(environment);
  second.setWorkingDirectory(pathToQString(folder));
  second.start(QStringLiteral(SORVELLA_APP_PATH), arguments);
  Start start;
  if (!second.waitForStarted(10000)) return start;
  QElapsedTimer clock;
  clock.start();
  while (second.state() != QProcess::NotRunning && clock.elapsed() < 20000) QTest::qWait(20);
  if (second.state() != QProcess::NotRunning) {
    second.kill();  // it did not find the first one and opened a window of its own
    second.waitForFinished();
    return start;
  }
  start.ended = second.exitStatus() == QProcess::NormalExit;
  start.exitCode = second.exitCode();
  return start;
}

TEST(SingleInstance, ASecondStartHandsItsFileToTheFirstAndEnds) {
  test::TempFolder temp;
  fs::path settings = temp / "sorvella.ini";
  fs::path index = test::writeSampleIndexFont(temp.path(), "KAKU");
  CMainFrame frame(settings);
  SingleInstance first(SingleInstance::serverName(settings));
  ASSERT_TRUE(first.listen());
  QObject::connect(&first, &SingleInstance::anotherStart, &frame,
                   &CMainFrame::activateFromAnotherStart);
  frame.showMinimized();

  // The second start names the file relative to its own folder.
  Start start = startSecond(settings, temp.path(), {"KAKU/KAKU.sqf"});
  ASSERT_TRUE(start.ended);
  EXPECT_EQ(start.exitCode, 0);
  QTRY_VERIFY(frame.document().font() != nullptr);
  EXPECT_EQ(frame.document().indexFile(), index);
  EXPECT_FALSE(frame.isMinimized());
  EXPECT_TRUE(frame.isVisible());

  // A start without a file only brings the window forward and leaves the font open.
  start = startSecond(settings, temp.path(), {});
  ASSERT_TRUE(start.ended);
  EXPECT_EQ(start.exitCode, 0);
  QTest::qWait(50);
  EXPECT_EQ(frame.document().indexFile(), index);
}

TEST(SingleInstance, AForwardedFileWaitsForTheOpenDialog) {
  test::TempFolder temp;
  fs::path index = test::writeSampleIndexFont(temp.path(), "MING");
  CMainFrame frame(temp / "sorvella.ini");
  frame.show();
  bool openWhileAsked = true;
  test::whenShown<QMessageBox>([&](QMessageBox* box) {
    frame.activateFromAnotherStart(pathToQString(index));
    QTest::qWait(150);
    openWhileAsked = frame.document().font() != nullptr;
    box->accept();
  });
  QMessageBox::information(&frame, "Sorvella", "A question of the running program");
  EXPECT_FALSE(openWhileAsked);
  QTRY_VERIFY(frame.document().font() != nullptr);
  EXPECT_EQ(frame.document().indexFile(), index);
}

TEST(SingleInstance, TheProgramPaintsTheFontNamedOnItsCommandLine) {
  test::TempFolder temp;
  test::writeSampleIndexFont(temp.path(), "KAKU");
  fs::path withFont = temp / "font.png", without = temp / "empty.png";
  Start start =
      startSecond(temp / "a.ini", temp.path(),
                  {"--page", "1", "--screenshot", pathToQString(withFont), "KAKU/KAKU.sqf"});
  ASSERT_TRUE(start.ended);
  EXPECT_EQ(start.exitCode, 0);
  start = startSecond(temp / "a.ini", temp.path(),
                      {"--page", "1", "--screenshot", pathToQString(without)});
  ASSERT_EQ(start.exitCode, 0);
  QImage painted(pathToQString(withFont)), empty(pathToQString(without));
  ASSERT_FALSE(painted.isNull());
  ASSERT_EQ(painted.size(), empty.size());
  // The subset font list holds the two fonts' names where the empty window has none.
  EXPECT_NE(painted, empty);
  // A scripted start writes no settings.
  EXPECT_FALSE(fs::exists(temp / "a.ini"));
}

}  // namespace
}  // namespace sorvella
