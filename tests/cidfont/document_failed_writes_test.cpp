// Writes that fail: each command reports its message and leaves what was on disk as it was.
#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "document_fixture.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class FailedWrites : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({1});
    ASSERT_TRUE(document_->Save());
    before_ = test::readFile(folder_ / "MINCHO" / "MINCHO.sqf");
  }
  // A file where a folder is needed makes every write below it fail.
  fs::path blocked() {
    test::writeFile(folder_ / "blocked", "x");
    return folder_ / "blocked" / "sub";
  }
  std::string before_;
};

TEST_F(FailedWrites, SubsetFontThatCannotBeWrittenIsNotAdded) {
  fs::path file = test::writeSampleFont(folder_ / "good.vtb", "Good", {"a"});
  fs::rename(folder_ / "MINCHO" / "MINC0000.vtb", folder_ / "aside.vtb");
  fs::remove_all(folder_ / "MINCHO");
  test::writeFile(folder_ / "MINCHO", "not a folder");
  std::vector<fs::path> files{file};
  EXPECT_EQ(addBaseFontFiles(files), 0);
  expectOnlyMessage(
      "The subset font Good could not be written into the font folder. It was not added.");
  EXPECT_EQ(document_->font()->subsetFontCount(), 1);
}

TEST_F(FailedWrites, IndexFileThatCannotBeWrittenKeepsTheFontModified) {
  fs::path index = folder_ / "MINCHO" / "MINCHO.sqf";
  fs::remove(index);
  fs::create_directory(index);  // a folder in the index file's place
  document_->font()->ClearRange(0, 0);
  document_->font()->setModified(true);
  EXPECT_FALSE(document_->Save());
  expectOnlyMessage("The index file " + index.string() +
                    " could not be written. The previous file is unchanged.");
  EXPECT_TRUE(document_->font()->modified());
}

TEST_F(FailedWrites, TextIndexExport) {
  fs::path out = blocked() / "out.sci";
  dialogs_.script(out);
  EXPECT_FALSE(document_->Export());
  expectOnlyMessage("The index file " + out.string() + " could not be written.");
}

TEST_F(FailedWrites, SubsetFontExport) {
  fs::path out = blocked() / "out.vtb";
  dialogs_.script(out);
  EXPECT_FALSE(document_->ExportSubsetFont(0));
  expectOnlyMessage("The file " + out.string() + " could not be written.");
}

TEST_F(FailedWrites, EditedFontStaysModifiedAndTheIndexIsStillSaved) {
  auto edited = test::sampleSubsetFont("Kana", {"a"});
  fs::path out = blocked() / "edited.vtb";
  edited_ = {edited.get(), out, true};
  prompts_.script("&Yes");
  EXPECT_TRUE(document_->Save());
  ASSERT_EQ(prompts_.shown().size(), 2u);
  EXPECT_EQ(prompts_.shown()[1].text, "The file " + out.string() + " could not be written.");
  EXPECT_TRUE(edited_.modified);
  EXPECT_EQ(test::readFile(folder_ / "MINCHO" / "MINCHO.sqf"), before_);
}

TEST_F(FailedWrites, UnreadableTrueTypeImportKeepsTheFont) {
  fs::path ttf = folder_ / "font.ttf";
  test::writeFile(ttf, "x");
  dialogs_.script(ttf);
  EXPECT_FALSE(document_->Import());
  expectOnlyMessage(ttf.string() + " can't be read as a TrueType font.");
  EXPECT_NE(document_->font(), nullptr);
}

}  // namespace
}  // namespace sorvella
