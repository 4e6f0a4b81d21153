// New, Open and Save of the CID font document: the folder dialog and its messages, the check
// of the subset font files, and the index file each command leaves.
#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "document_fixture.h"
#include "glyph/native_font_file.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class NewCidFont : public test::DocumentTest {
 protected:
  // A folder that cannot be made: its box offers "OK" (ask again) and "Cancel".
  void expectWarning(const std::string& text) {
    const auto& box = onlyBox();
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, "Warning!");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK", "Cancel"}));
  }
  // New with a folder of that name, its warning answered with Cancel: nothing is made.
  void cancelNewAt(const std::string& name) {
    folders_.script(FontFolderChoice{folder_.path(), name, false});
    prompts_.script("Cancel");
    EXPECT_FALSE(document_->New());
    EXPECT_EQ(folders_.requests().size(), 1u);
    EXPECT_EQ(document_->font(), nullptr);
  }
};

TEST_F(NewCidFont, AsksForTheFolderWithItsTitleAndText) {
  profile_.writeString("Directories", "Import", (folder_ / "fonts").string());
  EXPECT_FALSE(document_->New());
  ASSERT_EQ(folders_.requests().size(), 1u);
  const FontFolderRequest& request = folders_.requests()[0];
  EXPECT_EQ(request.title, "Creating CID font");
  EXPECT_EQ(request.text,
            "You are creating a new CID-keyed font. It may include many subset fonts that will be "
            "converted to internal format and stored in one directory. Please enter a name for "
            "this directory.");
  EXPECT_EQ(request.initialDirectory, folder_ / "fonts");
  EXPECT_EQ(document_->font(), nullptr);
}

TEST_F(NewCidFont, CreatesTheFolderAndAnEmptyFont) {
  folders_.script(FontFolderChoice{folder_.path(), "MINCHO", true});
  ASSERT_TRUE(document_->New());
  EXPECT_TRUE(fs::is_directory(folder_ / "MINCHO"));
  EXPECT_EQ(document_->folder(), folder_ / "MINCHO");
  EXPECT_EQ(document_->font()->subsetFontCount(), 0);
  EXPECT_EQ(getFolder(profile_, kImportFolderKey).string(), folder_.path().string() + "/");
  EXPECT_EQ(windowsClosed_, 1);
}

TEST_F(NewCidFont, ExistingFolderIsReplacedOnlyWhenAsked) {
  fs::create_directory(folder_ / "MINCHO");
  test::writeFile(folder_ / "MINCHO" / "keep.txt", "x");
  folders_.script(FontFolderChoice{folder_.path(), "MINCHO", false});
  prompts_.script("&Replace");
  ASSERT_TRUE(document_->New());
  const auto& box = onlyBox();
  EXPECT_EQ(box.text, "Folder " + (folder_ / "MINCHO").string() +
                          " already exists. You can replace it with the new one or choose another "
                          "path and/or folder name.");
  EXPECT_EQ(box.title, "Warning");
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"Choose New", "&Replace", "Cancel"}));
  EXPECT_TRUE(fs::exists(folder_ / "MINCHO" / "keep.txt"));
}

TEST_F(NewCidFont, ChooseNewAsksAgainAndCancelAbandons) {
  fs::create_directory(folder_ / "MINCHO");
  folders_.script(FontFolderChoice{folder_.path(), "MINCHO", false});
  folders_.script(FontFolderChoice{folder_.path(), "MINCHO", false});
  prompts_.script("Choose New");
  prompts_.script("Cancel");
  EXPECT_FALSE(document_->New());
  EXPECT_EQ(folders_.requests().size(), 2u);
  EXPECT_EQ(folders_.requests()[1].initialName, "MINCHO");
  EXPECT_EQ(document_->font(), nullptr);
}

TEST_F(NewCidFont, MissingPathWarnsAndOkReturnsToTheDialog) {
  folders_.script(FontFolderChoice{folder_ / "nowhere", "MINCHO", false});
  prompts_.script("OK");
  EXPECT_FALSE(document_->New());  // the second dialog is cancelled
  expectWarning(
      "The selected folder can't be created because the path that you entered does not exist or "
      "is not accessible. Please, enter a different path name or fix the situation.");
  EXPECT_EQ(folders_.requests().size(), 2u);
}

