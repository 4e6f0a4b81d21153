// Import and Export of the CID font: text index files, CIDFont files through the importer
// hook (placed by their glyph names, locked and saved), and subset font export.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/font_folder.h"
#include "cidfont/remembered_folders.h"
#include "cidfont/text_index_file.h"
#include "document_fixture.h"
#include "glyph/native_font_file.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class ImportTextIndexFile : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({2, 2});
    ASSERT_TRUE(document_->Save());
  }
};

TEST_F(ImportTextIndexFile, OffersIndexFilesOnlyWithAFontLoaded) {
  EXPECT_FALSE(document_->Import());
  const FileDialogRequest& request = dialogs_.requests().back();
  EXPECT_EQ(request.title, "Import CID font");
  EXPECT_EQ(request.filter,
            "CID Fonts Files (*.cid)|*.cid|TrueType Fonts (*.ttf)|*.ttf|Sorvella Index Files "
            "(*.sci)|*.sci||");
  EXPECT_TRUE(request.fileMustExist);
  EXPECT_EQ(request.initialFolder, folder_ / "program" / "Samples");

  Document empty(environment());
  EXPECT_FALSE(empty.Import());
  EXPECT_EQ(dialogs_.requests().back().filter,
            "CID Fonts Files (*.cid)|*.cid|TrueType Fonts (*.ttf)|*.ttf||");
  dialogs_.script(folder_ / "typed.sci");
  EXPECT_FALSE(empty.Import());
  expectOnlyMessage("A text index file can only be imported into an open CID font.");
}

TEST_F(ImportTextIndexFile, ArrangesTheFontWithoutSaving) {
  CCidFont& font = *document_->font();
  font.PlaceUnplaced(0, 3, 10);
  fs::path sci = folder_ / "arrangement.sci";
  ASSERT_TRUE(WriteTextIndex(font, sci));
  font.ClearRange(10, 13);
  ASSERT_TRUE(document_->Save());
  changes_ = 0;
  dialogs_.script(sci);
  ASSERT_TRUE(document_->Import());
  EXPECT_EQ(document_->font()->CharacterAt(13), 3);
  EXPECT_TRUE(prompts_.shown().empty());
  EXPECT_TRUE(document_->font()->modified());
  EXPECT_EQ(changes_, 1);
  EXPECT_TRUE(getFolder(profile_, kImportFromFolderKey).empty());
}

TEST_F(ImportTextIndexFile, IncompatibleFontsAreReported) {
  CCidFont other;
  SubsetFontEntry entry;
  entry.setName("Other");
  entry.setFileStem("OTHE0000");
  entry.characterCount = 7;
  other.addSubsetFont(entry, {});
  fs::path sci = folder_ / "other.sci";
  ASSERT_TRUE(WriteTextIndex(other, sci));
  prompts_.script("OK");
  dialogs_.script(sci);
  EXPECT_FALSE(document_->Import());
  expectOnlyMessage(
      "Subset fonts in the imported index file are incompatible with the current list of subset "
      "fonts. Import is aborted.");
  EXPECT_EQ(document_->font()->subsetFontCount(), 2);
}

TEST_F(ImportTextIndexFile, FontsThatDoNotMatchAreNamedWithTheirCharacters) {
  CCidFont other = *document_->font();
  other.mutableSubsetFont(1)->setFileStem("ELSE0001");
  fs::path sci = folder_ / "other.sci";
  ASSERT_TRUE(WriteTextIndex(other, sci));
  dialogs_.script(sci);
  ASSERT_TRUE(document_->Import());
  expectOnlyMessage(formatText(kUnmatchedFontsRemovedMessage, 2, "Font2 (2)"));
  EXPECT_EQ(document_->font()->subsetFontCount(), 1);
}

TEST_F(ImportTextIndexFile, UnreadableFileIsReported) {
  dialogs_.script(folder_ / "missing.sci");
  EXPECT_FALSE(document_->Import());
  expectOnlyMessage(
      "The file you tried to open is not a valid CMap file or a file open error occured. Check "
      "the file and try again.");
}

