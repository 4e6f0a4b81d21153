// Write metrics: which files are written beside the font and under which names, the results
// for missing paths and files that cannot be written, and the MMM file of several masters.
#include "postscript/metrics_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/sample_fonts.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class WriteMetrics : public ::testing::Test {
 protected:
  SubsetFont font_ = test::sampleFont();
  test::TempFolder folder_;
};

TEST_F(WriteMetrics, AskedFilesGoBesideTheFontUnderItsName) {
  EXPECT_EQ(writeMetrics(font_, folder_ / "Sample.pfb", metrics_which::kAfmAndInf), 0);
  EXPECT_EQ(test::readFile(folder_ / "Sample.afm").substr(0, 22), "StartFontMetrics 2.0\r\n");
  EXPECT_EQ(test::readFile(folder_ / "Sample.inf").substr(0, 23), "FontName (SampleSans)\r\n");
  EXPECT_FALSE(fs::exists(folder_ / "Sample.pfm"));
  EXPECT_EQ(writeMetrics(font_, folder_ / "Other.pfb", metrics_which::kPfm), 0);
  EXPECT_EQ(test::readFile(folder_ / "Other.pfm").substr(0, 2), std::string("\x00\x01", 2));
  EXPECT_FALSE(fs::exists(folder_ / "Other.afm"));
}

TEST_F(WriteMetrics, NothingAskedOrNoPathGivesMinusOne) {
  EXPECT_EQ(writeMetrics(font_, folder_ / "Sample.pfb", 0), -1);
  EXPECT_EQ(writeMetrics(font_, "", metrics_which::kAfmAndInf), -1);
  EXPECT_TRUE(fs::is_empty(folder_.path()));
}

TEST_F(WriteMetrics, EmptyPathMeansTheFontsOwnFile) {
  font_.setFileName(folder_ / "Own.vtb");
  EXPECT_EQ(writeMetrics(font_, "", metrics_which::kAfmAndInf), 0);
  EXPECT_TRUE(fs::exists(folder_ / "Own.afm"));
  EXPECT_TRUE(fs::exists(folder_ / "Own.inf"));
}

TEST_F(WriteMetrics, FailedAfmPreventsTheInf) {
  fs::create_directory(folder_ / "Sample.afm");  // a folder where the file should go
  const int result = writeMetrics(font_, folder_ / "Sample.pfb", metrics_which::kAfmAndInf);
  EXPECT_NE(result, 0);
  EXPECT_FALSE(fs::exists(folder_ / "Sample.inf"));
}

TEST_F(WriteMetrics, SeveralMastersWriteOnlyTheMmmFile) {
  font_.setMasterCount(2);
  EXPECT_EQ(writeMetrics(font_, folder_ / "Multi.pfb", 3), 0);
  EXPECT_TRUE(fs::exists(folder_ / "Multi.mmm"));
  EXPECT_FALSE(fs::exists(folder_ / "Multi.afm"));
  EXPECT_FALSE(fs::exists(folder_ / "Multi.inf"));
  EXPECT_FALSE(fs::exists(folder_ / "Multi.pfm"));
}

}  // namespace
}  // namespace sorvella
