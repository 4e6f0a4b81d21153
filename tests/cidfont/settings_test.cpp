#include "cidfont/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>

#include "platform/ini_file_profile.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

using KeyValues = std::map<std::string, std::string>;

class OptionsTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::filesystem::path file_ = folder_ / "sorvella.ini";

  Options loadedFrom(std::string_view fileText) {
    test::writeFile(file_, fileText);
    Options options;
    loadOptions(options, IniFileProfile(file_));
    return options;
  }

  // The lines of a section as the file holds them, read without the code under test.
  KeyValues sectionInFile(const std::string& section) {
    std::istringstream in(test::readFile(file_));
    KeyValues keys;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
      if (line.ends_with('\r')) line.pop_back();
      std::size_t equals = line.find('=');
      if (line.starts_with('[')) {
        inside = line == "[" + section + "]";
      } else if (inside && equals != std::string::npos) {
        keys[line.substr(0, equals)] = line.substr(equals + 1);
      }
    }
    return keys;
  }
};

class OptionsDefaults : public OptionsTest {};

TEST_F(OptionsDefaults, MissingFileYieldsDefaultsAndSavingWritesEveryKey) {
  Options options;
  loadOptions(options, IniFileProfile(folder_ / "absent.ini"));
  IniFileProfile profile(file_);
  ASSERT_TRUE(saveOptions(options, profile));
  KeyValues defaults;
  std::istringstream pairs(
      "FitAscender=900 FitDescender=-200 FontChartCellW=40 FontChartCellH=50 EraseSize=5 "
      "ClosepathArrowLen=8 DefaultGlyph=65 AutoMetricsLeft=30 AutoMetricsRight=30 "
      "AutoMetricsClose=10 AutohintingMinHLen=70 AutohintingMinVLen=70 AutohintingMinHWidth=20 "
      "AutohintingMinVWidth=20 AutohintingMaxHWidth=200 AutohintingMaxVWidth=200 "
      "AutohintingHRatio=1.00 AutohintingVRatio=1.00 AutohintingRemoveHints=0 OverlapMode=2 "
      "SnapStyle=327761 PaintStyle=15 EditGridX=100 EditGridY=100 DuplicateX=100 DuplicateY=100 "
      "PaintAutoTransform=0");
  for (std::string pair; pairs >> pair;)
    defaults[pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
  EXPECT_EQ(sectionInFile("Options"), defaults);
}

TEST_F(OptionsDefaults, UnstoredFieldsStartWithTheirFixedValues) {
  Options options;
  EXPECT_EQ(options.brushWidth, 40);
  // A unit vector, 3 across for 2 up.
  EXPECT_NEAR(std::hypot(options.brushDirection.x, options.brushDirection.y), 1.0, 1e-12);
  EXPECT_NEAR(options.brushDirection.x * 2, options.brushDirection.y * 3, 1e-12);
  EXPECT_GT(options.brushDirection.x, 0);
  EXPECT_EQ(options.toolModes, (std::array<int32_t, 12>{2, 3, 3, 1, 3, 0, 300, 0, 0, 1, 2, 3}));
}

TEST_F(OptionsDefaults, MissingKeysKeepTheCurrentValues) {
  test::writeFile(file_, "[General]\nFitAscender=1\n[Options]\nEditGridX=7\n");
  Options options;
  options.fitAscender = 1000;
  options.autohintingVRatio = 3.5;
  options.duplicateY = -4;
  loadOptions(options, IniFileProfile(file_));
  EXPECT_EQ(options.editGridX, 7);
  EXPECT_EQ(options.fitAscender, 1000);
  EXPECT_EQ(options.autohintingVRatio, 3.5);
  EXPECT_EQ(options.duplicateY, -4);
}

class OptionsSaving : public OptionsTest {};

TEST_F(OptionsSaving, ValuesSurviveARestart) {
  Options saved;
  saved.autohintingHRatio = 1.25;
  saved.autohintingVRatio = 2.0 / 3.0;
  saved.editGridX = 50;
  saved.editGridY = 25;
  saved.overlapMode = 0xFFFF;
  saved.snapStyle = -1;
  saved.duplicateX = -32768;
  IniFileProfile profile(file_);
  ASSERT_TRUE(saveOptions(saved, profile));
  Options loaded;
  loadOptions(loaded, IniFileProfile(file_));
  EXPECT_EQ(loaded.autohintingHRatio, 1.25);
  EXPECT_EQ(loaded.autohintingVRatio, 0.67);  // two decimals are kept
  EXPECT_EQ(sectionInFile("Options")["AutohintingVRatio"], "0.67");
  EXPECT_EQ(loaded.editGridX, 50);
  EXPECT_EQ(loaded.editGridY, 25);
  EXPECT_EQ(loaded.overlapMode, 0xFFFF);
  EXPECT_EQ(loaded.snapStyle, -1);
  EXPECT_EQ(loaded.duplicateX, -32768);
}

TEST_F(OptionsSaving, HandWrittenContentSurvives) {
  test::writeFile(file_, "; notes\n[Options]\nEditGridX=20\nMine=on\n\n[Unknown]\nAny=thing\n");
  IniFileProfile profile(file_);
  ASSERT_TRUE(saveOptions(Options(), profile));
  std::string text = test::readFile(file_);
  EXPECT_TRUE(text.starts_with("; notes\r\n[Options]\r\nEditGridX=100\r\nMine=on\r\n")) << text;
  EXPECT_TRUE(text.ends_with("\r\n\r\n[Unknown]\r\nAny=thing\r\n")) << text;
  EXPECT_EQ(sectionInFile("Options").size(), 28u);
}

class OptionsFromBadValues : public OptionsTest {};

TEST_F(OptionsFromBadValues, OutOfRangeIntegersAreClampedOrIgnored) {
  Options options = loadedFrom(
      "[Options]\nEditGridX=70000\nEditGridY=-99999\nDuplicateX=32767\nOverlapMode=-1\n"
      "FitAscender=99999999999\nSnapStyle=-4294967296\n");
  EXPECT_EQ(options.editGridX, 32767);
  EXPECT_EQ(options.editGridY, -32768);
  EXPECT_EQ(options.duplicateX, 32767);
  EXPECT_EQ(options.overlapMode, 0);
  EXPECT_EQ(loadedFrom("[Options]\nOverlapMode=65536\n").overlapMode, 65535);
  // Beyond 32 bits the text is not a number of this field at all.
  EXPECT_EQ(options.fitAscender, 900);
  EXPECT_EQ(options.snapStyle, 327761);
}

TEST_F(OptionsFromBadValues, RatiosAreReadAsWrittenAndOnlyNonNumbersKeepTheDefault) {
  EXPECT_EQ(loadedFrom("[Options]\nAutohintingHRatio= +2.50x \n").autohintingHRatio, 2.5);
  // Only the dialog limits the ratios to 0..1000.
  EXPECT_EQ(loadedFrom("[Options]\nAutohintingHRatio=1000.01\n").autohintingHRatio, 1000.01);
  EXPECT_EQ(loadedFrom("[Options]\nAutohintingVRatio=-0.5\n").autohintingVRatio, -0.5);
  for (const char* text : {"", "abc", "1e400", "nan", "inf", ",5"}) {
    EXPECT_EQ(loadedFrom("[Options]\nAutohintingHRatio=" + std::string(text)).autohintingHRatio,
              1.0)
        << text;
  }
}

class ActionBarFlag : public OptionsTest {};

TEST_F(ActionBarFlag, HiddenUntilSavedAsShown) {
  IniFileProfile profile(file_);
  EXPECT_FALSE(loadActionBarShown(profile));
  ASSERT_TRUE(saveActionBarShown(profile, true));
  EXPECT_TRUE(loadActionBarShown(IniFileProfile(file_)));
  EXPECT_EQ(sectionInFile("General")["ActionBarShown"], "1");
  ASSERT_TRUE(saveActionBarShown(profile, false));
  EXPECT_FALSE(loadActionBarShown(IniFileProfile(file_)));
}

}  // namespace
}  // namespace sorvella
