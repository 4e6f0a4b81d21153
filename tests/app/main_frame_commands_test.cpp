// The main window's menus, pages and exit over a CID font written by the core, driven through
// the real widgets and dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/main_frame.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/document.h"
#include "cidfont/ui/chars_page.h"
#include "cidfont/ui/fonts_page.h"
#include "cidfont/ui/main_page.h"
#include "cmap/ui/cmap_header_dialog.h"
#include "platform/ini_file_profile.h"
#include "platform/qt/qt_text.h"
#include "support/modal_dialogs.h"
#include "support/sample_index_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::buttonWithText;
using test::clickButton;
using test::whenShown;

// The title of the dialog that `trigger` opens (a file dialog's followed by its first
// filter), which is then cancelled.
QString dialogShownBy(const std::function<void()>& trigger) {
  QString shown;
  whenShown<QDialog>([&](QDialog* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    shown = dialog->windowTitle();
    if (files) shown += " " + files->nameFilters().value(0);
    test::endModal(dialog);
  });
  trigger();
  QTest::qWait(0);
  return shown;
}

class MainFrameCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(frame_.openIndexFile(index_)); }

  QAction* action(const char* caption) {
    QAction* found = frame_.fileAction(caption);
    EXPECT_NE(found, nullptr) << caption;
    return found;
  }

  test::TempFolder temp_;
  fs::path index_ = test::writeSampleIndexFont(temp_.path(), "KAKU");
  fs::path ini_ = temp_ / "sorvella.ini";
  CMainFrame frame_{ini_};
};

TEST_F(MainFrameCommandsTest, EveryMenuCommandOpensItsOperationsDialog) {
  struct Case {
    const char* caption;
    const char* dialog;
  };
  const Case cases[] = {
      {menu_text::kNew, "Creating CID font"},
      {menu_text::kOpen, "Sorvella Fonts (*.sqf)"},
      {menu_text::kImport, "Import CID font CID Fonts Files (*.cid)"},
      {menu_text::kExport, "Export CID font CID Fonts Files (*.cid)"},
      {menu_text::kAddBaseFont, "Add Base Font"},
      {"Op&tions", "Sorvella Options"},
      {fonts_page_text::kNew, "New Font Name"},
      {fonts_page_text::kRemove, "Remove Font"},
      {fonts_page_text::kExport, "Export Subset Font Type 1 binary (*.pfb)"},
      {menu_text::kOpenCMap, "CID Map files (*.cmp)"},
      {menu_text::kSaveCMapAs, "CID Map files (*.cmp)"},
      {"Base CMap on...", "Base CMap files"},
      {chars_page_text::kHeader, "CMap Header"},
  };
  // The CMap commands past Open need a current CMap.
  action(menu_text::kNewCMap)->trigger();
  EXPECT_TRUE(
      frame_.charPage()->legend()->toPlainText().startsWith("The current CMap is called Untitled"));
  for (const Case& c : cases) {
    QAction* command = action(c.caption);
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(command->isEnabled()) << c.caption;
    QString shown = dialogShownBy([&] { command->trigger(); });
    EXPECT_TRUE(shown.contains(c.dialog)) << c.caption << ": " << shown.toStdString();
  }
  // Cancelled, every command left the font as it was.
  EXPECT_EQ(frame_.fontsPage()->list()->count(), 2);
}

TEST_F(MainFrameCommandsTest, CtrlOReachesOpen) {
  frame_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame_));
  frame_.activateWindow();
  QString shown = dialogShownBy([&] { QTest::keyClick(&frame_, Qt::Key_O, Qt::ControlModifier); });
  EXPECT_TRUE(shown.endsWith("Sorvella Fonts (*.sqf)")) << shown.toStdString();
}

