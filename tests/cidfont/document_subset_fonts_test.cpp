// The "Subset Fonts" page's commands: Add Base Font, New..., Remove, the lock flags and what
// they enable.
#include <gtest/gtest.h>

#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "document_fixture.h"
#include "glyph/native_font_file.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class AddBaseFontFiles : public test::DocumentTest {
 protected:
  void SetUp() override { makeNewFont(); }
};

TEST_F(AddBaseFontFiles, AddsSeveralFilesInTheOrderChosen) {
  fs::path a = test::writeSampleFont(folder_ / "in" / "a.vtb", "Alpha", {"a", "b"});
  fs::path b = test::writeSampleFont(folder_ / "in" / "b.VTB", "Beta", {"c", "", "CID-3"});
  dialogs_.scriptFiles({b, a});
  ASSERT_TRUE(document_->AddBaseFont());
  const FileDialogRequest& request = dialogs_.requests().back();
  EXPECT_EQ(request.title, "Add Base Font");
  EXPECT_EQ(request.filter,
            "All Font Files|*.pfb;*.vtb;*.ttf|Type 1 binary (*.pfb)|*.pfb|TrueType "
            "(*.ttf)|*.ttf|Vidazud 3.0 (*.vtb)|*.vtb||");
  EXPECT_EQ(getFolder(profile_, kAddBaseFontFolderKey).string(), (folder_ / "in").string() + "/");

  const CCidFont& font = *document_->font();
  ASSERT_EQ(font.subsetFontCount(), 2);
  EXPECT_EQ(font.subsetFont(0).name(), "Beta");
  EXPECT_EQ(font.subsetFont(0).fileStem(), "MINC0000");
  EXPECT_EQ(font.subsetFont(0).characterCount, 3);
  EXPECT_EQ(font.subsetFont(1).name(), "Alpha");
  EXPECT_EQ(font.subsetFont(1).fileStem(), "MINC0001");
  EXPECT_EQ(font.characterCount(), 5);
  EXPECT_EQ(font.unplaced().size(), 5u);  // "CID-3" places nothing outside an import
  EXPECT_TRUE(font.modified());
  ASSERT_EQ(busy_.boxes().size(), 2u);
  EXPECT_EQ(busy_.boxes()[0].title, "Adding characters...");
  EXPECT_EQ(busy_.boxes()[0].caption, "Adding Vantrel Font");
  EXPECT_TRUE(fs::exists(folder_ / "MINCHO" / "MINC0000.vtb"));
}

TEST_F(AddBaseFontFiles, UnreadableAndUnavailableFilesAreSkippedWithTheirMessage) {
  test::writeFile(folder_ / "broken.vtb", "not a font");
  fs::path good = test::writeSampleFont(folder_ / "good.vtb", "Good", {"a"});
  test::writeFile(folder_ / "t1.pfb", "x");
  std::vector<fs::path> files{folder_ / "broken.vtb", folder_ / "t1.pfb", good};
  EXPECT_EQ(addBaseFontFiles(files), 1);
  ASSERT_EQ(prompts_.shown().size(), 2u);
  EXPECT_EQ(prompts_.shown()[0].text,
            (folder_ / "broken.vtb").string() + " can't be read as a base font. It is skipped.");
  EXPECT_EQ(prompts_.shown()[1].text, ".pfb files can't be handled by this build of Sorvella.");
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "Good");
}

TEST_F(AddBaseFontFiles, Type1FilesGoThroughTheReaderHook) {
  hooks_.readType1Font = [](const fs::path&, const ProgressCallback&) {
    return test::sampleSubsetFont("Times", {"A"});
  };
  rebuild();
  makeNewFont("T1");
  test::writeFile(folder_ / "t1.pfb", "x");
  std::vector<fs::path> files{folder_ / "t1.pfb"};
  EXPECT_EQ(addBaseFontFiles(files), 1);
  EXPECT_EQ(busy_.boxes().back().caption, "Adding Type 1 Font");
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "Times");
}

