// The options as the program reads them from its settings file.
#include "cidfont/settings.h"

#include <gtest/gtest.h>

#include "platform/ini_file_profile.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

class LoadedOptions : public ::testing::Test {
 protected:
  Options loadedFrom(std::string_view fileText, Options options = {}) {
    test::writeFile(file_, fileText);
    loadOptions(options, IniFileProfile(file_));
    return options;
  }
  test::TempFolder folder_;
  std::filesystem::path file_ = folder_ / "sorvella.ini";
};

// Keys of the "Options" section only; those missing keep the values held before.
TEST_F(LoadedOptions, KeysOfTheOptionsSectionReplaceTheValuesHeld) {
  Options held;
  held.fitAscender = 1000;
  held.autohintingVRatio = 3.5;
  Options options = loadedFrom(
      "[General]\nFitDescender=1\n[Options]\nEditGridX=7\nAutohintingMinHLen=55\n"
      "AutohintingHRatio=0.25\n",
      held);
  EXPECT_EQ(options.editGridX, 7);
  EXPECT_EQ(options.autohintingMinHLen, 55);
  EXPECT_EQ(options.autohintingHRatio, 0.25);
  EXPECT_EQ(options.fitAscender, 1000);
  EXPECT_EQ(options.fitDescender, Options().fitDescender);
  EXPECT_EQ(options.autohintingVRatio, 3.5);
}

// Integers are clamped to their field's width; beyond 32 bits a text is no number at all.
TEST_F(LoadedOptions, OutOfRangeIntegersAreClampedOrIgnored) {
  Options options = loadedFrom(
      "[Options]\nEditGridX=70000\nEditGridY=-99999\nOverlapMode=-1\n"
      "FitAscender=99999999999\nSnapStyle=-4294967296\n");
  EXPECT_EQ(options.editGridX, 32767);
  EXPECT_EQ(options.editGridY, -32768);
  EXPECT_EQ(options.overlapMode, 0);
  EXPECT_EQ(loadedFrom("[Options]\nOverlapMode=65536\n").overlapMode, 65535);
  EXPECT_EQ(options.fitAscender, Options().fitAscender);
  EXPECT_EQ(options.snapStyle, Options().snapStyle);
}

// Ratios are read as written, with '.' whatever the locale, trailing text ignored; only the
// options dialog limits them. A text that is no finite number keeps the value held.
TEST_F(LoadedOptions, RatiosAreReadAsWrittenAndOnlyNonNumbersAreIgnored) {
  const std::pair<const char*, double> cases[] = {
      {" +2.50x ", 2.5}, {"1000.01", 1000.01}, {"-0.5", -0.5}, {"", 1.0},  {"abc", 1.0},
      {"1e400", 1.0},    {"nan", 1.0},         {"inf", 1.0},   {",5", 1.0}};
  for (const auto& [text, ratio] : cases)
    EXPECT_EQ(loadedFrom("[Options]\nAutohintingHRatio=" + std::string(text)).autohintingHRatio,
              ratio)
        << text;
}

}  // namespace
}  // namespace sorvella
