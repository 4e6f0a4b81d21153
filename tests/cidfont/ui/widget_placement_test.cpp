// Window placement through real widgets: what a closing window stores and how the next one
// opens from it.
#include "cidfont/ui/widget_placement.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "platform/ini_file_profile.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

class WidgetPlacementTest : public ::testing::Test {
 protected:
  // Stores `window` under "CharsChart" and opens a new window from it.
  WindowPlacement reopen(const QWidget& window, QWidget& next) {
    EXPECT_TRUE(saveWidgetPlacement(window, profile_, kCharsChartPrefix));
    WindowPlacement placement = restoreWidgetPlacement(next, profile_, kCharsChartPrefix, true);
    showAsPlaced(next, placement);
    return placement;
  }

  test::TempFolder temp_;
  IniFileProfile profile_{temp_ / "sorvella.ini"};
};

TEST_F(WidgetPlacementTest, AMinimizedWindowOpensMinimizedWithItsNormalRectangle) {
  QWidget window;
  window.setGeometry(40, 50, 300, 200);
  window.show();
  window.showMinimized();
  QWidget next;
  WindowPlacement placement = reopen(window, next);
  EXPECT_EQ(profile_.getInt("General", "CharsChartState", 0), 2);
  EXPECT_TRUE(isMinimizedState(placement.state));
  EXPECT_TRUE(next.isMinimized());
  EXPECT_EQ(next.normalGeometry().size(), QSize(300, 200));
}

TEST_F(WidgetPlacementTest, AMaximizedWindowOpensMaximized) {
  QWidget window;
  window.setGeometry(40, 50, 300, 200);
  window.showMaximized();
  QWidget next;
  reopen(window, next);
  EXPECT_EQ(profile_.getInt("General", "CharsChartState", 0), 3);
  EXPECT_TRUE(next.isMaximized());
}

TEST_F(WidgetPlacementTest, AHiddenWindowStaysHiddenAndANeverSavedOneKeepsItsRectangle) {
  QWidget window;
  window.setGeometry(60, 70, 320, 240);
  QWidget next;
  reopen(window, next);
  EXPECT_EQ(profile_.getInt("General", "CharsChartVisible", 1), 0);
  EXPECT_FALSE(next.isVisible());
  EXPECT_EQ(next.geometry(), QRect(60, 70, 320, 240));

  QWidget fresh;
  fresh.setGeometry(1, 2, 330, 250);
  WindowPlacement none = restoreWidgetPlacement(fresh, profile_, kFontChartPrefix, true);
  EXPECT_TRUE(none.visible);
  EXPECT_EQ(fresh.geometry(), QRect(1, 2, 330, 250));
}

}  // namespace
}  // namespace sorvella
