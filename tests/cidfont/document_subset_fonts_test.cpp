// The "Subset Fonts" page's commands through their dialogs: Add Base Font, New... and Remove.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "document_fixture.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class SubsetFontCommands : public test::DocumentTest {
 protected:
  void SetUp() override { makeNewFont(); }
  fs::path fileOf(int32_t font) {
    return SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(font).fileStem());
  }
};

// The files arrive in the order chosen; one that cannot be read is told and skipped.
TEST_F(SubsetFontCommands, AddBaseFontAddsTheChosenFiles) {
  fs::path a = test::writeSampleFont(folder_ / "in" / "a.vtb", "Alpha", {"a", "b"});
  fs::path b = test::writeSampleFont(folder_ / "in" / "b.VTB", "Beta", {"c", "", "CID-3"});
  test::writeFile(folder_ / "in" / "broken.vtb", "not a font");
  dialogs_.scriptFiles({b, folder_ / "in" / "broken.vtb", a});
  ASSERT_TRUE(document_->AddBaseFont());
  expectOnlyMessage(
      formatText(document_text::kFontUnreadable, (folder_ / "in" / "broken.vtb").c_str()));
  EXPECT_EQ(getFolder(profile_, kAddBaseFontFolderKey).string(), (folder_ / "in").string() + "/");
  const CCidFont& font = *document_->font();
  ASSERT_EQ(font.subsetFontCount(), 2);
  EXPECT_EQ(font.subsetFont(0).name(), "Beta");
  EXPECT_EQ(font.subsetFont(1).name(), "Alpha");
  EXPECT_EQ(font.unplaced().size(), 5u);  // "CID-3" places nothing outside an import
  EXPECT_TRUE(font.modified());
}

// A TrueType font too large to add is asked about; only "&Proceed" has it read in full.
TEST_F(SubsetFontCommands, LargeTrueTypeFontIsAddedOnlyWhenTheUserProceeds) {
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
  for (const char* answer : {document_text::kCancel, document_text::kProceed}) {
    dialogs_.scriptFiles({folder_ / "big.ttf"});
    prompts_.script(answer);
    EXPECT_EQ(document_->AddBaseFont(), answer == document_text::kProceed);
    EXPECT_EQ(lastMessage(), document_text::kTrueTypeTooLarge);
  }
  EXPECT_EQ(refusals, (std::vector<bool>{true, true, false}));
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "Big");
}

// The typed name, made fit, names an empty font; with the index font keys held, the numbers
// asked for go to the glyph maker, and without one the user is told the font stays empty.
TEST_F(SubsetFontCommands, NewAddsAFontOfTheTypedName) {
  EXPECT_FALSE(document_->NewSubsetFont());
  inputs_.scriptText(" My  Font ");
  ASSERT_TRUE(document_->NewSubsetFont());
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "MyFont");
  EXPECT_TRUE(fs::exists(fileOf(0)));
  EXPECT_TRUE(inputs_.numberRequests().empty());
  indexKeys_ = true;
  inputs_.scriptText("Plain");
  inputs_.scriptNumbers(std::vector<uint32_t>{8, 12, 5});
  ASSERT_TRUE(document_->NewSubsetFont());
  EXPECT_EQ(lastMessage(), document_text::kIndexFontNotAvailable);
  EXPECT_EQ(document_->font()->subsetFont(1).characterCount, 0);

  std::vector<uint32_t> range;
  hooks_.makeIndexGlyphs = [&](SubsetFont& font, uint32_t first, uint32_t last) {
    range = {first, last};
    for (uint32_t i = first; i <= last; ++i) font.appendSlot(std::make_unique<Glyph>());
    return std::string();
  };
  rebuild();
  makeNewFont("IDX");
  inputs_.scriptText("Index");
  inputs_.scriptNumbers(std::vector<uint32_t>{8, 12, 5});
  ASSERT_TRUE(document_->NewSubsetFont());
  EXPECT_EQ(range, (std::vector<uint32_t>{8, 12}));
  EXPECT_EQ(document_->font()->subsetFont(0).characterCount, 5);
  // The fields are coupled as the user types: a new first index recounts the characters.
  std::vector<uint32_t> values{3, 12, 6};
  inputs_.numberRequests().back().edited(0, values);
  EXPECT_EQ(values, (std::vector<uint32_t>{3, 12, 10}));
}

// The question names the font; Cancel removes nothing, a clear box keeps the file, a checked
// one deletes it once the index file no longer names it. A locked font is not offered.
TEST_F(SubsetFontCommands, RemoveAsksAndPassesTheAnswer) {
  addFonts({2, 1});
  const fs::path first = fileOf(0), second = fileOf(1);
  inputs_.scriptCheckBox(document_text::kCancel, true);
  EXPECT_FALSE(document_->Remove(0));
  EXPECT_EQ(inputs_.checkBoxQuestions()[0].text,
            formatText(document_text::kRemoveQuestion, "Font1"));
  EXPECT_EQ(document_->font()->subsetFontCount(), 2);

  inputs_.scriptCheckBox(document_text::kRemoveButton, false);
  ASSERT_TRUE(document_->Remove(0));
  EXPECT_EQ(closedFonts_, std::vector<int32_t>{0});
  ASSERT_EQ(document_->font()->subsetFontCount(), 1);
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "Font2");
  inputs_.scriptCheckBox(document_text::kRemoveButton, true);
  ASSERT_TRUE(document_->Remove(0));
  EXPECT_TRUE(fs::exists(second));
  ASSERT_TRUE(document_->Save());
  EXPECT_FALSE(fs::exists(second));
  EXPECT_TRUE(fs::exists(first));

  addFonts({1});
  document_->setLocked(0, true);
  EXPECT_FALSE(document_->Remove(0));
  EXPECT_EQ(inputs_.checkBoxQuestions().size(), 3u);
}

}  // namespace
}  // namespace sorvella