TEST_F(AddBaseFontFiles, LargeTrueTypeFontIsAddedOnlyWhenTheCallerProceeds) {
  std::vector<bool> refusals;
  hooks_.readTrueTypeFont = [&](const fs::path&, SubsetFont& font, bool refuse,
                                const ProgressCallback&) {
    refusals.push_back(refuse);
    if (refuse) return 2;
    font = std::move(*test::sampleSubsetFont("Big", {"a"}));
    return 0;
  };
  rebuild();
  makeNewFont("TT");
  std::vector<fs::path> files{folder_ / "big.ttf"};
  std::vector<fs::path> asked;
  auto decide = [&asked](bool proceed) {
    return [&asked, proceed](const fs::path& file) {
      asked.push_back(file);
      return proceed;
    };
  };
  EXPECT_EQ(addBaseFontFiles(files, decide(false)), 0);
  EXPECT_TRUE(prompts_.shown().empty());
  EXPECT_EQ(addBaseFontFiles(files, decide(true)), 1);
  EXPECT_EQ(asked, (std::vector<fs::path>{files[0], files[0]}));
  EXPECT_EQ(refusals, (std::vector<bool>{true, true, false}));
  EXPECT_EQ(busy_.boxes().back().caption, "Adding TrueType Font");
}

class NewSubsetFontCommand : public test::DocumentTest {
 protected:
  void SetUp() override { makeNewFont(); }
};

TEST_F(NewSubsetFontCommand, AsksForTheNameAndAddsAnEmptyFont) {
  inputs_.scriptText(" My  Font ");
  ASSERT_TRUE(document_->NewSubsetFont());
  const TextInputRequest& request = inputs_.textRequests()[0];
  EXPECT_EQ(request.title, "New Font Name");
  EXPECT_EQ(request.label, "New font name:");
  EXPECT_EQ(request.initialText, "Untitled");
  EXPECT_EQ(request.hints,
            (std::vector<std::string>{"Font name should not have any space characters.",
                                      "Use alphanumeric characters only."}));
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "MyFont");
  EXPECT_EQ(document_->font()->subsetFont(0).characterCount, 0);
  EXPECT_TRUE(fs::exists(folder_ / "MINCHO" / "MINC0000.vtb"));
  EXPECT_TRUE(inputs_.numberRequests().empty());
}

TEST_F(NewSubsetFontCommand, CancelAddsNothing) {
  EXPECT_FALSE(document_->NewSubsetFont());
  EXPECT_EQ(document_->font()->subsetFontCount(), 0);
}

TEST_F(NewSubsetFontCommand, CtrlShiftAsksForAnIndexFont) {
  std::vector<uint32_t> range;
  hooks_.makeIndexGlyphs = [&](SubsetFont& font, uint32_t first, uint32_t last) {
    range = {first, last};
    for (uint32_t i = first; i <= last; ++i) font.appendSlot(std::make_unique<Glyph>());
    return std::string();
  };
  rebuild();
  makeNewFont("IDX");
  indexKeys_ = true;
  inputs_.scriptText("Index");
  inputs_.scriptNumbers(std::vector<uint32_t>{8, 12, 5});
  ASSERT_TRUE(document_->NewSubsetFont());
  ASSERT_EQ(inputs_.numberRequests().size(), 1u);
  const NumberFieldsRequest& request = inputs_.numberRequests()[0];
  EXPECT_EQ(request.title, "Make Index Font");
  EXPECT_EQ(request.text, "Enter parameters of index font");
  EXPECT_EQ(request.labels,
            (std::vector<std::string>{
                "First index to create:", "Last index to create:", "Number of characters:"}));
  EXPECT_EQ(request.initialValues, (std::vector<uint32_t>{0, 0, 0}));
  std::vector<uint32_t> values{0, 5, 6};
  values[0] = 20;
  request.edited(0, values);
  EXPECT_EQ(values, (std::vector<uint32_t>{20, 20, 1}));
  EXPECT_EQ(range, (std::vector<uint32_t>{8, 12}));
  EXPECT_EQ(document_->font()->subsetFont(0).characterCount, 5);
}