class ImportCidFontFile : public test::DocumentTest {
 protected:
  // An importer that makes a two-font CID font whose glyphs are named after CIDs.
  void installImporter() {
    hooks_.importCidFont = [this](const fs::path& file, const AddSubsetFontCallback& add,
                                  const ProgressCallback& progress) {
      importedFrom_ = file;
      progress(kProgressRange, 0, 3);
      auto font = std::make_unique<CCidFont>();
      font->info().setFontName("Imported");
      auto first = test::sampleSubsetFont("Imported-01", {"CID-5", "CID-7"});
      auto second = test::sampleSubsetFont("Imported-02", {"CID-2", "notacid"});
      if (!add(*font, *first) || !add(*font, *second)) return CidFontImport{};
      CidFontImport imported;
      imported.font = std::move(font);
      imported.status = PSFontStatus::kFinished;
      return imported;
    };
    rebuild();
  }
  fs::path source() {
    fs::create_directories(folder_ / "src");
    test::writeFile(folder_ / "src" / "Sample.cid", "%!");
    return folder_ / "src" / "Sample.cid";
  }
  fs::path importedFrom_;
};

TEST_F(ImportCidFontFile, WithoutTheImporterItIsNotAvailable) {
  dialogs_.script(source());
  prompts_.script("OK");
  EXPECT_FALSE(document_->Import());
  expectOnlyMessage(".cid files can't be handled by this build of Sorvella.");
  EXPECT_TRUE(folders_.requests().empty());
}

TEST_F(ImportCidFontFile, BuildsPlacesLocksAndSaves) {
  installImporter();
  dialogs_.script(source());
  folders_.script(FontFolderChoice{folder_.path(), "Sample", false});
  ASSERT_TRUE(document_->Import());
  ASSERT_EQ(folders_.requests().size(), 1u);
  EXPECT_EQ(folders_.requests()[0].title, "Import CID font");
  EXPECT_EQ(folders_.requests()[0].text,
            "You are importing a CID-keyed font that can contain many subset fonts. All these "
            "fonts will be converted to internal format and placed into a subdirectory called "
            "Sample.");
  EXPECT_EQ(folders_.requests()[0].initialName, "Sample");
  EXPECT_EQ(getFolder(profile_, kImportFromFolderKey).string(), (folder_ / "src").string() + "/");
  ASSERT_EQ(busy_.boxes().size(), 1u);
  EXPECT_EQ(busy_.boxes()[0].title, "Importing CID Font");
  EXPECT_EQ(busy_.boxes()[0].caption, "Processing CID glyphs...");
  EXPECT_EQ(busy_.boxes()[0].calls, (std::vector<int64_t>{2, 0, 3}));

  const CCidFont& font = *document_->font();
  EXPECT_EQ(font.info().fontName(), "Imported");
  ASSERT_EQ(font.subsetFontCount(), 2);
  EXPECT_TRUE(font.subsetFont(0).locked && font.subsetFont(1).locked);
  EXPECT_EQ(font.CharacterAt(5), 0);
  EXPECT_EQ(font.CharacterAt(7), 1);
  EXPECT_EQ(font.CharacterAt(2), 2);
  EXPECT_EQ(font.unplaced(), std::vector<int32_t>{3});
  EXPECT_TRUE(fs::exists(folder_ / "Sample" / "Samp0000.vtb"));
  EXPECT_TRUE(fs::exists(folder_ / "Sample" / "Samp0001.vtb"));
  BinaryIndexReadResult saved = ReadBinaryIndex(folder_ / "Sample" / "Sample.sqf");
  ASSERT_TRUE(saved.opened);
  EXPECT_EQ(saved.font->characterCount(), 4);
  EXPECT_FALSE(font.modified());
}

TEST_F(ImportCidFontFile, FailedImportLeavesNoFont) {
  hooks_.importCidFont = [](const fs::path&, const AddSubsetFontCallback&,
                            const ProgressCallback&) { return CidFontImport{}; };
  rebuild();
  makeNewFont("OLD");
  dialogs_.script(source());
  folders_.script(FontFolderChoice{folder_.path(), "Sample", false});
  EXPECT_FALSE(document_->Import());
  EXPECT_EQ(document_->font(), nullptr);
}