TEST_F(NewCidFont, FileInTheWayWarns) {
  test::writeFile(folder_ / "MINCHO", "a file");
  cancelNewAt("MINCHO");
  expectWarning(
      "The selected folder can't be created because it or a file with the same name already "
      "exists. Please select a different path and/or font folder name.");
}

TEST_F(NewCidFont, OtherFailureIsAnIoErrorAndCancelAbandons) {
  cancelNewAt(std::string(300, 'N'));  // longer than a file name may be
  expectWarning(
      "Folder can't be created because of an i/o error. Try to enter another path and/or folder "
      "name.");
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

TEST_F(OpenCidFont, DialogAndRememberedFolder) {
  fs::path index = savedFont();
  dialogs_.script(index);
  ASSERT_TRUE(document_->Open());
  const FileDialogRequest& request = dialogs_.requests().back();
  EXPECT_EQ(request.filter, "Sorvella Fonts (*.sqf)|*.sqf||");
  EXPECT_EQ(request.defaultExtension, "sqf");
  EXPECT_TRUE(request.fileMustExist);
  EXPECT_EQ(getFolder(profile_, kOpenFolderKey).string(), index.parent_path().string() + "/");
  EXPECT_EQ(document_->font()->subsetFontCount(), 3);
  EXPECT_EQ(document_->font()->CharacterAt(5), 5);
  EXPECT_FALSE(document_->font()->modified());
  EXPECT_GE(busy_.waits(), 1);
}

TEST_F(OpenCidFont, MissingFileAsksAndDeleteRenumbersTheLaterFonts) {
  fs::path index = savedFont();
  std::string secondStem = document_->font()->subsetFont(1).fileStem();
  fs::remove(SubsetFontFilePath(document_->folder(), secondStem));
  prompts_.script("&Delete fonts");
  ASSERT_TRUE(document_->openIndexFile(index));
  const auto& box = onlyBox();
  EXPECT_EQ(box.text, "Sorvella can't find the following subset font files:\n\n" + secondStem +
                          ".VTB\n\nWhat do you want to do?");
  EXPECT_EQ(box.title, "Warning!");
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Delete fonts", "&Ignore", "Retry", "Cancel"}));
  const CCidFont& font = *document_->font();
  ASSERT_EQ(font.subsetFontCount(), 2);
  EXPECT_EQ(font.subsetFont(1).name(), "Font3");
  ASSERT_EQ(font.characterCount(), 3);
  EXPECT_EQ(font.record(font.CharacterAt(0)).font, 0);
  EXPECT_EQ(font.CharacterAt(2), -1);  // the deleted font's CIDs are empty
  EXPECT_EQ(font.record(font.CharacterAt(5)).font, 1);
  EXPECT_EQ(font.record(font.CharacterAt(5)).glyph, 0);
}

TEST_F(OpenCidFont, IgnoreKeepsTheFontsAndRetryLooksAgain) {
  fs::path index = savedFont();
  fs::path missing =
      SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(0).fileStem());
  fs::path aside = folder_ / "aside.vtb";
  fs::rename(missing, aside);
  prompts_.script("&Ignore");
  ASSERT_TRUE(document_->openIndexFile(index));
  EXPECT_EQ(document_->font()->subsetFontCount(), 3);

  prompts_.script("Retry");
  prompts_.script("Cancel");
  EXPECT_FALSE(document_->openIndexFile(index));
  EXPECT_EQ(prompts_.shown().size(), 3u);
  EXPECT_EQ(document_->font(), nullptr);
}

TEST_F(OpenCidFont, UnreadableFileSaysSo) {
  EXPECT_FALSE(document_->openIndexFile(folder_ / "none.sqf"));
  expectOnlyMessage("The index file " + (folder_ / "none.sqf").string() + " can't be read.");
  EXPECT_EQ(document_->font(), nullptr);
}

class SaveCidFont : public test::DocumentTest {};

