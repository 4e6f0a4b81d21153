// Paths, file stems and free space of a CID font's folder. Each outcome of creating one is
// told by the New command, in document_open_save_test.
#include "cidfont/font_folder.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

TEST(FontFolderPaths, IndexFileIsNamedAfterTheFolder) {
  EXPECT_EQ(binaryIndexPath("/fonts/MINCHO"), fs::path("/fonts/MINCHO/MINCHO.sqf"));
  EXPECT_EQ(binaryIndexPath("/fonts/MIN.OLD"), fs::path("/fonts/MIN.OLD/MIN.sqf"));
  EXPECT_EQ(binaryIndexPath("/fonts/MINCHO/"), fs::path("/fonts/MINCHO/MINCHO.sqf"));
  EXPECT_FALSE(folderPathHasSeparator("MINCHO"));
  EXPECT_TRUE(folderPathHasSeparator("C:\\FONTS"));
}

// Four letters of the folder and the font count, or the next number that neither a font of
// the list nor a file in the folder uses.
TEST(FileStems, TakeFourLettersAndTheNextFreeNumber) {
  test::TempFolder temp;
  fs::path folder = temp / "MINCHO";
  fs::create_directory(folder);
  CCidFont font;
  EXPECT_EQ(newFileStem(folder, font), "MINC0000");
  EXPECT_EQ(newFileStem(temp / "AB", font), "AB0000");
  for (const char* stem : {"MINC0000", "MINC0001"}) {
    SubsetFontEntry e;
    e.setFileStem(stem);
    font.addSubsetFont(e, {});
  }
  font.RemoveFont(0);  // one font left, still using MINC0001
  EXPECT_EQ(newFileStem(folder, font), "MINC0002");
  test::writeFile(folder / "MINC0002.vtb", "left by an earlier session");
  EXPECT_EQ(newFileStem(folder, font), "MINC0003");
}

TEST(FontFolderCreation, FreeSpaceIsShownInKilobytes) {
  test::TempFolder temp;
  std::string text = freeSpaceText(temp.path());
  EXPECT_EQ(text.rfind("The selected drive has ", 0), 0u) << text;
  EXPECT_NE(text.find("k bytes of available space."), std::string::npos) << text;
  EXPECT_EQ(freeSpaceText(temp / "no" / "such"), font_folder_text::kFreeSpaceUnknown);
}

}  // namespace
}  // namespace sorvella
