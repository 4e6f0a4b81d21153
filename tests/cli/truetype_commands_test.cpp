// The batch tool's TrueType paths run as a user runs them: import of a .ttf into a new font
// folder, add of a large .ttf with and without --proceed, and new-font --index.
#include <gtest/gtest.h>

#include "cidfont/binary_index_file.h"
#include "cidfont/font_folder.h"
#include "cli/cli_run.h"
#include "glyph/native_font_file.h"
#include "support/truetype_bytes.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::runCli;

class TrueTypeCommands : public ::testing::Test {
 protected:
  fs::path writeFont(const std::string& name, int glyphs) {
    test::TTTestFont f;
    f.glyphs.assign(static_cast<std::size_t>(glyphs),
                    test::simpleGlyph({{{0, 0}, {0, 400}, {300, 400}, {300, 0}}}));
    const std::vector<uint8_t> bytes = test::fontBytes(f);
    return folder_.write(name, std::string(bytes.begin(), bytes.end()));
  }
  std::unique_ptr<SubsetFont> subsetFont(const fs::path& index, int32_t number) {
    BinaryIndexReadResult read = ReadBinaryIndex(index);
    EXPECT_TRUE(read.opened);
    return ReadNativeFont(
        SubsetFontFilePath(index.parent_path(), read.font->subsetFont(number).fileStem()));
  }
  test::CliFolder folder_;
};

TEST_F(TrueTypeCommands, ImportMakesTheFolderIndexAndCMapAndRefusesWhatItCannotRead) {
  const fs::path ttf = writeFont("Song.ttf", 600);
  test::CliResult r = runCli("import " + test::quoted(ttf) + " " + test::quoted(folder_ / "SONG"));
  ASSERT_EQ(r.status, 0) << r.output;
  const fs::path index = folder_ / "SONG" / "SONG.sqf";
  BinaryIndexReadResult read = ReadBinaryIndex(index);
  ASSERT_TRUE(read.opened);
  ASSERT_EQ(read.font->subsetFontCount(), 2);
  EXPECT_EQ(read.font->subsetFont(1).name(), "TT_Untitled-02");
  EXPECT_TRUE(read.font->subsetFont(0).locked);
  EXPECT_EQ(read.font->record(599).cid, 599);
  // Without an OS/2 table the CMap has no Ordering and is not saved; the import still is.
  EXPECT_NE(r.output.find("saved without Ordering"), std::string::npos) << r.output;

  r = runCli("import " + test::quoted(ttf) + " " + test::quoted(folder_ / "SONG"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("already exists"), std::string::npos) << r.output;
  EXPECT_EQ(
      runCli("import --replace " + test::quoted(ttf) + " " + test::quoted(folder_ / "SONG")).status,
      0);

  const fs::path bad = folder_.write("bad.ttf", "not a font at all");
  r = runCli("import " + test::quoted(bad) + " " + test::quoted(folder_ / "BAD"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, bad.string() + " can't be read as a TrueType font.\n");
  EXPECT_FALSE(fs::exists(folder_ / "BAD"));
}

TEST_F(TrueTypeCommands, AddSkipsFontsOfMoreThan1000GlyphsUnlessToldToProceed) {
  ASSERT_EQ(runCli("new " + test::quoted(folder_ / "BASE")).status, 0);
  const fs::path index = folder_ / "BASE" / "BASE.sqf";
  const fs::path big = writeFont("big.ttf", 1001);
  test::CliResult r = runCli("add " + test::quoted(index) + " " + test::quoted(big));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("includes more than 1000 characters and was not added"),
            std::string::npos)
      << r.output;
  r = runCli("add --proceed " + test::quoted(index) + " " + test::quoted(big));
  ASSERT_EQ(r.status, 0) << r.output;
  std::unique_ptr<SubsetFont> font = subsetFont(index, 0);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->slotCount(), 1001);
  EXPECT_EQ(font->glyph(1000)->name(), ".1000");
}

TEST_F(TrueTypeCommands, NewFontWithIndexDrawsTheNumbersInTheSystemsArial) {
  ASSERT_EQ(runCli("new " + test::quoted(folder_ / "IDX")).status, 0);
  const fs::path index = folder_ / "IDX" / "IDX.sqf";
  test::CliResult r = runCli("new-font " + test::quoted(index) + " Numbers --index 8 12");
  ASSERT_EQ(r.status, 0) << r.output;
  std::unique_ptr<SubsetFont> font = subsetFont(index, 0);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->info().fontName(), "Numbers");
  ASSERT_EQ(font->slotCount(), 5);
  EXPECT_EQ(font->glyph(0)->name(), "IND-0008");
  // Liberation Sans, which Debian offers for Arial: every digit 1139 of 2048 units wide.
  EXPECT_EQ(font->glyph(2)->advance(0).x, 2 * 278);
  EXPECT_EQ(font->glyph(2)->contourCount(), 3);  // the 1, and the 0 with its hole

  r = runCli("new-font " + test::quoted(index) + " Huge --index 0 20000");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("at most 16384 characters"), std::string::npos) << r.output;
}

}  // namespace
}  // namespace sorvella
