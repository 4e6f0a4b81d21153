// The CMap commands of the "Characters" page, driven through scripted prompts and file
// dialogs: what they ask, the messages they show, and the current CMap they leave.
#include "cmap/cmap_commands.h"

#include <gtest/gtest.h>

#include "cidfont/remembered_folders.h"
#include "cmap_test_text.h"
#include "platform/ini_file_profile.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/shown_message.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class CMapCommandsTest : public ::testing::Test {
 protected:
  void expectMessage(const std::string& text) { test::expectOnlyMessage(prompts_, text); }

  fs::path write(const std::string& name, const std::string& text) {
    fs::create_directories(maps_);
    test::writeFile(maps_ / name, text);
    return maps_ / name;
  }

  test::TempFolder folder_;
  fs::path maps_ = folder_ / "maps";
  IniFileProfile profile_{folder_ / "sorvella.ini"};
  ScriptedPrompts prompts_;
  ScriptedFileDialogs dialogs_;
  bool mayReplace_ = true;
  int questions_ = 0;
  int changes_ = 0;
  CMapCommands commands_{{prompts_, dialogs_, folder_ / "program" / "sorvella",
                          [this] { return getFolder(profile_, kMapFolderKey); },
                          [this](const fs::path& f) { setFolder(profile_, kMapFolderKey, f); },
                          [this] {
                            ++questions_;
                            return mayReplace_;
                          },
                          [this] { ++changes_; }}};
};

class OpenCMap : public CMapCommandsTest {};

TEST_F(OpenCMap, RefusedReplacementAsksNothingMore) {
  ASSERT_TRUE(commands_.New());
  CCodeMap* before = commands_.current();
  mayReplace_ = false;
  EXPECT_FALSE(commands_.Open());
  EXPECT_EQ(questions_, 2);
  EXPECT_TRUE(dialogs_.requests().empty());
  EXPECT_EQ(commands_.current(), before);
}

TEST_F(OpenCMap, DialogStartsInSamplesThenInTheRememberedFolder) {
  EXPECT_FALSE(commands_.Open());  // cancelled
  ASSERT_EQ(dialogs_.requests().size(), 1u);
  const FileDialogRequest& request = dialogs_.requests()[0];
  EXPECT_EQ(request.mode, FileDialogRequest::Mode::kOpen);
  EXPECT_EQ(request.filter, "CID Map files (*.cmp)|*.cmp||");
  EXPECT_EQ(request.defaultExtension, "cmp");
  EXPECT_TRUE(request.fileMustExist);
  EXPECT_TRUE(request.hideReadOnly);
  EXPECT_EQ(request.initialFolder, folder_ / "program" / "Samples");
  EXPECT_EQ(commands_.current(), nullptr);

  dialogs_.script(write("A.cmp", test::cmapText("/WMode 1 def", "Alpha")));
  ASSERT_TRUE(commands_.Open());
  EXPECT_EQ(IniFileProfile(folder_ / "sorvella.ini").getString("Directories", "Map"),
            maps_.string() + "/");
  EXPECT_FALSE(commands_.Open());
  EXPECT_EQ(dialogs_.requests()[2].initialFolder, maps_.string() + "/");
}

TEST_F(OpenCMap, ReadsTheFileAsTheNewCurrentCMap) {
  ASSERT_TRUE(commands_.New());
  commands_.current()->modified = true;
  dialogs_.script(write("A.cmp", test::cmapText("1 begincidchar <41> 34 endcidchar", "Alpha")));
  ASSERT_TRUE(commands_.Open());
  ASSERT_NE(commands_.current(), nullptr);
  EXPECT_EQ(commands_.current()->cmapName, "Alpha");
  EXPECT_EQ(commands_.current()->filePath, maps_ / "A.cmp");
  EXPECT_EQ(commands_.current()->Lookup(0, 0x41), 34);
  EXPECT_FALSE(commands_.current()->modified);
  EXPECT_EQ(changes_, 2);
  EXPECT_TRUE(prompts_.shown().empty());
}

