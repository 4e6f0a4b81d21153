// The document's TrueType paths: Import of a .ttf (opened before anything is made, its name
// corrected in a dialog, its subset fonts placed, locked and saved, its CMap saved beside the
// index file and made current) and Add Base Font of a .ttf read back from its native file.
#include <gtest/gtest.h>

#include "cidfont/font_folder.h"
#include "cidfont/standard_document_hooks.h"
#include "document_fixture.h"
#include "glyph/native_font_file.h"
#include "postscript/program_encodings.h"
#include "support/fixed_system_fonts.h"
#include "support/truetype_bytes.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::words;

std::string utf16(const std::string& ascii) {
  std::string out;
  for (char c : ascii) out += std::string(1, '\0') + c;
  return out;
}

class TrueTypeDocument : public test::DocumentTest {
 protected:
  void SetUp() override {
    hooks_ = standardDocumentHooks(programEncodings(), options_, systemFonts_);
    rebuild();
  }
  // A TrueType file of `glyphs` squares, glyph i mapped from code 0x4E00 + i, with further
  // tables.
  fs::path writeFont(const std::string& file, int glyphs,
                     std::map<std::string, std::vector<uint8_t>> extra) {
    test::TTTestFont f;
    f.glyphs.assign(static_cast<std::size_t>(glyphs),
                    test::simpleGlyph({{{0, 0}, {0, 400}, {300, 400}, {300, 0}}}));
    f.metrics.assign(static_cast<std::size_t>(glyphs), {500, 0});
    extra["cmap"] = test::cmapTable(
        {{3, 1, 0}},
        {test::cmapFormat4({{0x4E00, 0x4E00 + glyphs - 1, -0x4E00, 0}, {0xFFFF, 0xFFFF, 1, 0}})});
    f.extra = std::move(extra);
    const std::vector<uint8_t> bytes = test::fontBytes(f);
    test::writeFile(folder_ / file, std::string(bytes.begin(), bytes.end()));
    return folder_ / file;
  }
  test::FixedSystemFonts systemFonts_{std::nullopt};
};

TEST_F(TrueTypeDocument, ImportPlacesLocksAndSavesTheFontAndMakesItsCMapCurrent) {
  std::vector<uint8_t> os2(58, 0);
  for (char c : std::string("VEND")) os2.push_back(static_cast<uint8_t>(c));
  os2.resize(78, 0);
  const fs::path ttf = writeFont(
      "Ming.ttf", 600,
      {{"name", test::nameTable({{{3, 1, 0x409, 6}, utf16("Ming-Light")}})}, {"OS/2", os2}});
  dialogs_.script(ttf);
  folders_.script(FontFolderChoice{folder_.path(), "MingFolder", false});
  inputs_.scriptText(" My Ming ");
  ASSERT_TRUE(document_->Import());

  ASSERT_EQ(folders_.requests().size(), 1u);
  EXPECT_EQ(folders_.requests()[0].initialName, "Ming");
  EXPECT_EQ(folders_.requests()[0].text,
            "You are importing a TrueType font that can contain many characters. The characters "
            "will be divided into several fonts. These fonts will be placed into the CID font "
            "folder with the name Ming.");
  ASSERT_EQ(inputs_.textRequests().size(), 1u);
  EXPECT_EQ(inputs_.textRequests()[0].title, "TrueType Font Name");
  EXPECT_EQ(inputs_.textRequests()[0].initialText, "Ming-Light");
  EXPECT_EQ(busy_.boxes().back().title, "Importing TrueType Font");
  EXPECT_TRUE(prompts_.shown().empty());

  const CCidFont& font = *document_->font();
  const fs::path folder = folder_ / "MingFolder";
  EXPECT_EQ(document_->folder(), folder);
  EXPECT_EQ(font.info().fontName(), "MyMing");
  ASSERT_EQ(font.subsetFontCount(), 2);
  EXPECT_EQ(font.subsetFont(0).name(), "MyMing-01");
  EXPECT_EQ(font.subsetFont(1).name(), "MyMing-02");
  EXPECT_TRUE(font.subsetFont(0).locked && font.subsetFont(1).locked);
  for (int32_t cid : {0, 512, 513, 599}) {
    const CharacterRecord& r = font.record(font.CharacterAt(cid));
    EXPECT_EQ(r.font * 513 + r.glyph, cid);
  }
  EXPECT_TRUE(fs::exists(binaryIndexPath(folder)));
  EXPECT_FALSE(font.modified());

  const CCodeMap* cmap = document_->cmaps().current();
  ASSERT_NE(cmap, nullptr);
  EXPECT_EQ(cmap->cmapName, "MyMing-Unicode");
  EXPECT_EQ(cmap->filePath, folder / "Ming.cmp");
  EXPECT_FALSE(cmap->modified);
  CCodeMap saved;
  ASSERT_TRUE(saved.Read(folder / "Ming.cmp"));
  EXPECT_EQ(saved.Lookup(0x4E, 0x05), 5);
  EXPECT_EQ(saved.Lookup(0x4E, 0x00), CCodeMap::kNoCid);  // glyph 0
  EXPECT_EQ(saved.ordering, "VEND");
}

