// Import of a .ttf: its name corrected in a dialog, its subset fonts placed, locked and saved,
// its CMap saved beside the index file and made current.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "cidfont/truetype_font_import.h"
#include "document_fixture.h"
#include "support/truetype_bytes.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class TrueTypeDocument : public test::DocumentTest {
 protected:
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
};

TEST_F(TrueTypeDocument, ImportPlacesLocksAndSavesTheFontAndMakesItsCMapCurrent) {
  const fs::path ttf =
      writeFont("Ming.ttf", 600,
                {{"name", test::nameTable({{{3, 1, 0x409, 6}, test::utf16("Ming-Light")}})},
                 {"OS/2", test::os2Table("VEND")}});
  // Each new subset font is given its encoding's table before it is stored.
  std::vector<std::string> prepared;
  hooks_.loadEncodingTable = [&prepared](SubsetFont& f) {
    prepared.push_back(f.info().fontName());
  };
  rebuild();
  dialogs_.script(ttf);
  folders_.script(FontFolderChoice{folder_.path(), "MingFolder", false});
  inputs_.scriptText(" My Ming ");
  ASSERT_TRUE(document_->Import());

  ASSERT_EQ(folders_.requests().size(), 1u);
  EXPECT_EQ(folders_.requests()[0].initialName, "Ming");
  EXPECT_EQ(folders_.requests()[0].text, formatText(document_text::kImportTrueTypeText, "Ming"));
  ASSERT_EQ(inputs_.textRequests().size(), 1u);
  EXPECT_EQ(inputs_.textRequests()[0].title, truetype_font_import_text::kNameTitle);
  EXPECT_EQ(inputs_.textRequests()[0].initialText, "Ming-Light");
  EXPECT_EQ(busy_.boxes().back().title, truetype_font_import_text::kProgressTitle);
  EXPECT_TRUE(prompts_.shown().empty());

  const CCidFont& font = *document_->font();
  const fs::path folder = folder_ / "MingFolder";
  EXPECT_EQ(document_->folder(), folder);
  EXPECT_EQ(font.info().fontName(), "MyMing");
  ASSERT_EQ(font.subsetFontCount(), 2);
  EXPECT_EQ(font.subsetFont(0).name(), "MyMing-01");
  EXPECT_EQ(font.subsetFont(1).name(), "MyMing-02");
  EXPECT_TRUE(font.subsetFont(0).locked && font.subsetFont(1).locked);
  EXPECT_EQ(prepared, (std::vector<std::string>{"MyMing-01", "MyMing-02"}));
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
  EXPECT_EQ(saved.ordering, "VEND");
}

}  // namespace
}  // namespace sorvella