TEST_F(MainFrameCommandsTest, SaveTakesTheEditedFontInfoPageIntoTheFont) {
  QLineEdit* name = frame_.mainPage()->fields()[0];
  QLineEdit* uid = frame_.mainPage()->fields()[2];
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, " My Font ");
  uid->selectAll();
  QTest::keyClicks(uid, "4000");
  EXPECT_TRUE(frame_.isWindowModified());
  // A command that refreshes the pages keeps what was typed.
  frame_.document().setAllLocked(true);
  EXPECT_EQ(name->text(), " My Font ");

  action(menu_text::kSave)->trigger();
  EXPECT_EQ(frame_.document().font()->info().fontName(), "MyFont");
  EXPECT_EQ(name->text(), "MyFont");
  EXPECT_EQ(frame_.windowTitle(), "MyFont[*] - Sorvella");
  EXPECT_FALSE(frame_.isWindowModified());
  std::unique_ptr<CCidFont> saved = ReadBinaryIndex(index_).font;
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->info().fontName(), "MyFont");
  EXPECT_EQ(saved->info().uidBase, 4000);
}

TEST_F(MainFrameCommandsTest, LockFlagsFollowTheCheckBoxAndGuardRemove) {
  CFontsPage* page = frame_.fontsPage();
  auto* locked = qobject_cast<QCheckBox*>(page->control(fonts_page_text::kLocked));
  QWidget* remove = page->control(fonts_page_text::kRemove);
  ASSERT_TRUE(locked && remove);
  page->list()->setCurrentRow(1);
  EXPECT_TRUE(remove->isEnabled());
  locked->click();
  EXPECT_EQ(frame_.document().font()->subsetFont(1).locked, 1);
  EXPECT_FALSE(remove->isEnabled());
  EXPECT_FALSE(action(fonts_page_text::kRemove)->isEnabled());

  qobject_cast<QPushButton*>(page->control(fonts_page_text::kUnlockAll))->click();
  EXPECT_FALSE(locked->isChecked());
  EXPECT_TRUE(remove->isEnabled());
  qobject_cast<QPushButton*>(page->control(fonts_page_text::kLockAll))->click();
  page->list()->setCurrentRow(0);
  EXPECT_TRUE(locked->isChecked());
  EXPECT_EQ(frame_.document().font()->subsetFont(0).locked, 1);
}

