#include "platform/data_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

// Starts each test with SORVELLA_DATA unset, an installed-looking tree in a temporary folder,
// and puts back what the process had.
class DataLocation : public ::testing::Test {
 protected:
  test::TempFolder root_;
  fs::path executable_ = root_ / "bin" / "sorvella";
  std::optional<std::string> saved_;

  void SetUp() override {
    if (const char* value = std::getenv(kDataFolderVariable)) saved_ = value;
    unsetenv(kDataFolderVariable);
    fs::create_directories(root_ / "bin");
  }
  void TearDown() override {
    if (saved_) {
      setenv(kDataFolderVariable, saved_->c_str(), 1);
    } else {
      unsetenv(kDataFolderVariable);
    }
  }
};

TEST_F(DataLocation, TheVariableWinsWhenNotEmpty) {
  fs::create_directories(root_ / "bin" / "data");
  setenv(kDataFolderVariable, "/nowhere/sorvella-data", 1);
  EXPECT_EQ(dataFolder(executable_), fs::path("/nowhere/sorvella-data"));
  setenv(kDataFolderVariable, "", 1);
  EXPECT_EQ(dataFolder(executable_), root_ / "bin" / "data");
}

TEST_F(DataLocation, BesideTheExecutableComesBeforeTheShareFolder) {
  fs::create_directories(root_ / "share" / "sorvella");
  EXPECT_EQ(dataFolder(executable_), root_ / "share" / "sorvella");
  fs::create_directories(root_ / "bin" / "data");
  EXPECT_EQ(dataFolder(executable_), root_ / "bin" / "data");
}

TEST_F(DataLocation, TheSourceTreeIsTheLastResort) {
  test::writeFile(root_ / "bin" / "data", "a file, not a folder");
  EXPECT_EQ(dataFolder(executable_), fs::path(SORVELLA_SOURCE_DATA_DIR));
  EXPECT_EQ(dataFolder(fs::path()), fs::path(SORVELLA_SOURCE_DATA_DIR));
}

TEST_F(DataLocation, TheExecutableIsTheRunningTestProgram) {
  const fs::path self = executablePath();
  EXPECT_EQ(self.filename(), "sorvella_tests");
  EXPECT_TRUE(self.is_absolute());
  EXPECT_TRUE(fs::is_regular_file(self));
}

}  // namespace
}  // namespace sorvella
