// Failures the commands report and the work they keep, with the program's own importers and
// exporters: failed and partial exports, cancelled and failed imports, damaged glyphs, the
// encoding a stored font keeps, and a renamed font folder.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/font_folder.h"
#include "cidfont/standard_document_hooks.h"
#include "document_fixture.h"
#include "glyph/glyph_record.h"
#include "glyph/native_font_file.h"
#include "postscript/cid_font_writer.h"
#include "postscript/font_program_status.h"
#include "postscript/program_encodings.h"
#include "support/cid_fixtures.h"
#include "support/native_font_bytes.h"
#include "support/sample_fonts.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class DocumentFailures : public test::DocumentTest {
 protected:
  void SetUp() override {
    hooks_ = standardDocumentHooks(programEncodings(), options_, systemFonts_);
    rebuild();
    makeNewFont();
  }
  test::FixedSystemFonts systemFonts_{std::nullopt};
  fs::path stored(int32_t font) {
    return SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(font).fileStem());
  }
  bool import(const fs::path& source, const std::string& folder) {
    dialogs_.script(source);
    folders_.script(FontFolderChoice{folder_.path(), folder, false});
    return document_->Import();
  }
};

TEST_F(DocumentFailures, ExportsWarnOfWhatWasLeftOutAndReportMetricsOnTheirOwn) {
  addFonts({2, 3});
  document_->font()->PlaceUnplaced(0, 4, 0);
  test::writeFile(stored(1), "damaged");
  dialogs_.script(folder_ / "out.cid");
  EXPECT_TRUE(document_->Export());
  EXPECT_EQ(lastMessage(),
            cidExportWarning(3) + " " +
                formatText(document_text::kUnreadableSubsetFonts, stored(1).c_str()));
  fs::create_directory(folder_ / "out.afm");  // the metrics file cannot be written
  dialogs_.script(folder_ / "out.pfb");
  EXPECT_FALSE(document_->ExportSubsetFont(0));
  EXPECT_EQ(lastMessage(),
            formatText(document_text::kMetricsNotWritten, (folder_ / "out.pfb").c_str()));
  EXPECT_TRUE(fs::exists(folder_ / "out.pfb"));
}

TEST_F(DocumentFailures, CancelledImportKeepsWhatWasHandedOverAndAFailedOneNothing) {
  busy_.cancelAfter(60);  // the query before CID 600: the first subset font is complete
  ASSERT_TRUE(import(test::cidFixture("dict1200.cid"), "Cut"));
  EXPECT_EQ(lastMessage(), formatText(document_text::kImportCancelled, 512));
  EXPECT_EQ(ReadBinaryIndex(folder_ / "Cut" / "Cut.sqf").font->characterCount(), 512);
  EXPECT_TRUE(fs::exists(folder_ / "Cut" / "Cut0000.vtb"));
  EXPECT_FALSE(fs::exists(folder_ / "Cut" / "Cut0001.vtb"));

  // Cut short in the second subset font, into a folder the user chose to replace.
  busy_.cancelAfter(-1);
  std::string bytes = test::readFile(test::cidFixture("dict1200.cid"));
  test::writeFile(folder_ / "cut.cid", bytes.substr(0, bytes.size() * 3 / 4));
  test::writeFile(folder_ / "MINCHO" / "notes.txt", "mine");
  prompts_.script(font_folder_text::kReplace);
  EXPECT_FALSE(import(folder_ / "cut.cid", "MINCHO"));
  EXPECT_EQ(document_->font(), nullptr);
  EXPECT_EQ(lastMessage(), formatText(document_text::kImportFailed, (folder_ / "cut.cid").c_str(),
                                      font_program_text::kCutShort));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "MINCHO"), {}), 1);
}

TEST_F(DocumentFailures, StoredFontsHoldEncoding1AndTheGlyphsAroundADamagedOne) {
  inputs_.scriptText("Fresh");
  ASSERT_TRUE(document_->NewSubsetFont());
  auto glyph = [](const char* name) {
    return test::rec(2001, test::textOf(glyphRecordBytes(*test::glyphOf(name, 500, {}))));
  };
  // A file without the encoding group, its second glyph record damaged.
  const fs::path old = folder_ / "old.vtb";
  test::writeFile(old, test::nativeStart() + glyph("a") + test::rec(2001, "\x01\x09\x07") +
                           glyph("c") + test::nativeEnd());
  ASSERT_EQ(addBaseFontFiles(std::vector<fs::path>{old}), 1);
  EXPECT_EQ(lastMessage(), formatText(document_text::kDamagedGlyphs, old.c_str(), "1"));
  for (int32_t font : {0, 1}) {
    std::unique_ptr<SubsetFont> read = ReadNativeFont(stored(font));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->encoding().glyphNames[65], "A") << font;
    EXPECT_EQ(read->slotCount(), font == 0 ? 0 : 3);
  }
  EXPECT_EQ(ReadNativeFont(stored(1))->glyph(1), nullptr);
}

TEST_F(DocumentFailures, SaveWritesTheIndexFileItOpenedAfterTheFolderWasRenamed) {
  addFonts({1});
  ASSERT_TRUE(document_->Save());
  fs::rename(folder_ / "MINCHO", folder_ / "t_add");
  ASSERT_TRUE(document_->openIndexFile(folder_ / "t_add" / "MINCHO.sqf"));
  addFonts({2});
  ASSERT_TRUE(document_->Save());
  EXPECT_FALSE(fs::exists(folder_ / "t_add" / "t_add.sqf"));
  EXPECT_EQ(ReadBinaryIndex(folder_ / "t_add" / "MINCHO.sqf").font->subsetFontCount(), 2);
}

}  // namespace
}  // namespace sorvella
