// The tool windows wired to the main window: its commands open the charts and the glyph
// editor, and a CID font that replaces the open one closes them.
#include "app/tool_windows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>

#include "app/main_frame.h"
#include "charts/ui/chart_windows.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/subset_font_adding.h"
#include "cidfont/ui/apply_actions_dialog.h"
#include "cidfont/ui/chars_page.h"
#include "cidfont/ui/fonts_page.h"
#include "cidfont/ui/options_sheet.h"
#include "editor/ui/edit_frame.h"
#include "support/modal_dialogs.h"
#include "support/sample_subset_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class ToolWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const fs::path& folder : {folderA_, folderB_}) {
      fs::create_directory(folder);
      CCidFont font;
      font.info().setFontName(folder.filename().string());
      SubsetFontAdding byName;
      byName.placeByName = true;
      std::unique_ptr<SubsetFont> a = test::sampleSubsetFont("FontA", {"CID-1", "CID-2"});
      std::unique_ptr<SubsetFont> b = test::sampleSubsetFont("FontB", {"CID-10", "g1"});
      ASSERT_EQ(addSubsetFont(font, folder, *a, byName), 0);
      ASSERT_EQ(addSubsetFont(font, folder, *b, byName), 1);
      font.RebuildTables();
      ASSERT_TRUE(WriteBinaryIndex(font, binaryIndexPath(folder)));
    }
  }

  test::TempFolder temp_;
  fs::path folderA_ = temp_ / "FONTA";
  fs::path folderB_ = temp_ / "FONTB";
  CMainFrame frame_{temp_ / "sorvella.ini"};
  ToolWindows tools_{frame_};
};

TEST_F(ToolWindowsTest, MainWindowCommandsOpenTheChartsAndTheGlyphEditor) {
  QAction* edit = frame_.fileAction(fonts_page_text::kEdit);
  ASSERT_NE(edit, nullptr);
  EXPECT_FALSE(edit->isEnabled());
  EXPECT_FALSE(tools_.charts().charactersWindow().isVisible());

  ASSERT_TRUE(frame_.openIndexFile(binaryIndexPath(folderA_)));
  EXPECT_TRUE(tools_.charts().charactersWindow().isVisible());
  EXPECT_EQ(tools_.charts().characters().grid().itemCount(), 11);

  frame_.fontsPage()->list()->setCurrentRow(1);
  ASSERT_TRUE(edit->isEnabled());
  edit->trigger();
  EXPECT_TRUE(tools_.charts().fontWindow().isVisible());
  EXPECT_EQ(tools_.charts().fontChart().subsetFont(), 1);

  frame_.fileAction(chars_page_text::kShowCMap)->trigger();
  EXPECT_TRUE(tools_.charts().cmapWindow().isVisible());

  // The Font chart's double click opens the glyph, and the document's Save sees its font.
  ASSERT_TRUE(tools_.editGlyph(1, 1));
  ASSERT_NE(tools_.glyphEditor(), nullptr);
  EXPECT_TRUE(tools_.glyphEditor()->isVisible());
  EXPECT_EQ(tools_.glyphEditor()->editor().glyphNumber(), 1);
  EditedSubsetFont* edited = tools_.glyphEditor()->editedFont();
  EXPECT_EQ(edited->path.filename(), "FONT0001.vtb");

  // Another glyph of the same font keeps the window; another CID font closes every window.
  CEditFrame* window = tools_.glyphEditor();
  ASSERT_TRUE(tools_.editGlyph(1, 0));
  EXPECT_EQ(tools_.glyphEditor(), window);
  EXPECT_EQ(window->editor().glyphNumber(), 0);

  ASSERT_TRUE(frame_.openFile(binaryIndexPath(folderB_)));
  EXPECT_EQ(tools_.glyphEditor(), nullptr);
  EXPECT_FALSE(tools_.charts().fontWindow().isVisible());
  EXPECT_EQ(frame_.document().folder(), folderB_);
}

TEST_F(ToolWindowsTest, ApplyActionsOfTheGlyphWindowChangesTheEditedFontInMemory) {
  ASSERT_TRUE(frame_.openIndexFile(binaryIndexPath(folderA_)));
  ASSERT_TRUE(tools_.editGlyph(0, 1));
  CEditFrame& window = *tools_.glyphEditor();
  const Point before = window.editor().glyph().point(0);
  const fs::path file = window.editedFont()->path;
  const auto written = fs::last_write_time(file);

  test::whenShown<ApplyActionsDialog>([](ApplyActionsDialog* dialog) {
    ASSERT_TRUE(dialog->program().add(ActionKind::kShift));
    dialog->program().setField(0, 30);
    dialog->program().setField(1, -5);
    test::whenShown<QMessageBox>([](QMessageBox* question) {
      EXPECT_EQ(question->text().toStdString(), actions_text::kQuestion);
      test::clickButton(question, actions_text::kYes);
    });
    dialog->accept();
  });
  window.run(EditCommand::kApplyActions);

  const Point after = window.editor().glyph().point(0);
  EXPECT_EQ(after.x, before.x + 30);
  EXPECT_EQ(after.y, before.y - 5);
  // The open font took the program and is left for Save; its file was not written behind it.
  EXPECT_TRUE(window.editedFont()->modified);
  EXPECT_EQ(fs::last_write_time(file), written);
}

// The glyph window's view copies go into the sheet, and what the sheet leaves comes back.
TEST_F(ToolWindowsTest, OptionsOfTheGlyphWindowGoThroughTheSheetBothWays) {
  ASSERT_TRUE(frame_.openIndexFile(binaryIndexPath(folderA_)));
  ASSERT_TRUE(tools_.editGlyph(0, 0));
  GlyphEditor& editor = tools_.glyphEditor()->editor();
  editor.setGrid(40, 40);
  int shownX = 0;
  test::whenShown<COptionsSheet>([&shownX](COptionsSheet* sheet) {
    auto* gridX = sheet->findChild<QSpinBox*>(QStringLiteral("gridX"));
    ASSERT_NE(gridX, nullptr);
    shownX = gridX->value();
    gridX->setValue(55);
    test::clickOk(sheet);
  });
  tools_.glyphEditor()->run(EditCommand::kOptions);
  EXPECT_EQ(shownX, 40);
  EXPECT_EQ(editor.gridX(), 55);
  EXPECT_EQ(frame_.options().editGridX, 55);
}

}  // namespace
}  // namespace sorvella
