// The main window over a CID font written by the core: opened as the command line opens it,
// with the Qt prompts answering the check of the subset font files.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "app/main_frame.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/subset_font_adding.h"
#include "cidfont/ui/fonts_page.h"
#include "cidfont/ui/main_page.h"
#include "support/modal_dialogs.h"
#include "support/sample_subset_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::clickButton;
using test::whenShown;

QStringList listed(const CMainFrame& frame) {
  QStringList names;
  QListWidget* list = frame.fontsPage()->list();
  for (int i = 0; i < list->count(); ++i) names.push_back(list->item(i)->text());
  return names;
}

class MainFrameOpenTest : public ::testing::Test {
 protected:
  // MINCHO/MINCHO.sqf with MinchoA (CID 1, CID 2 and one unplaced glyph) and MinchoB (CID 10).
  void SetUp() override {
    fs::create_directory(folder_);
    CCidFont font;
    font.info().setFontName("TestCID");
    SubsetFontAdding byName;
    byName.placeByName = true;
    std::unique_ptr<SubsetFont> a = test::sampleSubsetFont("MinchoA", {"CID-1", "CID-2", "g3"});
    std::unique_ptr<SubsetFont> b = test::sampleSubsetFont("MinchoB", {"CID-10"});
    ASSERT_EQ(addSubsetFont(font, folder_, *a, byName), 0);
    ASSERT_EQ(addSubsetFont(font, folder_, *b, byName), 1);
    font.RebuildTables();
    ASSERT_TRUE(WriteBinaryIndex(font, index_));
  }

  test::TempFolder temp_;
  fs::path folder_ = temp_ / "MINCHO";
  fs::path index_ = binaryIndexPath(folder_);
  CMainFrame frame_{temp_ / "sorvella.ini"};
};

TEST_F(MainFrameOpenTest, ShowsTheSubsetFontsAndTheSelectedOnesText) {
  EXPECT_FALSE(frame_.fileAction(menu_text::kSave)->isEnabled());
  ASSERT_TRUE(frame_.openIndexFile(index_));
  EXPECT_TRUE(frame_.fileAction(menu_text::kSave)->isEnabled());

  EXPECT_EQ(frame_.mainPage()->fields()[0]->text(), "TestCID");
  EXPECT_EQ(frame_.mainPage()->legend()->toPlainText(),
            "The current CID font contains 4 characters in 2 subset fonts.");

  EXPECT_EQ(listed(frame_), (QStringList{"MinchoA", "MinchoB"}));
  EXPECT_EQ(frame_.fontsPage()->legend()->toPlainText(),
            "You have selected font number 1. Its name is MinchoA and it is placed in file "
            "MINC0000.vtb. This font contains 3 characters 1 which are not placed yet. The font "
            "is not locked.");
  frame_.fontsPage()->list()->setCurrentRow(1);
  EXPECT_EQ(frame_.fontsPage()->legend()->toPlainText(),
            "You selected font number 2. Its name is MinchoB and it is placed in file "
            "MINC0001.vtb. This font contains 1 characters. All characters are properly placed. "
            "The font is not locked.");
}

TEST_F(MainFrameOpenTest, TheCommandLinesFileOpensFromTheCurrentFolder) {
  EXPECT_FALSE(frame_.openCommandLineFile({"sorvella"}));
  QString current = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(temp_.path().string())));
  bool opened = frame_.openCommandLineFile({"sorvella", "MINCHO/MINCHO.sqf"});
  QDir::setCurrent(current);
  ASSERT_TRUE(opened);
  // The folder is absolute, so that Save writes the index file back where it came from.
  EXPECT_EQ(frame_.document().folder(), folder_);
  EXPECT_EQ(listed(frame_), (QStringList{"MinchoA", "MinchoB"}));
}

TEST_F(MainFrameOpenTest, AMissingSubsetFontFileIsAskedAboutInAQtBox) {
  fs::remove(SubsetFontFilePath(folder_, "MINC0000"));
  QString text;
  whenShown<QMessageBox>([&](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle(), "Warning!");
    text = box->text();
    clickButton(box, "&Ignore");
  });
  ASSERT_TRUE(frame_.openIndexFile(index_));
  EXPECT_TRUE(text.contains("MINC0000.VTB")) << text.toStdString();
  EXPECT_FALSE(text.contains("MINC0001.VTB")) << text.toStdString();
  EXPECT_EQ(listed(frame_), (QStringList{"MinchoA", "MinchoB"}));
}

TEST_F(MainFrameOpenTest, DeletingTheMissingFontsLeavesTheOthersOnThePage) {
  fs::remove(SubsetFontFilePath(folder_, "MINC0000"));
  whenShown<QMessageBox>([](QMessageBox* box) { clickButton(box, "&Delete fonts"); });
  ASSERT_TRUE(frame_.openIndexFile(index_));
  EXPECT_EQ(listed(frame_), QStringList{"MinchoB"});
  EXPECT_EQ(frame_.mainPage()->legend()->toPlainText(),
            "The current CID font contains 1 characters in 1 subset fonts.");
}

TEST_F(MainFrameOpenTest, ClosingWithAModifiedFontAsksAndCancelKeepsTheWindow) {
  ASSERT_TRUE(frame_.openIndexFile(index_));
  frame_.show();
  frame_.document().font()->setModified(true);
  QString text;
  whenShown<QMessageBox>([&](QMessageBox* box) {
    text = box->text();
    clickButton(box, "Cancel");
  });
  EXPECT_FALSE(frame_.close());
  EXPECT_TRUE(frame_.isVisible());
  EXPECT_TRUE(text.startsWith("The current CID font may be changed.")) << text.toStdString();
}

}  // namespace
}  // namespace sorvella