TEST_F(OpenCMap, InvalidFileLeavesNoCMap) {
  ASSERT_TRUE(commands_.New());
  dialogs_.script(write("Word.cmp", "/CMapName /A def\n"));
  EXPECT_FALSE(commands_.Open());
  expectMessage(
      "The file you tried to open is not a valid CMap file or a file open error occured. "
      "Check the file and try again.");
  EXPECT_EQ(commands_.current(), nullptr);
}

TEST_F(OpenCMap, NumberThatCannotBeReadIsReported) {
  dialogs_.script(write("N.cmp", "%!PS-Adobe-3.0 Resource-CMap\n30#12 begincidchar <20> 1\n"));
  EXPECT_FALSE(commands_.Open());
  expectMessage(kBadNumberMessage);
}

TEST_F(OpenCMap, RearrangedFontIsRefusedByName) {
  dialogs_.script(write("R.cmp", "%!PS-Adobe-3.0 Resource-Font\n/R 12 dict beginrearrangedfont\n"));
  EXPECT_FALSE(commands_.Open());
  expectMessage(
      "The CMap file you tried to open is a CMap for a rearranged CID font. This file can't be "
      "opened by Sorvella.");
  EXPECT_EQ(commands_.current(), nullptr);
}

TEST_F(OpenCMap, BasedCMapTakesTheBaseBesideIt) {
  write("B.cmp", test::cmapText("1 begincidrange <20> <7e> 1 endcidrange", "Base-H"));
  dialogs_.script(write("V.cmp", test::cmapText("/Base-H usecmap 1 begincidchar <41> 900 "
                                                "endcidchar",
                                                "Base-V")));
  ASSERT_TRUE(commands_.Open());
  EXPECT_TRUE(prompts_.shown().empty());
  CCodeMap& cmap = *commands_.current();
  EXPECT_EQ(cmap.basePath, maps_ / "B.cmp");
  EXPECT_EQ(cmap.Lookup(0, 0x41), 900);
  EXPECT_EQ(cmap.Lookup(0, 0x42), 35);
}

TEST_F(OpenCMap, MissingBaseIsReportedAndTheCMapKept) {
  dialogs_.script(write("V.cmp", test::cmapText("/Lost-H usecmap 1 begincidchar <41> 900 "
                                                "endcidchar",
                                                "Lost-V")));
  ASSERT_TRUE(commands_.Open());
  expectMessage(
      "This CMap is referenced on Lost-H, but there is no .cmp file found for it. Find this "
      "file and copy it to the directory where your CMap file is. The opened file will not have "
      "indexes from the base CMap.");
  ASSERT_NE(commands_.current(), nullptr);
  EXPECT_TRUE(commands_.current()->IsBased());
  EXPECT_FALSE(commands_.current()->hasBaseTable());
  EXPECT_EQ(commands_.current()->CountInRow(0), 1);
}

class NewCMapCommand : public CMapCommandsTest {};

TEST_F(NewCMapCommand, ReplacesTheCurrentCMapWithAnEmptyOne) {
  mayReplace_ = false;
  EXPECT_FALSE(commands_.New());
  EXPECT_EQ(commands_.current(), nullptr);
  mayReplace_ = true;
  ASSERT_TRUE(commands_.New());
  ASSERT_NE(commands_.current(), nullptr);
  EXPECT_EQ(commands_.current()->CountInRow(0), 0);
  EXPECT_EQ(commands_.current()->filePath, "");
  EXPECT_EQ(changes_, 1);
}

class SaveCMapCommands : public CMapCommandsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(commands_.New());
    commands_.current()->ordering = "Japan1";
    commands_.current()->Set(0, 0x41, 34);
    commands_.current()->modified = true;
  }
};

