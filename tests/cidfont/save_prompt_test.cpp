// The save question before unsaved work is replaced: its duration text, its buttons, and what
// each answer does to the command that asked.
#include "cidfont/save_prompt.h"

#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "cidfont/font_folder.h"
#include "document_fixture.h"

namespace sorvella {
namespace {

class DurationText : public ::testing::Test {};

TEST_F(DurationText, HoursAndMinutes) {
  EXPECT_EQ(durationText(2 * 3600 + 5 * 60 + 7), " 2 hours and 5 munutes");
}

TEST_F(DurationText, SecondsAlone) {
  EXPECT_EQ(durationText(45), " 45 seconds");
}

TEST_F(DurationText, ExactlyOneHourShowsZeroSeconds) {
  EXPECT_EQ(durationText(3600), " 1 hours and 0 seconds");
}

TEST_F(DurationText, MinutesWithoutHours) {
  EXPECT_EQ(durationText(61), " 1 munutes");
}

class CidFontSavePrompt : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({2});
    clock_ += 125;
  }
  static constexpr const char* kQuestion =
      "The current CID font may be changed. Unless you save it you may loose your work for the "
      "last 2 munutes.\nDo you want to save your font?";
};

TEST_F(CidFontSavePrompt, CancelStopsTheCommand) {
  prompts_.script("Cancel");
  EXPECT_FALSE(document_->New());
  const auto& box = onlyBox();
  EXPECT_EQ(box.text, kQuestion);
  EXPECT_EQ(box.title, "Sorvella");
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
  EXPECT_TRUE(folders_.requests().size() == 1u);  // only the first New asked for a folder
  EXPECT_NE(document_->font(), nullptr);
}

TEST_F(CidFontSavePrompt, YesSavesBeforeGoingOn) {
  prompts_.script("&Yes");
  EXPECT_FALSE(document_->Open());  // the file dialog is cancelled after the save
  EXPECT_TRUE(std::filesystem::exists(binaryIndexPath(document_->folder())));
  EXPECT_FALSE(document_->font()->modified());
}

TEST_F(CidFontSavePrompt, NoGoesOnWithoutSaving) {
  prompts_.script("&No");
  EXPECT_FALSE(document_->Open());
  EXPECT_EQ(dialogs_.requests().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(binaryIndexPath(document_->folder())));
}

TEST_F(CidFontSavePrompt, UnmodifiedFontIsNotAskedAbout) {
  ASSERT_TRUE(document_->Save());
  EXPECT_FALSE(document_->Open());
  EXPECT_TRUE(prompts_.shown().empty());
}

class CMapSavePrompt : public test::DocumentTest {};

TEST_F(CMapSavePrompt, ExitAsksForTheCMapAfterTheFontAndCancelKeepsBoth) {
  makeNewFont();
  addFonts({1});
  ASSERT_TRUE(document_->cmaps().New());
  document_->cmaps().current()->modified = true;
  clock_ += 45;
  prompts_.script("&No");
  prompts_.script("Cancel");
  EXPECT_FALSE(document_->mayExit());
  ASSERT_EQ(prompts_.shown().size(), 2u);
  EXPECT_EQ(prompts_.shown()[1].text,
            "The current CMap may be changed. Unless you save it you may loose your work for "
            "last 45 seconds.\nDo you want to save it now?");
  EXPECT_EQ(prompts_.shown()[1].buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
  EXPECT_TRUE(document_->font()->modified());
  EXPECT_TRUE(document_->cmaps().current()->modified);
}

TEST_F(CMapSavePrompt, YesSavesTheCMapAndGoesOn) {
  ASSERT_TRUE(document_->cmaps().New());
  CCodeMap& cmap = *document_->cmaps().current();
  cmap.ordering = "Japan1";
  cmap.filePath = folder_ / "A.cmp";
  cmap.modified = true;
  prompts_.script("&Yes");
  EXPECT_TRUE(document_->mayExit());
  EXPECT_EQ(onlyBox().title, "Sorvella");
  EXPECT_TRUE(std::filesystem::exists(folder_ / "A.cmp"));
  EXPECT_FALSE(cmap.modified);
}

}  // namespace
}  // namespace sorvella
