// The Qt dialogs driven as a user would: boxes answered by clicks and keys, fields typed into.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <filesystem>

#include "cidfont/new_subset_font.h"
#include "platform/qt/qt_busy_indicator.h"
#include "platform/qt/qt_font_folder_dialog.h"
#include "platform/qt/qt_input_dialogs.h"
#include "platform/qt/qt_prompts.h"
#include "support/modal_dialogs.h"

namespace sorvella {
namespace {

using test::clickButton;
using test::whenShown;

TEST(QtPrompts, ShowsTheButtonsInOrderAndAnswersWithThePositionClicked) {
  QStringList captions;
  whenShown<QMessageBox>([&](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle(), "Warning!");
    EXPECT_EQ(box->text(), "Replace it?");
    for (QAbstractButton* button : box->buttons()) captions.push_back(button->text());
    clickButton(box, "&No");
  });
  QtPrompts prompts;
  EXPECT_EQ(prompts.ask("Replace it?", "Warning!", {"&Yes", "&No", "Cancel"}), 1);
  EXPECT_EQ(captions, (QStringList{"&Yes", "&No", "Cancel"}));
}

TEST(QtPrompts, ClosingTheBoxChoosesNoButton) {
  whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
  QtPrompts prompts;
  EXPECT_EQ(prompts.ask("Save?", "Sorvella", {"&Yes", "&No", "Cancel"}), -1);
  // Even a box with one button, which QMessageBox would otherwise click.
  whenShown<QMessageBox>([](QMessageBox* box) { box->close(); });
  EXPECT_EQ(prompts.ask("Done.", "Sorvella", {"OK"}), -1);
}

TEST(QtInputDialogs, QuestionWithCheckBoxGivesButtonAndBox) {
  whenShown<QMessageBox>([](QMessageBox* box) {
    ASSERT_NE(box->checkBox(), nullptr);
    EXPECT_EQ(box->checkBox()->text(), "Delete font file from the disk");
    box->checkBox()->setChecked(true);
    clickButton(box, "&Remove");
  });
  QtInputDialogs inputs;
  CheckBoxAnswer answer = inputs.askWithCheckBox(
      {"Remove it?", "Remove Font", "Delete font file from the disk", {"&Remove", "Cancel"}});
  EXPECT_EQ(answer.button, 0);
  EXPECT_TRUE(answer.checked);
}

TEST(QtInputDialogs, NumberFieldsFollowEachOtherWhileTyping) {
  // The "Make Index Font" rule: typing 20 as the first index while the last is 5 sets the last
  // to 20 and the number to 1; typing 3 as the number then sets the last index to 22.
  NumberFieldsRequest request{"Make Index Font",
                              "Enter parameters of index font",
                              {"First:", "Last:", "Number:"},
                              {0, 5, 6},
                              [](std::size_t changed, std::vector<uint32_t>& v) {
                                IndexFontFields f{v[0], v[1], v[2]};
                                if (changed == 0) f.setFirst(v[0]);
                                if (changed == 1) f.setLast(v[1]);
                                if (changed == 2) f.setCount(v[2]);
                                v = {f.first, f.last, f.count};
                              }};
  QStringList shown;
  whenShown<QDialog>([&](QDialog* dialog) {
    auto* first = dialog->findChild<QLineEdit*>("number0");
    auto* last = dialog->findChild<QLineEdit*>("number1");
    auto* count = dialog->findChild<QLineEdit*>("number2");
    ASSERT_TRUE(first && last && count);
    first->selectAll();
    QTest::keyClicks(first, "20");
    shown = {first->text(), last->text(), count->text()};
    count->selectAll();
    QTest::keyClicks(count, "3");
    test::clickOk(dialog);
  });
  QtInputDialogs inputs;
  std::optional<std::vector<uint32_t>> values = inputs.askNumbers(request);
  EXPECT_EQ(shown, (QStringList{"20", "20", "1"}));
  ASSERT_TRUE(values);
  EXPECT_EQ(*values, (std::vector<uint32_t>{20, 22, 3}));
}

TEST(QtFontFolderDialog, GivesTheDirectoryNameAndCheckBox) {
  whenShown<QDialog>([](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Creating CID font");
    EXPECT_NE(test::buttonWithText(dialog, "Make it the default"), nullptr);
    auto* directory = dialog->findChild<QLineEdit*>("directory");
    ASSERT_NE(directory, nullptr);
    directory->setText("/tmp/other/");
    EXPECT_EQ(dialog->findChild<QLabel*>("freeSpace")->text(), "Room in /tmp/other/");
    auto* name = dialog->findChild<QLineEdit*>("folderName");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "MINCHO");
    name->setText("GOTHIC");
    dialog->findChild<QCheckBox*>("saveAsDefault")->setChecked(true);
    test::clickOk(dialog);
  });
  QtFontFolderDialog folders;
  std::optional<FontFolderChoice> choice =
      folders.choose({"Creating CID font", "Enter a name.", "/tmp/fonts/", "MINCHO",
                      "Name:", "Make it the default",
                      [](const std::filesystem::path& d) { return "Room in " + d.string(); }});
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->directory, "/tmp/other/");
  EXPECT_EQ(choice->name, "GOTHIC");
  EXPECT_TRUE(choice->saveAsDefault);
}

TEST(QtBusyIndicator, ProgressAnswersCancelOnlyAfterCancelWasPressed) {
  QtBusyIndicator busy;
  ProgressCallback progress = busy.openProgress("Importing CID Font", "Processing CID glyphs...");
  QProgressDialog* dialog = busy.progressDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), "Importing CID Font");
  EXPECT_EQ(dialog->labelText(), "Processing CID glyphs...");
  EXPECT_EQ(progress(kProgressRange, 100, 300), 0);
  EXPECT_EQ(progress(kProgressPosition, 200, 0), 0);
  EXPECT_EQ(dialog->value(), 200);
  EXPECT_EQ(progress(kProgressCancelQuery, 0, 0), 0);
  clickButton(dialog, "Cancel");
  EXPECT_NE(progress(kProgressCancelQuery, 0, 0), 0);
  busy.closeProgress();
  EXPECT_EQ(busy.progressDialog(), nullptr);
  EXPECT_EQ(progress(kProgressCancelQuery, 0, 0), 0);
}

}  // namespace
}  // namespace sorvella