TEST_F(SaveCMapCommands, EnabledOnlyWithACMapAndForSaveAFile) {
  EXPECT_TRUE(commands_.canSaveAs());
  EXPECT_FALSE(commands_.canSave());
  commands_.current()->filePath = maps_ / "A.cmp";
  EXPECT_TRUE(commands_.canSave());
  commands_.replace(nullptr);
  EXPECT_FALSE(commands_.canSaveAs());
  EXPECT_FALSE(commands_.canSave());
}

TEST_F(SaveCMapCommands, SaveWritesTheFileItCameFrom) {
  commands_.current()->filePath = maps_ / "A.cmp";
  ASSERT_TRUE(commands_.Save());
  EXPECT_TRUE(dialogs_.requests().empty());
  EXPECT_FALSE(commands_.current()->modified);
  CCodeMap back;
  ASSERT_TRUE(back.Read(maps_ / "A.cmp"));
  EXPECT_EQ(back.Lookup(0, 0x41), 34);
}

TEST_F(SaveCMapCommands, SaveWithoutAFileAsksForOne) {
  commands_.current()->cmapName = "Mine-H";
  dialogs_.script(maps_ / "Mine.cmp");
  ASSERT_TRUE(commands_.Save());
  ASSERT_EQ(dialogs_.requests().size(), 1u);
  const FileDialogRequest& request = dialogs_.requests()[0];
  EXPECT_EQ(request.mode, FileDialogRequest::Mode::kSave);
  EXPECT_EQ(request.filter, "CID Map files (*.cmp)|*.cmp||");
  EXPECT_EQ(request.defaultExtension, "cmp");
  EXPECT_TRUE(request.hideReadOnly);
  EXPECT_TRUE(request.overwritePrompt);
  EXPECT_EQ(request.initialName, "Mine-H.cmp");
  EXPECT_TRUE(fs::exists(maps_ / "Mine.cmp"));
  EXPECT_FALSE(commands_.current()->modified);
  EXPECT_EQ(commands_.current()->filePath, maps_ / "Mine.cmp");
}

TEST_F(SaveCMapCommands, AfterSaveAsSaveWritesTheNewFileNotTheOldOne) {
  commands_.current()->filePath = maps_ / "A.cmp";
  ASSERT_TRUE(commands_.Save());
  std::string original = test::readFile(maps_ / "A.cmp");
  dialogs_.script(maps_ / "Copy.cmp");
  ASSERT_TRUE(commands_.SaveAs());
  commands_.current()->Set(0, 0x41, 99);
  ASSERT_TRUE(commands_.Save());
  EXPECT_EQ(test::readFile(maps_ / "A.cmp"), original);
  CCodeMap copy;
  ASSERT_TRUE(copy.Read(maps_ / "Copy.cmp"));
  EXPECT_EQ(copy.Lookup(0, 0x41), 99);
}

TEST_F(SaveCMapCommands, CancelledSaveAsWritesNothing) {
  EXPECT_FALSE(commands_.SaveAs());
  EXPECT_TRUE(commands_.current()->modified);
  EXPECT_TRUE(prompts_.shown().empty());
}

TEST_F(SaveCMapCommands, NoOrderingIsReported) {
  commands_.current()->ordering.clear();
  dialogs_.script(maps_ / "A.cmp");
  EXPECT_FALSE(commands_.SaveAs());
  expectMessage(
      "This CMap file can't be saved without Ordering information. Fill an Ordering field in "
      "the Header dialog box and save again");
  EXPECT_TRUE(commands_.current()->modified);
  EXPECT_FALSE(fs::exists(maps_ / "A.cmp"));
}

TEST_F(SaveCMapCommands, DiskProblemIsReported) {
  test::writeFile(folder_ / "blocker", "");
  commands_.current()->filePath = folder_ / "blocker" / "A.cmp";
  EXPECT_FALSE(commands_.Save());
  expectMessage(
      "The CMap file was not saved due to a disk problem. Fix the problem and try to save "
      "again.");
  EXPECT_TRUE(commands_.current()->modified);
}

}  // namespace
}  // namespace sorvella
