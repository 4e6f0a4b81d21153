#include "cidfont/window_placement.h"

#include <string>
#include <vector>

namespace sorvella {
namespace {

std::string keyOf(std::string_view prefix, std::string_view name) {
  std::string key(prefix);
  key += name;
  return key;
}

}  // namespace

bool isMaximizedState(int state) {
  return state == kMaximizedState;
}

bool isMinimizedState(int state) {
  return state == kMinimizedState || state == kMinimizedInactiveState;
}

void restoreWindow(const Profile& profile, std::string_view section, std::string_view prefix,
                   unsigned groups, WindowPlacement& placement) {
  auto read = [&](std::string_view name, int fallback) {
    return profile.getInt(section, keyOf(prefix, name), fallback);
  };
  if (groups & (kWindowPosition | kWindowSize)) {
    const int x = read("X", placement.x);
    const int y = read("Y", placement.y);
    const int width = read("Width", 0);
    const int height = read("Height", 0);
    if (width > 0 && height > 0) {
      if (groups & kWindowPosition) {
        placement.x = x;
        placement.y = y;
      }
      if (groups & kWindowSize) {
        placement.width = width;
        placement.height = height;
      }
    }
  }
  if (groups & kWindowStateAndShow) {
    placement.state = read("State", kNormalState);
    placement.visible = read("Visible", placement.visible ? 1 : 0) != 0;
  }
}

bool saveWindow(Profile& profile, std::string_view section, std::string_view prefix,
                unsigned groups, const WindowPlacement& placement) {
  std::vector<ProfileEntry> entries;
  auto add = [&](std::string_view name, int value) {
    entries.push_back({keyOf(prefix, name), std::to_string(value)});
  };
  if (groups & kWindowPosition) {
    add("X", placement.x);
    add("Y", placement.y);
  }
  if (groups & kWindowSize) {
    add("Width", placement.width);
    add("Height", placement.height);
  }
  if (groups & kWindowStateAndShow) {
    add("State", placement.state);
    add("Visible", placement.visible ? 1 : 0);
  }
  if (entries.empty()) return true;
  return profile.write(section, entries);
}

}  // namespace sorvella
