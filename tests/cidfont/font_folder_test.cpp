// Paths, file stems and creation of a CID font's folder.
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
  EXPECT_EQ(emergencyIndexPath("MINCHO"), fs::path("MINCHO/~SAVE.SQF"));
  EXPECT_FALSE(folderPathHasSeparator("MINCHO"));
  EXPECT_TRUE(folderPathHasSeparator("C:\\FONTS"));
  EXPECT_EQ(SubsetFontFilePath("/fonts/MINCHO", "MINC0003"),
            fs::path("/fonts/MINCHO/MINC0003.vtb"));
}

class FileStems : public ::testing::Test {
 protected:
  void add(const std::string& stem) {
    SubsetFontEntry e;
    e.setFileStem(stem);
    font_.addSubsetFont(e, {});
  }
  test::TempFolder temp_;
  CCidFont font_;
};

TEST_F(FileStems, TakeFourLettersOfTheFolderAndTheFontCount) {
  fs::path folder = temp_ / "MINCHO";
  EXPECT_EQ(newFileStem(folder, font_), "MINC0000");
  add("MINC0000");
  EXPECT_EQ(newFileStem(folder, font_), "MINC0001");
  EXPECT_EQ(newFileStem(temp_ / "AB", font_), "AB0001");
}

TEST_F(FileStems, SkipStemsThatAreTakenAfterARemoval) {
  fs::path folder = temp_ / "MINCHO";
  fs::create_directory(folder);
  add("MINC0000");
  add("MINC0001");
  font_.RemoveFont(0);  // one font left, still using MINC0001
  EXPECT_EQ(newFileStem(folder, font_), "MINC0002");
  test::writeFile(folder / "MINC0002.vtb", "left by an earlier session");
  EXPECT_EQ(newFileStem(folder, font_), "MINC0003");
}

TEST(FontFolderCreation, ReportsEveryOutcome) {
  test::TempFolder temp;
  FolderCreation made = createFontFolder(temp.path(), "GOTHIC");
  EXPECT_EQ(made.outcome, FolderOutcome::kCreated);
  EXPECT_TRUE(fs::is_directory(temp / "GOTHIC"));

  FolderCreation again = createFontFolder(temp.path(), "GOTHIC");
  EXPECT_EQ(again.outcome, FolderOutcome::kExistingFolder);
  EXPECT_EQ(folderCreationMessage(again),
            "Folder " + (temp / "GOTHIC").string() +
                " already exists. You can replace it with the new one or choose another path "
                "and/or folder name.");

  test::writeFile(temp / "FILE", "x");
  EXPECT_EQ(createFontFolder(temp.path(), "FILE").outcome, FolderOutcome::kNameTaken);
  EXPECT_EQ(folderCreationMessage(createFontFolder(temp / "missing", "X")),
            "The selected folder can't be created because the path that you entered does not "
            "exist or is not accessible. Please, enter a different path name or fix the "
            "situation.");
}

TEST(FontFolderCreation, FreeSpaceIsShownInKilobytes) {
  test::TempFolder temp;
  std::string text = freeSpaceText(temp.path());
  EXPECT_EQ(text.rfind("The selected drive has ", 0), 0u) << text;
  EXPECT_NE(text.find("k bytes of available space."), std::string::npos) << text;
  EXPECT_EQ(freeSpaceText(temp / "no" / "such"),
            "The available space for selected drive can't be computed.");
}

}  // namespace
}  // namespace sorvella