class ExportCidFont : public test::DocumentTest {};

TEST_F(ExportCidFont, TextIndexFileIsWritten) {
  makeNewFont();
  addFonts({3});
  document_->font()->PlaceUnplaced(0, 2, 4);
  dialogs_.script(folder_ / "out.SCI");
  ASSERT_TRUE(document_->Export());
  const FileDialogRequest& request = dialogs_.requests().back();
  EXPECT_EQ(request.title, "Export CID font");
  EXPECT_EQ(request.filter, "CID Fonts Files (*.cid)|*.cid|Sorvella Index Files (*.sci)|*.sci||");
  std::string text = test::readFile(folder_ / "out.SCI");
  EXPECT_EQ(text.rfind("%!Vantrel Sorvell Text Index File", 0), 0u);
}

TEST_F(ExportCidFont, CidFileGoesToTheExporterWithItsProgressBox) {
  fs::path written;
  hooks_.exportCidFont = [&](const fs::path& file, const CCidFont&, const fs::path&,
                             const ProgressCallback&) {
    written = file;
    return CidFontExport{true, 0, {}};
  };
  rebuild();
  makeNewFont();
  dialogs_.script(folder_ / "out.cid");
  ASSERT_TRUE(document_->Export());
  EXPECT_EQ(written, folder_ / "out.cid");
  ASSERT_EQ(busy_.boxes().size(), 1u);
  EXPECT_EQ(busy_.boxes()[0].title, "Exporting CID Font");
  EXPECT_EQ(busy_.boxes()[0].caption, "Processing CID glyphs...");
}

class ExportSubsetFontFile : public test::DocumentTest {};

TEST_F(ExportSubsetFontFile, NativeCopyReadsBack) {
  makeNewFont();
  addFonts({2, 3});
  dialogs_.script(folder_ / "copy.vtb");
  ASSERT_TRUE(document_->ExportSubsetFont(1));
  EXPECT_EQ(dialogs_.requests().back().title, "Export Subset Font");
  EXPECT_EQ(dialogs_.requests().back().filter,
            "Type 1 binary (*.pfb)|*.pfb|Vidazud 3.0 (*.vtb)|*.vtb||");
  std::unique_ptr<SubsetFont> copy = ReadNativeFont(folder_ / "copy.vtb");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->info().fontName(), "Font2");
  EXPECT_EQ(copy->slotCount(), 3);
}

TEST_F(ExportSubsetFontFile, Type1WithoutTheWriterIsNotAvailable) {
  makeNewFont();
  addFonts({1});
  dialogs_.script(folder_ / "out.pfb");
  EXPECT_FALSE(document_->ExportSubsetFont(0));
  expectOnlyMessage(".pfb files can't be handled by this build of Sorvella.");
  EXPECT_FALSE(fs::exists(folder_ / "out.pfb"));
}

TEST_F(ExportSubsetFontFile, Type1GoesToTheWriterWithItsProgressBox) {
  std::string exported;
  hooks_.exportType1Font = [&](const fs::path&, SubsetFont& font, const ProgressCallback&) {
    exported = font.info().fontName();
    return Type1Export{true, true};
  };
  rebuild();
  makeNewFont();
  addFonts({1, 1});
  dialogs_.script(folder_ / "out.pfb");
  ASSERT_TRUE(document_->ExportSubsetFont(1));
  EXPECT_EQ(exported, "Font2");
  ASSERT_EQ(busy_.boxes().size(), 3u);  // after the two boxes of adding the fonts
  EXPECT_EQ(busy_.boxes()[2].title, "Exporting Type 1 Font");
  EXPECT_TRUE(prompts_.shown().empty());
}

TEST_F(ExportSubsetFontFile, LostFontFileIsReported) {
  makeNewFont();
  addFonts({1});
  fs::path file =
      SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(0).fileStem());
  fs::remove(file);
  dialogs_.script(folder_ / "copy.vtb");
  EXPECT_FALSE(document_->ExportSubsetFont(0));
  expectOnlyMessage("The subset font file " + file.string() + " can't be read.");
}

}  // namespace
}  // namespace sorvella
