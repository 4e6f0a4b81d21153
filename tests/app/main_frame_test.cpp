#include "app/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTest>

#include "cidfont/document.h"
#include "cidfont/ui/fonts_page.h"
#include "cidfont/ui/main_page.h"
#include "platform/ini_file_profile.h"
#include "support/modal_dialogs.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

TEST(MainFrame, ShowsTitleAndThePagesInOrder) {
  CMainFrame frame;
  EXPECT_EQ(frame.windowTitle(), "Sorvella");
  ASSERT_EQ(frame.pages()->count(), 3);
  EXPECT_EQ(frame.pages()->tabText(0), " Font Info ");
  EXPECT_EQ(frame.pages()->tabText(1), "Subset Fonts");
  EXPECT_EQ(frame.pages()->tabText(2), "Characters");
}

TEST(MainFrame, StartsAndQuitsCleanly) {
  test::TempFolder temp;
  QPointer<CMainFrame> frame = new CMainFrame(temp / "sorvella.ini");
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->close());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame.isNull());
}

TEST(MainFrame, NewAsksForTheFolderInTheQtDialogAndShowsTheEmptyFont) {
  test::TempFolder temp;
  CMainFrame frame(temp / "sorvella.ini");
  EXPECT_EQ(frame.mainPage()->legend()->toPlainText().left(27), "No CID font is loaded now. ");
  test::whenShown<QDialog>([&](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Creating CID font");
    dialog->findChild<QLineEdit*>("directory")->setText(QString::fromStdString(temp.path()));
    dialog->findChild<QLineEdit*>("folderName")->setText("GOTHIC");
    dialog->findChild<QCheckBox*>("saveAsDefault")->setChecked(true);
    test::clickOk(dialog);
  });
  frame.fileAction(menu_text::kNew)->trigger();

  ASSERT_NE(frame.document().font(), nullptr);
  EXPECT_EQ(frame.document().folder(), temp / "GOTHIC");
  EXPECT_TRUE(std::filesystem::is_directory(temp / "GOTHIC"));
  EXPECT_EQ(frame.mainPage()->legend()->toPlainText(),
            "The current CID font contains 0 characters in 0 subset fonts.");
  EXPECT_EQ(frame.fontsPage()->list()->count(), 0);
  EXPECT_EQ(frame.fontsPage()->legend()->toPlainText(),
            "The current CID font does not include any basic fonts.");
  // The check box made the directory the default for new font folders.
  IniFileProfile settings(temp / "sorvella.ini");
  EXPECT_EQ(settings.getString("Directories", "Import"), temp.path().string() + "/");
}

TEST(MainFrame, TheWindowOpensWhereItWasClosed) {
  test::TempFolder temp;
  {
    CMainFrame frame(temp / "sorvella.ini");
    int exited = 0;
    frame.setExitHook([&] { ++exited; });
    frame.show();
    frame.setGeometry(110, 120, 800, 600);
    ASSERT_TRUE(frame.close());
    EXPECT_EQ(exited, 1);
  }
  IniFileProfile settings(temp / "sorvella.ini");
  EXPECT_EQ(settings.getInt("General", "MainWindowWidth", 0), 800);
  EXPECT_EQ(settings.getInt("General", "MainWindowState", 0), 1);
  // Exit also saved the options.
  EXPECT_EQ(settings.getInt("Options", "EditGridX", 0), 100);

  CMainFrame again(temp / "sorvella.ini");
  again.showPlaced();
  EXPECT_EQ(again.geometry(), QRect(110, 120, 800, 600));
  EXPECT_FALSE(again.isMaximized());
}

}  // namespace
}  // namespace sorvella
