#include "cidfont/ui/widget_placement.h"

#include <QWidget>

#include "cidfont/settings.h"

namespace sorvella {

WindowPlacement restoreWidgetPlacement(QWidget& window, const Profile& profile,
                                       std::string_view prefix, bool visible, unsigned groups) {
  WindowPlacement placement;
  QRect now = window.geometry();
  placement.x = now.x();
  placement.y = now.y();
  placement.width = now.width();
  placement.height = now.height();
  placement.visible = visible;
  restoreWindow(profile, kGeneralSection, prefix, groups, placement);
  if (placement.width > 0 && placement.height > 0)
    window.setGeometry(placement.x, placement.y, placement.width, placement.height);
  return placement;
}

void showAsPlaced(QWidget& window, const WindowPlacement& placement) {
  if (!placement.visible)
    window.hide();
  else if (isMaximizedState(placement.state))
    window.showMaximized();
  else if (isMinimizedState(placement.state))
    window.showMinimized();
  else
    window.showNormal();
}

bool saveWidgetPlacement(const QWidget& window, Profile& profile, std::string_view prefix,
                         unsigned groups) {
  WindowPlacement placement;
  QRect normal =
      window.isMaximized() || window.isMinimized() ? window.normalGeometry() : window.geometry();
  placement.x = normal.x();
  placement.y = normal.y();
  placement.width = normal.width();
  placement.height = normal.height();
  placement.state = window.isMaximized()   ? kMaximizedState
                    : window.isMinimized() ? kMinimizedState
                                           : kNormalState;
  placement.visible = window.isVisible();
  return saveWindow(profile, kGeneralSection, prefix, groups, placement);
}

}  // namespace sorvella
