// New, Open and Save through their dialogs: the answers reach the operations, and what the
// operations and the folder checks have to say is shown.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "document_fixture.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
namespace folder_text = font_folder_text;

class NewCidFont : public test::DocumentTest {};

TEST_F(NewCidFont, AsksInTheRememberedFolderAndCreatesAnEmptyFont) {
  profile_.writeString("Directories", "Import", (folder_ / "fonts").string());
  EXPECT_FALSE(document_->New());
  EXPECT_EQ(folders_.requests().back().initialDirectory, folder_ / "fonts");
  folders_.script(FontFolderChoice{folder_.path(), "MINCHO", true});
  ASSERT_TRUE(document_->New());
  EXPECT_TRUE(fs::is_directory(folder_ / "MINCHO"));
  EXPECT_EQ(document_->folder(), folder_ / "MINCHO");
  EXPECT_EQ(document_->font()->subsetFontCount(), 0);
  EXPECT_EQ(getFolder(profile_, kImportFolderKey).string(), folder_.path().string() + "/");
  EXPECT_EQ(windowsClosed_, 1);
}

// A folder that cannot be made as asked is told; "Choose New" and "OK" ask for another,
// "&Replace" takes the existing folder without deleting anything, "Cancel" makes nothing.
TEST_F(NewCidFont, FoldersThatCannotBeMadeAreToldAndAskedAgain) {
  fs::create_directory(folder_ / "EXISTS");
  test::writeFile(folder_ / "EXISTS" / "keep.txt", "x");
  test::writeFile(folder_ / "FILE", "a file");
  const std::string exists = formatText(folder_text::kFolderExists, (folder_ / "EXISTS").c_str());
  const struct {
    fs::path directory;
    std::string name, answer, told;
    std::size_t dialogs;
  } cases[] = {{folder_ / "nowhere", "X", kOkButton, folder_text::kPathMissing, 2},
               {folder_.path(), "FILE", document_text::kCancel, folder_text::kNameTaken, 1},
               {folder_.path(), std::string(300, 'N'), kOkButton, folder_text::kIoError, 2},
               {folder_.path(), "EXISTS", folder_text::kChooseNew, exists, 2},
               {folder_.path(), "EXISTS", folder_text::kReplace, exists, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.told);
    const std::size_t dialogs = folders_.requests().size(), shown = prompts_.shown().size();
    folders_.script(FontFolderChoice{c.directory, c.name, false});
    prompts_.script(c.answer);
    EXPECT_EQ(document_->New(), c.answer == folder_text::kReplace);
    ASSERT_EQ(prompts_.shown().size(), shown + 1);
    EXPECT_EQ(prompts_.shown().back().text, c.told);
    EXPECT_EQ(folders_.requests().size(), dialogs + c.dialogs);
  }
  EXPECT_EQ(document_->folder(), folder_ / "EXISTS");
  EXPECT_TRUE(fs::exists(folder_ / "EXISTS" / "keep.txt"));
}

class OpenCidFont : public test::DocumentTest {
 protected:
  // A saved font of three subset fonts of 2, 3 and 1 glyphs, CIDs 0..5 in order.
  fs::path savedFont() {
    makeNewFont();
    addFonts({2, 3, 1});
    document_->font()->PlaceUnplaced(0, 5, 0);
    EXPECT_TRUE(document_->Save());
    return binaryIndexPath(document_->folder());
  }
};

TEST_F(OpenCidFont, OpensTheChosenFileAndRemembersItsFolder) {
  fs::path index = savedFont();
  dialogs_.script(index);
  ASSERT_TRUE(document_->Open());
  EXPECT_EQ(getFolder(profile_, kOpenFolderKey).string(), index.parent_path().string() + "/");
  EXPECT_EQ(document_->font()->CharacterAt(5), 5);
  EXPECT_FALSE(document_->font()->modified());

  dialogs_.script(folder_ / "none.sqf");
  EXPECT_FALSE(document_->Open());
  expectOnlyMessage(formatText(document_text::kIndexUnreadable, (folder_ / "none.sqf").c_str()));
  EXPECT_EQ(document_->font(), nullptr);
}

// The box names the missing file; Retry looks again, Cancel opens nothing, Ignore keeps the
// fonts and "&Delete fonts" removes them.
TEST_F(OpenCidFont, MissingSubsetFontFilesAreAskedAbout) {
  fs::path index = savedFont();
  std::string stem = document_->font()->subsetFont(1).fileStem();
  fs::remove(SubsetFontFilePath(document_->folder(), stem));
  prompts_.script(document_text::kRetry);
  prompts_.script(document_text::kCancel);
  EXPECT_FALSE(document_->openIndexFile(index));
  EXPECT_EQ(document_->font(), nullptr);
  ASSERT_EQ(prompts_.shown().size(), 2u);
  EXPECT_NE(
      prompts_.shown()[1].text.find(formatText(document_text::kMissingFileName, stem.c_str())),
      std::string::npos);
  prompts_.script(document_text::kIgnore);
  ASSERT_TRUE(document_->openIndexFile(index));
  EXPECT_EQ(document_->font()->subsetFontCount(), 3);
  prompts_.script(document_text::kDeleteFonts);
  ASSERT_TRUE(document_->openIndexFile(index));
  ASSERT_EQ(document_->font()->subsetFontCount(), 2);
  EXPECT_EQ(document_->font()->subsetFont(1).name(), "Font3");
}

class SaveCidFont : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({2});
  }
};

// The folder's index file is written; a failed write is told and leaves the font modified, so
// that the save prompt asks again.
TEST_F(SaveCidFont, WritesTheIndexFileOrSaysItCouldNot) {
  const fs::path index = folder_ / "MINCHO" / "MINCHO.sqf";
  clock_ = 5000;
  ASSERT_TRUE(document_->Save());
  EXPECT_EQ(ReadBinaryIndex(index).font->characterCount(), 2);
  EXPECT_EQ(document_->lastSaveTime(), 5000);
  EXPECT_FALSE(document_->font()->modified());
  fs::remove(index);
  fs::create_directory(index);  // a folder in the index file's place
  document_->font()->setModified(true);
  EXPECT_FALSE(document_->Save());
  expectOnlyMessage(formatText(document_text::kIndexNotWritten, index.c_str()));
  EXPECT_TRUE(document_->font()->modified());
}

TEST_F(SaveCidFont, FolderWithoutSeparatorSavesTheEmergencyFileOnOk) {
  // A relative folder path is the only one without a separator.
  struct WorkingFolder {
    fs::path before = fs::current_path();
    ~WorkingFolder() { fs::current_path(before); }
  } restore;
  fs::current_path(folder_.path());
  fs::create_directories(folder_ / "LOCAL");
  CCidFont empty;
  WriteBinaryIndex(empty, folder_ / "LOCAL" / "LOCAL.sqf");
  ASSERT_TRUE(document_->openIndexFile("LOCAL/LOCAL.sqf"));
  ASSERT_EQ(document_->folder(), fs::path("LOCAL"));
  prompts_.script(document_text::kCancel);
  EXPECT_FALSE(document_->Save());
  prompts_.script(kOkButton);
  EXPECT_TRUE(document_->Save());
  ASSERT_EQ(prompts_.shown().size(), 2u);
  EXPECT_EQ(prompts_.shown()[0].text, folder_text::kBadFolderName);
  // The index file's own extension, as every index file is written.
  EXPECT_TRUE(fs::exists(folder_ / "LOCAL" / "~SAVE.sqf"));
}

}  // namespace
}  // namespace sorvella
