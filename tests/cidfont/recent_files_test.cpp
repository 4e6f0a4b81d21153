#include "cidfont/recent_files.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ini_file_profile.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

using Paths = std::vector<std::filesystem::path>;

class RecentFileOrder : public ::testing::Test {
 protected:
  RecentFileList list_;
  void addAll(std::initializer_list<const char*> files) {
    for (const char* file : files) list_.add(file);
  }
};

TEST_F(RecentFileOrder, NewestFirstAndTheFifthDropsTheOldest) {
  addAll({"/1.sqf", "/2.sqf", "/3.sqf"});
  EXPECT_EQ(list_.files(), (Paths{"/3.sqf", "/2.sqf", "/1.sqf"}));
  addAll({"/4.sqf", "/5.sqf"});
  EXPECT_EQ(list_.files(), (Paths{"/5.sqf", "/4.sqf", "/3.sqf", "/2.sqf"}));
}

TEST_F(RecentFileOrder, ReopenedFileMovesToTheFrontWithoutRepeating) {
  addAll({"/1.sqf", "/2.sqf", "/3.sqf", "/4.sqf", "/2.sqf"});
  EXPECT_EQ(list_.files(), (Paths{"/2.sqf", "/4.sqf", "/3.sqf", "/1.sqf"}));
  addAll({"/1.sqf", "/1.sqf", ""});
  EXPECT_EQ(list_.files(), (Paths{"/1.sqf", "/2.sqf", "/4.sqf", "/3.sqf"}));
}

class RecentFileStorage : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::filesystem::path file_ = folder_ / "sorvella.ini";
};

TEST_F(RecentFileStorage, SavedAsFileOneToFourAndLoadedInTheSameOrder) {
  test::writeFile(file_, "[Recent File List]\nFile1=/1\nFile2=/2\nFile3=/3\nFile4=/4\n");
  RecentFileList saved;
  saved.add("/fonts/old.sqf");
  saved.add("/my fonts/new.sqf");
  IniFileProfile profile(file_);
  ASSERT_TRUE(saved.save(profile));
  EXPECT_EQ(test::readFile(file_),
            "[Recent File List]\r\nFile1=/my fonts/new.sqf\r\nFile2=/fonts/old.sqf\r\n"
            "File3=\r\nFile4=\r\n");
  RecentFileList loaded;
  loaded.add("/stale.sqf");
  loaded.load(IniFileProfile(file_));
  EXPECT_EQ(loaded.files(), saved.files());
}

TEST_F(RecentFileStorage, GapsRepeatsAndExtraKeysAreSkipped) {
  test::writeFile(file_,
                  "[recent file list]\nfile2=/b.sqf\nFile1=/a.sqf\nFile3=/a.sqf\nFile4=\n"
                  "File5=/e.sqf\n");
  RecentFileList list;
  list.load(IniFileProfile(file_));
  EXPECT_EQ(list.files(), (Paths{"/a.sqf", "/b.sqf"}));
}

}  // namespace
}  // namespace sorvella
