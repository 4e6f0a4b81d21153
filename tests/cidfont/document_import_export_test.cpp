// Import and Export through their dialogs: which files are offered, where the answers go, and
// what the operations have to say.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "cidfont/standard_document_hooks.h"
#include "cidfont/text_index_file.h"
#include "document_fixture.h"
#include "glyph/native_font_file.h"
#include "postscript/program_encodings.h"
#include "support/cid_fixtures.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class ImportDialog : public test::DocumentTest {};

TEST_F(ImportDialog, OffersTextIndexFilesOnlyWithAFontOpen) {
  EXPECT_FALSE(document_->Import());
  EXPECT_EQ(dialogs_.requests().back().filter, document_text::kImportFilter);
  EXPECT_EQ(dialogs_.requests().back().initialFolder, folder_ / "program" / "Samples");
  dialogs_.script(folder_ / "typed.sci");
  EXPECT_FALSE(document_->Import());
  expectOnlyMessage(document_text::kIndexNeedsFont);
  makeNewFont();
  EXPECT_FALSE(document_->Import());
  EXPECT_EQ(dialogs_.requests().back().filter, document_text::kImportFilterWithIndex);
}

TEST_F(ImportDialog, KindsThisBuildCannotReadAreTold) {
  for (const char* name : {"Sample.cid", "font.otf"}) {
    test::writeFile(folder_ / name, "%!");
    dialogs_.script(folder_ / name);
    EXPECT_FALSE(document_->Import());
    EXPECT_EQ(lastMessage(),
              formatText(document_text::kNotAvailable, fs::path(name).extension().c_str()));
  }
  EXPECT_TRUE(folders_.requests().empty());
}

// The chosen file arranges the open font, which stays unsaved; a file that cannot arrange it
// is told.
TEST_F(ImportDialog, TextIndexFileArrangesTheOpenFont) {
  makeNewFont();
  addFonts({2, 2});
  CCidFont& font = *document_->font();
  font.PlaceUnplaced(0, 3, 10);
  ASSERT_TRUE(WriteTextIndex(font, folder_ / "arrangement.sci"));
  CCidFont other = font;
  other.mutableSubsetFont(1)->setFileStem("ELSE0001");
  ASSERT_TRUE(WriteTextIndex(other, folder_ / "other.sci"));
  CCidFont none;
  none.addSubsetFont(test::subsetFontEntry("Other", "OTHE0000", 7), {});
  ASSERT_TRUE(WriteTextIndex(none, folder_ / "none.sci"));
  font.ClearRange(10, 13);
  ASSERT_TRUE(document_->Save());

  for (const auto& [file, told] :
       {std::pair<std::string, std::string>{"none.sci", kIncompatibleIndexMessage},
        {"missing.sci", kInvalidCMapMessage}}) {
    dialogs_.script(folder_ / file);
    EXPECT_FALSE(document_->Import());
    EXPECT_EQ(lastMessage(), told);
  }
  EXPECT_EQ(document_->font()->subsetFontCount(), 2);
  changes_ = 0;
  dialogs_.script(folder_ / "arrangement.sci");
  ASSERT_TRUE(document_->Import());
  EXPECT_EQ(document_->font()->CharacterAt(13), 3);
  EXPECT_TRUE(document_->font()->modified());
  EXPECT_EQ(changes_, 1);
  EXPECT_TRUE(getFolder(profile_, kImportFromFolderKey).empty());

  prompts_.script(document_text::kNo);  // not saved
  dialogs_.script(folder_ / "other.sci");
  ASSERT_TRUE(document_->Import());
  EXPECT_EQ(lastMessage(), formatText(kUnmatchedFontsRemovedMessage, 2, "Font2 (2)"));
  EXPECT_EQ(document_->font()->subsetFontCount(), 1);
}

// A CIDFont file asks for the new font's folder, proposing the file's name, and shows the
// importer's progress; the imported font is saved.
TEST_F(ImportDialog, CidFontFileIsImportedIntoTheChosenFolder) {
  hooks_ = standardDocumentHooks(programEncodings(), options_, noSystemFonts_);
  rebuild();
  const fs::path source = test::cidFixture("ten.cid");
  dialogs_.script(source);
  folders_.script(FontFolderChoice{folder_.path(), "TEN", false});
  ASSERT_TRUE(document_->Import());
  ASSERT_EQ(folders_.requests().size(), 1u);
  EXPECT_EQ(folders_.requests()[0].text, formatText(document_text::kImportCidText, "ten"));
  EXPECT_EQ(folders_.requests()[0].initialName, "ten");
  EXPECT_EQ(getFolder(profile_, kImportFromFolderKey).string(),
            source.parent_path().string() + "/");
  ASSERT_EQ(busy_.boxes().size(), 1u);
  EXPECT_EQ(busy_.boxes()[0].calls.front(), kProgressRange);
  EXPECT_EQ(document_->font()->characterCount(), 10);
  EXPECT_TRUE(fs::exists(folder_ / "TEN" / "TEN.sqf"));
  EXPECT_FALSE(document_->font()->modified());
}

class ExportDialogs : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({2, 3});
    test::writeFile(folder_ / "blocked", "x");
  }
  const fs::path blocked_ = folder_ / "blocked" / "out";
};

TEST_F(ExportDialogs, CidFontGoesToTheChosenFile) {
  dialogs_.script(folder_ / "out.SCI");
  ASSERT_TRUE(document_->Export());
  EXPECT_EQ(test::readFile(folder_ / "out.SCI").rfind(kTextIndexHeader, 0), 0u);
  dialogs_.script(blocked_.string() + ".sci");
  EXPECT_FALSE(document_->Export());
  expectOnlyMessage(
      formatText(document_text::kTextIndexNotWritten, (blocked_.string() + ".sci").c_str()));
}

TEST_F(ExportDialogs, SubsetFontGoesToTheChosenFile) {
  dialogs_.script(folder_ / "copy.vtb");
  ASSERT_TRUE(document_->ExportSubsetFont(1));
  std::unique_ptr<SubsetFont> copy = ReadNativeFont(folder_ / "copy.vtb");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->info().fontName(), "Font2");
  EXPECT_EQ(copy->slotCount(), 3);

  fs::path file =
      SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(0).fileStem());
  fs::remove(file);
  dialogs_.script(folder_ / "lost.vtb");
  EXPECT_FALSE(document_->ExportSubsetFont(0));
  expectOnlyMessage(formatText(document_text::kSubsetFontUnreadable, file.c_str()));
}

}  // namespace
}  // namespace sorvella
