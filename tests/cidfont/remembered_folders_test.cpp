#include "cidfont/remembered_folders.h"

#include <gtest/gtest.h>

#include "platform/ini_file_profile.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

using std::filesystem::path;

class RememberedFolders : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  path file_ = folder_ / "sorvella.ini";
  IniFileProfile profile_{file_};
};

TEST_F(RememberedFolders, StoredPerDialogWithATrailingSeparator) {
  ASSERT_TRUE(setFolder(profile_, kImportFolderKey, "/home/me/my fonts"));
  ASSERT_TRUE(setFolder(profile_, kMapFolderKey, "/maps/"));
  ASSERT_TRUE(setFolder(profile_, kEpsFolderKey, "/"));
  ASSERT_TRUE(setFolder(profile_, kAddBaseFontFolderKey, "/base"));
  ASSERT_TRUE(setFolder(profile_, kImportFromFolderKey, "/from"));
  ASSERT_TRUE(setFolder(profile_, kOpenFolderKey, "/open"));
  EXPECT_EQ(test::readFile(file_),
            "[Directories]\r\nImport=/home/me/my fonts/\r\nMap=/maps/\r\nEPSfiles=/\r\n"
            "AddBaseFont=/base/\r\nImportFrom=/from/\r\nOpen=/open/\r\n");
  IniFileProfile reopened(file_);
  EXPECT_EQ(getFolder(reopened, kImportFolderKey), path("/home/me/my fonts/"));
  EXPECT_EQ(getFolder(reopened, kEpsFolderKey), path("/"));
  EXPECT_EQ(getFolder(IniFileProfile(folder_ / "absent.ini"), kOpenFolderKey), path());
}

TEST_F(RememberedFolders, EmptyPathClearsTheEntry) {
  ASSERT_TRUE(setFolder(profile_, kOpenFolderKey, "/open"));
  ASSERT_TRUE(setFolder(profile_, kOpenFolderKey, ""));
  EXPECT_EQ(getFolder(IniFileProfile(file_), kOpenFolderKey), path());
  EXPECT_EQ(IniFileProfile(file_).getString("directories", "OPEN", "missing"), "");
}

}  // namespace
}  // namespace sorvella