TEST_F(MainFrameCommandsTest, WindowHooksEnableTheirCommands) {
  QWidget* edit = frame_.fontsPage()->control(fonts_page_text::kEdit);
  QPushButton* show = frame_.charPage()->button(chars_page_text::kShowCMap);
  ASSERT_TRUE(edit && show);
  EXPECT_FALSE(edit->isEnabled());
  EXPECT_FALSE(edit->toolTip().isEmpty());
  EXPECT_FALSE(show->isEnabled());
  EXPECT_FALSE(action(chars_page_text::kShowCMap)->isEnabled());

  std::vector<int32_t> edited;
  int shown = 0, highlighted = -2;
  frame_.setEditHook([&](int32_t font) { edited.push_back(font); });
  frame_.setShowCMapHook([&] { ++shown; });
  frame_.setHighlightHook([&](int32_t font) { highlighted = font; });
  frame_.fontsPage()->list()->setCurrentRow(1);
  ASSERT_TRUE(edit->isEnabled());
  qobject_cast<QPushButton*>(edit)->click();
  action(fonts_page_text::kEdit)->trigger();
  show->click();
  qobject_cast<QCheckBox*>(frame_.fontsPage()->control(fonts_page_text::kHighlight))->click();
  EXPECT_EQ(edited, (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(highlighted, 1);
}

TEST_F(MainFrameCommandsTest, ExitAsksForTheFontThenTheCMapAndCancelKeepsBoth) {
  frame_.show();
  frame_.document().font()->setModified(true);
  ASSERT_TRUE(frame_.document().cmaps().New());
  frame_.document().cmaps().current()->modified = true;
  int exited = 0;
  frame_.setExitHook([&] { ++exited; });
  QStringList asked;
  whenShown<QMessageBox>([&](QMessageBox* first) {
    asked << first->text();
    clickButton(first, "&No");
    whenShown<QMessageBox>([&](QMessageBox* second) {
      asked << second->text();
      clickButton(second, "Cancel");
    });
  });
  action(menu_text::kExit)->trigger();
  QTest::qWait(0);
  ASSERT_EQ(asked.size(), 2);
  EXPECT_TRUE(asked[0].startsWith("The current CID font may be changed."))
      << asked[0].toStdString();
  EXPECT_TRUE(asked[1].startsWith("The current CMap may be changed.")) << asked[1].toStdString();
  EXPECT_TRUE(frame_.isVisible());
  EXPECT_TRUE(frame_.document().font()->modified());
  ASSERT_NE(frame_.document().cmaps().current(), nullptr);
  EXPECT_TRUE(frame_.document().cmaps().current()->modified);
  // Nothing of the exit was stored, and the tool windows were not told.
  EXPECT_FALSE(IniFileProfile(ini_).lookup("Options", "EditGridX"));
  EXPECT_EQ(exited, 0);
}

TEST_F(MainFrameCommandsTest, DroppingAnIndexFileOpensItAndListsItAsRecent) {
  fs::path other = test::writeSampleIndexFont(temp_.path(), "MING");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(pathToQString(other))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&frame_, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&frame_, &drop);
  QTest::qWait(0);
  EXPECT_EQ(frame_.document().font()->info().fontName(), "MING");

  QList<QAction*> recent = frame_.recentFileActions();
  ASSERT_GE(recent.size(), 2);
  EXPECT_EQ(recent[0]->text(), "&1 " + pathToQString(other));
  EXPECT_EQ(recent[1]->text(), "&2 " + pathToQString(index_));
  EXPECT_EQ(IniFileProfile(ini_).getString("Recent File List", "File1"), other.string());

  // Another kind of file is not taken.
  QMimeData text;
  text.setUrls({QUrl::fromLocalFile(pathToQString(temp_ / "notes.txt"))});
  QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  refused.setAccepted(false);
  QApplication::sendEvent(&frame_, &refused);
  EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MainFrameCommandsTest, ARecentFileThatIsGoneIsOfferedForRemoval) {
  fs::path other = test::writeSampleIndexFont(temp_.path(), "MING");
  ASSERT_TRUE(frame_.openFile(other));
  fs::remove(other);
  QString asked;
  whenShown<QMessageBox>([&](QMessageBox* box) {
    asked = box->text();
    clickButton(box, "&Yes");
  });
  frame_.recentFileActions()[0]->trigger();
  QTest::qWait(0);
  EXPECT_TRUE(asked.contains(pathToQString(other))) << asked.toStdString();
  EXPECT_EQ(frame_.recentFileActions()[0]->text(), "&1 " + pathToQString(index_));
  EXPECT_EQ(IniFileProfile(ini_).getString("Recent File List", "File1"), index_.string());
  // The recent list opens what is still there.
  ASSERT_TRUE(frame_.openFile(test::writeSampleIndexFont(temp_.path(), "SUNG")));
  frame_.recentFileActions()[1]->trigger();
  EXPECT_EQ(frame_.document().font()->info().fontName(), "KAKU");
}

TEST_F(MainFrameCommandsTest, TheCMapHeaderDialogStoresItsFieldsAndTheLegendFollows) {
  action(menu_text::kNewCMap)->trigger();
  whenShown<CMapHeaderDialog>([](CMapHeaderDialog* dialog) {
    dialog->findChild<QLineEdit*>("Name")->setText("UniKS-UCS2-V");
    dialog->findChild<QLineEdit*>("Version")->setText("1.5");
    buttonWithText(dialog, "Vertical")->click();
    test::clickOk(dialog);
  });
  frame_.charPage()->button(chars_page_text::kHeader)->click();
  const CCodeMap* cmap = frame_.document().cmaps().current();
  ASSERT_NE(cmap, nullptr);
  EXPECT_DOUBLE_EQ(headerFields(*cmap).version, 1.5);
  QString legend = frame_.charPage()->legend()->toPlainText();
  EXPECT_TRUE(legend.contains("called UniKS-UCS2-V")) << legend.toStdString();
  EXPECT_TRUE(legend.contains("for vertical writing mode")) << legend.toStdString();
}

}  // namespace
}  // namespace sorvella
