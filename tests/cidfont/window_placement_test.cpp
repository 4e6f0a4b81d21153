#include "cidfont/window_placement.h"

#include <gtest/gtest.h>

#include "platform/ini_file_profile.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

constexpr unsigned kPosition = 1;
constexpr unsigned kSize = 2;
constexpr unsigned kState = 4;

constexpr WindowPlacement kInitial{11, 22, 333, 444, 1, true};

constexpr char kStoredChart[] =
    "[General]\nFontChartX=100\nFontChartY=-20\nFontChartWidth=640\nFontChartHeight=480\n"
    "FontChartState=3\nFontChartVisible=0\n";

class WindowPlacementTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::filesystem::path file_ = folder_ / "sorvella.ini";

  WindowPlacement restored(std::string_view fileText, std::string_view prefix, unsigned groups,
                           WindowPlacement placement = kInitial) {
    test::writeFile(file_, fileText);
    restoreWindow(IniFileProfile(file_), "General", prefix, groups, placement);
    return placement;
  }
};

class WindowRestoring : public WindowPlacementTest {};

TEST_F(WindowRestoring, EachGroupTakesOnlyItsOwnKeys) {
  WindowPlacement all = restored(kStoredChart, "FontChart", kPosition | kSize | kState);
  EXPECT_EQ((std::array{all.x, all.y, all.width, all.height, all.state}),
            (std::array{100, -20, 640, 480, 3}));
  EXPECT_FALSE(all.visible);
  WindowPlacement position = restored(kStoredChart, "FontChart", kPosition);
  EXPECT_EQ((std::array{position.x, position.y, position.width, position.height, position.state}),
            (std::array{100, -20, 333, 444, 1}));
  WindowPlacement size = restored(kStoredChart, "FontChart", kSize);
  EXPECT_EQ((std::array{size.x, size.y, size.width, size.height, size.state}),
            (std::array{11, 22, 640, 480, 1}));
  WindowPlacement state = restored(kStoredChart, "FontChart", kState);
  EXPECT_EQ((std::array{state.x, state.y, state.width, state.height, state.state}),
            (std::array{11, 22, 333, 444, 3}));
  EXPECT_FALSE(state.visible);
}

TEST_F(WindowRestoring, EmptyStoredRectangleIsNotApplied) {
  for (const char* size : {"Width=0\nHeight=480\n", "Width=640\nHeight=0\n",
                           "Width=-640\nHeight=480\n", "Width=640\n"}) {
    WindowPlacement p =
        restored("[General]\nX=5\nY=6\n" + std::string(size), "", kPosition | kSize);
    EXPECT_EQ((std::array{p.x, p.y, p.width, p.height}), (std::array{11, 22, 333, 444})) << size;
  }
}

TEST_F(WindowRestoring, MissingStateIsNormalAndMissingVisibilityKeepsTheInitialOne) {
  WindowPlacement hidden{0, 0, 0, 0, 3, false};
  WindowPlacement p = restored("[General]\nCMapAerialX=1\n", "CMapAerial", kState, hidden);
  EXPECT_EQ(p.state, 1);
  EXPECT_FALSE(p.visible);
  EXPECT_TRUE(restored("[General]\n", "CMapAerial", kState, kInitial).visible);
}

class WindowSaving : public WindowPlacementTest {};

TEST_F(WindowSaving, WritesOnlyTheRequestedGroups) {
  WindowPlacement p{11, 22, 333, 444, 2, false};
  IniFileProfile profile(file_);
  ASSERT_TRUE(saveWindow(profile, "General", "CMapSample", kSize | kState, p));
  ASSERT_TRUE(saveWindow(profile, "General", "", kPosition, p));
  EXPECT_EQ(test::readFile(file_),
            "[General]\r\nCMapSampleWidth=333\r\nCMapSampleHeight=444\r\nCMapSampleState=2\r\n"
            "CMapSampleVisible=0\r\nX=11\r\nY=22\r\n");
}

TEST_F(WindowSaving, ChartClosedMinimizedOpensMinimized) {
  IniFileProfile profile(file_);
  ASSERT_TRUE(saveWindow(profile, "General", kCharsChartPrefix, kPosition | kSize | kState,
                         WindowPlacement{-300, 40, 800, 600, 6, true}));
  WindowPlacement opened;
  restoreWindow(IniFileProfile(file_), "General", kCharsChartPrefix, kPosition | kSize | kState,
                opened);
  EXPECT_EQ((std::array{opened.x, opened.y, opened.width, opened.height}),
            (std::array{-300, 40, 800, 600}));
  EXPECT_TRUE(isMinimizedState(opened.state));
  EXPECT_TRUE(opened.visible);
}

class WindowStates : public ::testing::Test {};

TEST_F(WindowStates, ThreeIsMaximizedTwoAndSixAreMinimized) {
  EXPECT_TRUE(isMaximizedState(3));
  EXPECT_TRUE(isMinimizedState(2));
  EXPECT_TRUE(isMinimizedState(6));
  for (int other : {-1, 0, 1, 4, 5, 7}) {
    EXPECT_FALSE(isMaximizedState(other) || isMinimizedState(other)) << other;
  }
  EXPECT_FALSE(isMaximizedState(2) || isMaximizedState(6) || isMinimizedState(3));
}

}  // namespace
}  // namespace sorvella
