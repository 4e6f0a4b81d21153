// The CMap commands of the "Characters" page, driven through scripted prompts and file
// dialogs: what they ask, the messages they show, and the current CMap they leave.
#include "cmap/cmap_commands.h"

#include <gtest/gtest.h>

#include "base/text_format.h"
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

TEST_F(CMapCommandsTest, RefusedReplacementAsksNothingMore) {
  mayReplace_ = false;
  EXPECT_FALSE(commands_.New());
  EXPECT_FALSE(commands_.Open());
  EXPECT_EQ(questions_, 2);
  EXPECT_TRUE(dialogs_.requests().empty());
  EXPECT_EQ(commands_.current(), nullptr);
}

TEST_F(CMapCommandsTest, OpenStartsInSamplesThenInTheRememberedFolderAndReadsTheFile) {
  ASSERT_TRUE(commands_.New());
  commands_.current()->modified = true;
  EXPECT_FALSE(commands_.Open());  // cancelled
  const FileDialogRequest& request = dialogs_.requests().at(0);
  EXPECT_EQ(request.mode, FileDialogRequest::Mode::kOpen);
  EXPECT_EQ(request.filter, kCMapFileFilter);
  EXPECT_EQ(request.defaultExtension, kCMapFileExtension);
  EXPECT_TRUE(request.fileMustExist && request.hideReadOnly);
  EXPECT_EQ(request.initialFolder, folder_ / "program" / "Samples");

  dialogs_.script(write("A.cmp", test::cmapText("1 begincidchar <41> 34 endcidchar", "Alpha")));
  ASSERT_TRUE(commands_.Open());
  EXPECT_EQ(commands_.current()->cmapName, "Alpha");
  EXPECT_EQ(commands_.current()->filePath, maps_ / "A.cmp");
  EXPECT_EQ(commands_.current()->Lookup(0, 0x41), 34);
  EXPECT_FALSE(commands_.current()->modified);
  EXPECT_EQ(changes_, 2);
  EXPECT_TRUE(prompts_.shown().empty());
  EXPECT_FALSE(commands_.Open());
  EXPECT_EQ(dialogs_.requests().at(2).initialFolder, maps_.string() + "/");
}

TEST_F(CMapCommandsTest, BasedCMapTakesTheBaseBesideIt) {
  write("B.cmp", test::cmapText("1 begincidrange <20> <7e> 1 endcidrange", "Base-H"));
  dialogs_.script(
      write("V.cmp", test::cmapText("/Base-H usecmap 1 begincidchar <41> 900 endcidchar", "V")));
  ASSERT_TRUE(commands_.Open());
  EXPECT_TRUE(prompts_.shown().empty());
  EXPECT_EQ(commands_.current()->basePath, maps_ / "B.cmp");
  EXPECT_EQ(commands_.current()->Lookup(0, 0x41), 900);
  EXPECT_EQ(commands_.current()->Lookup(0, 0x42), 35);
}

// A file that is no CMap leaves none; a missing base is reported and the CMap kept.
TEST_F(CMapCommandsTest, OpenReportsWhatWentWrong) {
  const struct {
    std::string text;
    std::string message;
    bool kept;
  } cases[] = {
      {"/CMapName /A def\n", kInvalidCMapMessage, false},
      {"%!PS-Adobe-3.0 Resource-Font\n/R 12 dict beginrearrangedfont\n", kRearrangedFontMessage,
       false},
      {"%!PS-Adobe-3.0 Resource-CMap\n30#12 begincidchar <20> 1\n", kBadNumberMessage, false},
      {test::cmapText("/Lost-H usecmap 1 begincidchar <41> 900 endcidchar"),
       formatText(kMissingBaseMessage, "Lost-H"), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    prompts_ = ScriptedPrompts();
    ASSERT_TRUE(commands_.New());
    dialogs_.script(write("X.cmp", c.text));
    EXPECT_EQ(commands_.Open(), c.kept);
    test::expectOnlyMessage(prompts_, c.message);
    ASSERT_EQ(commands_.current() != nullptr, c.kept);
    if (c.kept) {
      EXPECT_FALSE(commands_.current()->hasBaseTable());
    }
  }
}

class SaveCMapCommands : public CMapCommandsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(commands_.New());
    commands_.current()->ordering = "Japan1";
    commands_.current()->cmapName = "Mine-H";
    commands_.current()->Set(0, 0x41, 34);
    commands_.current()->modified = true;
  }
};

// Save without a file asks for one; after Save As, Save writes the new file, not the old one.
TEST_F(SaveCMapCommands, SaveWritesTheFileOfTheLastSaveAs) {
  EXPECT_TRUE(commands_.canSaveAs());
  EXPECT_FALSE(commands_.canSave());
  EXPECT_FALSE(commands_.SaveAs());  // cancelled
  EXPECT_TRUE(commands_.current()->modified);
  dialogs_.script(maps_ / "Mine.cmp");
  ASSERT_TRUE(commands_.Save());
  const FileDialogRequest& request = dialogs_.requests().at(1);
  EXPECT_EQ(request.mode, FileDialogRequest::Mode::kSave);
  EXPECT_EQ(request.filter, kCMapFileFilter);
  EXPECT_TRUE(request.hideReadOnly && request.overwritePrompt);
  EXPECT_EQ(request.initialName, "Mine-H.cmp");
  EXPECT_FALSE(commands_.current()->modified);
  EXPECT_TRUE(commands_.canSave());
  const std::string original = test::readFile(maps_ / "Mine.cmp");

  dialogs_.script(maps_ / "Copy.cmp");
  ASSERT_TRUE(commands_.SaveAs());
  commands_.current()->Set(0, 0x41, 99);
  ASSERT_TRUE(commands_.Save());
  EXPECT_EQ(dialogs_.requests().size(), 3u);
  EXPECT_EQ(test::readFile(maps_ / "Mine.cmp"), original);
  CCodeMap copy;
  ASSERT_TRUE(copy.Read(maps_ / "Copy.cmp"));
  EXPECT_EQ(copy.Lookup(0, 0x41), 99);
  commands_.replace(nullptr);
  EXPECT_FALSE(commands_.canSaveAs() || commands_.canSave());
}

TEST_F(SaveCMapCommands, FailuresAreReportedAndKeepTheCMapModified) {
  test::writeFile(folder_ / "blocker", "");
  commands_.current()->filePath = folder_ / "blocker" / "A.cmp";
  EXPECT_FALSE(commands_.Save());
  test::expectOnlyMessage(prompts_, kDiskProblemMessage);
  EXPECT_TRUE(commands_.current()->modified);

  prompts_ = ScriptedPrompts();
  commands_.current()->ordering.clear();
  dialogs_.script(maps_ / "A.cmp");
  EXPECT_FALSE(commands_.SaveAs());
  test::expectOnlyMessage(prompts_, kNoOrderingMessage);
  EXPECT_TRUE(commands_.current()->modified);
  EXPECT_FALSE(fs::exists(maps_ / "A.cmp"));
}

}  // namespace
}  // namespace sorvella
