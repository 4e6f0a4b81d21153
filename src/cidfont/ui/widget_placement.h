// A window's placement (rectangle, show state, visibility) taken from and stored in section
// "General" of the settings under the window's prefix, for the main window and every tool
// window.
#pragma once

#include <string_view>

#include "cidfont/window_placement.h"
#include "platform/profile.h"

class QWidget;

namespace sorvella {

// Moves and sizes the window as stored (a stored empty rectangle leaves it as it is) and
// returns the whole placement; `visible` is the window's initial visibility.
WindowPlacement restoreWidgetPlacement(QWidget& window, const Profile& profile,
                                       std::string_view prefix, bool visible,
                                       unsigned groups = kWindowAllGroups);
// Shows the window maximized, minimized or normal as the state says; hides it when the
// placement is not visible.
void showAsPlaced(QWidget& window, const WindowPlacement& placement);
// Stores the window's normal rectangle, its state and its visibility.
bool saveWidgetPlacement(const QWidget& window, Profile& profile, std::string_view prefix,
                         unsigned groups = kWindowAllGroups);

}  // namespace sorvella