TEST_F(TrueTypeDocument, CMapWithoutOrderingStaysCurrentUnsaved) {
  dialogs_.script(writeFont("Plain.ttf", 3, {}));
  folders_.script(FontFolderChoice{folder_.path(), "Plain", false});
  inputs_.scriptText("Plain");
  ASSERT_TRUE(document_->Import());
  expectOnlyMessage(kNoOrderingMessage);
  ASSERT_NE(document_->cmaps().current(), nullptr);
  EXPECT_TRUE(document_->cmaps().current()->modified);
  EXPECT_TRUE(document_->cmaps().current()->filePath.empty());
  EXPECT_EQ(document_->font()->subsetFont(0).name(), "Plain");
}

TEST_F(TrueTypeDocument, UnreadableFileCreatesNothing) {
  test::writeFile(folder_ / "bad.ttf", "not a font");
  dialogs_.script(folder_ / "bad.ttf");
  EXPECT_FALSE(document_->Import());
  expectOnlyMessage((folder_ / "bad.ttf").string() + " can't be read as a TrueType font.");
  EXPECT_TRUE(folders_.requests().empty());
  EXPECT_EQ(document_->font(), nullptr);
}

TEST_F(TrueTypeDocument, AddedFontKeepsItsNamesProgramsAndKerningInItsFile) {
  makeNewFont("Base");
  const std::vector<uint8_t> kern = words({0, 1, 0, 14 + 6, 0x0001, 1, 0, 0, 0, 1, 2, -100});
  const fs::path ttf =
      writeFont("small.ttf", 3,
                {{"name", test::nameTable({{{3, 1, 0x409, 1}, utf16("Small")},
                                           {{3, 1, 0x409, 6}, utf16("Small-Regular")}})},
                 {"kern", kern},
                 {"cvt ", {0x00, 0x10, 0xFF, 0xF0}},
                 {"fpgm", {0xB0, 0x05}},
                 {"prep", {0xB8, 0x01, 0x00}}});
  const std::vector<fs::path> files{ttf};
  ASSERT_EQ(document_->addBaseFontFiles(files), 1);
  EXPECT_EQ(busy_.boxes().back().caption, "Adding TrueType Font");

  std::unique_ptr<SubsetFont> back = ReadNativeFont(
      SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(0).fileStem()));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->info().fontName(), "Small-Regular");
  EXPECT_EQ(back->info().familyName(), "Small");
  EXPECT_EQ(back->rawBlocks()[0], (std::vector<uint8_t>{0x10, 0x00, 0xF0, 0xFF}));
  EXPECT_EQ(back->rawBlocks()[1], (std::vector<uint8_t>{0xB0, 0x05}));
  EXPECT_EQ(back->rawBlocks()[2], (std::vector<uint8_t>{0xB8, 0x01, 0x00}));
  ASSERT_EQ(back->slotCount(), 3);
  ASSERT_EQ(back->glyph(1)->kerning().size(), 1u);
  EXPECT_EQ(back->glyph(1)->kerning()[0].rightGlyph, 2);
  EXPECT_EQ(back->glyph(1)->kerning()[0].values[0], -100);
  EXPECT_EQ(document_->font()->subsetFont(0).characterCount, 3);
}

TEST_F(TrueTypeDocument, LargeFontsAreSkippedOrAddedWithoutAsking) {
  makeNewFont("Large");
  const std::vector<fs::path> files{writeFont("large.ttf", 1001, {})};
  EXPECT_EQ(document_->addBaseFontFiles(files, LargeTrueTypeFonts::kSkip), 0);
  expectOnlyMessage("The TrueType font " + files[0].string() +
                    " includes more than 1000 characters and was not added. Try to Import it "
                    "instead of Adding it.");
  EXPECT_EQ(document_->addBaseFontFiles(files, LargeTrueTypeFonts::kAdd), 1);
  EXPECT_EQ(document_->font()->subsetFont(0).characterCount, 1001);
  EXPECT_EQ(prompts_.shown().size(), 1u);
}

}  // namespace
}  // namespace sorvella