TEST_F(SaveCidFont, WritesTheIndexFileOfTheFolder) {
  makeNewFont();
  addFonts({2});
  clock_ = 5000;
  ASSERT_TRUE(document_->Save());
  BinaryIndexReadResult read = ReadBinaryIndex(folder_ / "MINCHO" / "MINCHO.sqf");
  ASSERT_TRUE(read.opened);
  EXPECT_EQ(read.font->characterCount(), 2);
  EXPECT_EQ(document_->lastSaveTime(), 5000);
  EXPECT_FALSE(document_->font()->modified());
}

TEST_F(SaveCidFont, AsksToSaveTheModifiedEditorFontFirst) {
  makeNewFont();
  auto edited = test::sampleSubsetFont("Kana", {"a"});
  edited_ = {edited.get(), folder_ / "MINCHO" / "edited.vtb", true};
  prompts_.script("&Yes");
  ASSERT_TRUE(document_->Save());
  const auto& box = onlyBox();
  EXPECT_EQ(box.text,
            "Base font Kana is modified and should be saved. Do you want to save this font?");
  EXPECT_EQ(box.title, "Sorvella");
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No"}));
  EXPECT_TRUE(fs::exists(folder_ / "MINCHO" / "edited.vtb"));
  EXPECT_FALSE(edited_.modified);
}

TEST_F(SaveCidFont, NoLeavesTheEditorFontUnwritten) {
  makeNewFont();
  auto edited = test::sampleSubsetFont("Kana", {"a"});
  edited_ = {edited.get(), folder_ / "MINCHO" / "edited.vtb", true};
  prompts_.script("&No");
  ASSERT_TRUE(document_->Save());
  EXPECT_FALSE(fs::exists(folder_ / "MINCHO" / "edited.vtb"));
  EXPECT_TRUE(edited_.modified);
}

TEST_F(SaveCidFont, FolderWithoutSeparatorSavesTheEmergencyFileOnOk) {
  // A relative folder path is the only one without a separator.
  struct WorkingFolder {
    fs::path before = fs::current_path();
    ~WorkingFolder() { fs::current_path(before); }
  } restore;
  fs::current_path(folder_.path());
  CCidFont empty;
  fs::create_directories(folder_ / "LOCAL");
  WriteBinaryIndex(empty, folder_ / "LOCAL" / "LOCAL.sqf");
  ASSERT_TRUE(document_->openIndexFile("LOCAL/LOCAL.sqf"));
  ASSERT_EQ(document_->folder(), fs::path("LOCAL"));
  prompts_.script("Cancel");
  EXPECT_FALSE(document_->Save());
  prompts_.script("OK");
  EXPECT_TRUE(document_->Save());
  ASSERT_EQ(prompts_.shown().size(), 2u);
  EXPECT_EQ(prompts_.shown()[0].text,
            "Font can't be saved because the folder name is incorrect. Press the Retry button to "
            "save the font as ~SAVE.SQF in that folder.");
  EXPECT_EQ(prompts_.shown()[0].title, "Warning!");
  EXPECT_EQ(prompts_.shown()[0].buttons, (std::vector<std::string>{"OK", "Cancel"}));
  // The index file's own extension, as every index file is written.
  EXPECT_TRUE(fs::exists(folder_ / "LOCAL" / "~SAVE.sqf"));
}

TEST_F(SaveCidFont, AppliesTheFontInfoPage) {
  makeNewFont();
  page_ = FontInfoFields{" My Font\t", "My Full Name", "4000", "1, 2;3",
                         "Adobe",      "Japan1",       "6",    "Notice"};
  ASSERT_TRUE(document_->Save());
  BinaryIndexReadResult read = ReadBinaryIndex(folder_ / "MINCHO" / "MINCHO.sqf");
  EXPECT_EQ(read.font->info().fontName(), "MyFont");
  EXPECT_EQ(read.font->info().uidBase, 4000);
  EXPECT_EQ(read.font->info().xuid(), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(read.font->info().ordering(), "Japan1");
  EXPECT_EQ(read.font->info().supplement, 6);
}

}  // namespace
}  // namespace sorvella