TEST_F(NewSubsetFontCommand, IndexFontWithoutItsMakerIsAddedEmpty) {
  indexKeys_ = true;
  inputs_.scriptText("Index");
  inputs_.scriptNumbers(std::vector<uint32_t>{8, 12, 5});
  ASSERT_TRUE(document_->NewSubsetFont());
  expectOnlyMessage(
      "Index fonts can't be made by this build of Sorvella. The new font has no glyphs.");
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "Index");
  EXPECT_EQ(document_->font()->subsetFont(0).characterCount, 0);
}

class RemoveSubsetFont : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({2, 1});
  }
  fs::path fileOf(int32_t font) {
    return SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(font).fileStem());
  }
};

TEST_F(RemoveSubsetFont, AsksWithTheCheckBoxAndKeepsTheFileWhenClear) {
  fs::path file = fileOf(0);
  inputs_.scriptCheckBox("&Remove", false);
  ASSERT_TRUE(document_->Remove(0));
  const CheckBoxQuestion& question = inputs_.checkBoxQuestions()[0];
  EXPECT_EQ(question.text,
            "Are you sure you want to remove font Font1? If you are not completely sure, leave "
            "the following check box clear and later you may add the deleted font again.");
  EXPECT_EQ(question.title, "Remove Font");
  EXPECT_EQ(question.checkBox, "Delete font file from the disk");
  EXPECT_EQ(question.buttons, (std::vector<std::string>{"&Remove", "Cancel"}));
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(closedFonts_, std::vector<int32_t>{0});
  ASSERT_EQ(document_->font()->subsetFontCount(), 1);
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "Font2");
  EXPECT_EQ(document_->font()->record(0).font, 0);
}

// The file goes once the index file no longer names it, so a folder never has an index file
// that names a deleted font.
TEST_F(RemoveSubsetFont, CheckedBoxDeletesTheFileWhenTheIndexFileIsSaved) {
  fs::path file = fileOf(1);
  inputs_.scriptCheckBox("&Remove", true);
  ASSERT_TRUE(document_->Remove(1));
  EXPECT_EQ(document_->font()->characterCount(), 2);
  EXPECT_TRUE(fs::exists(file));
  ASSERT_TRUE(document_->Save());
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(RemoveSubsetFont, CancelRemovesNothing) {
  inputs_.scriptCheckBox("Cancel", true);
  EXPECT_FALSE(document_->Remove(0));
  EXPECT_EQ(document_->font()->subsetFontCount(), 2);
  EXPECT_TRUE(fs::exists(fileOf(0)));
}

TEST_F(RemoveSubsetFont, LockedFontIsNotOffered) {
  document_->setLocked(0, true);
  EXPECT_FALSE(document_->commandStates(0).remove);
  EXPECT_FALSE(document_->Remove(0));
  EXPECT_TRUE(inputs_.checkBoxQuestions().empty());
}

class LockFlags : public test::DocumentTest {};

TEST_F(LockFlags, WhatEachStateEnables) {
  SubsetFontCommandStates none = document_->commandStates(0);
  EXPECT_FALSE(none.add || none.newFont || none.lockCheck || none.edit || none.exportFont ||
               none.remove);
  makeNewFont();
  SubsetFontCommandStates empty = document_->commandStates(-1);
  EXPECT_TRUE(empty.add && empty.newFont && empty.lockCheck);
  EXPECT_FALSE(empty.edit || empty.exportFont || empty.remove);
  addFonts({1, 1});
  EXPECT_TRUE(document_->commandStates(1).remove);
  EXPECT_TRUE(document_->commandStates(1).edit && document_->commandStates(1).exportFont);
}

TEST_F(LockFlags, LockAllAndUnlockAll) {
  makeNewFont();
  addFonts({1, 1});
  document_->setAllLocked(true);
  EXPECT_TRUE(document_->font()->subsetFont(0).locked && document_->font()->subsetFont(1).locked);
  document_->setAllLocked(false);
  EXPECT_FALSE(document_->font()->subsetFont(0).locked || document_->font()->subsetFont(1).locked);
  document_->setLocked(1, true);
  EXPECT_FALSE(document_->font()->subsetFont(0).locked);
  EXPECT_TRUE(document_->font()->subsetFont(1).locked);
}

}  // namespace
}  // namespace sorvella
