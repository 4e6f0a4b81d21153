// Where a window stood when it was closed, kept in the settings file under a prefix per window
// so that it opens there again; plain data for the GUI to apply.
#pragma once

#include <string_view>

#include "platform/profile.h"

namespace sorvella {

inline constexpr char kGlyphEditPrefix[] = "GlyphEdit";
inline constexpr char kFontChartPrefix[] = "FontChart";
inline constexpr char kCharsChartPrefix[] = "CharsChart";
inline constexpr char kUnplacedChartPrefix[] = "UnplacedChart";
inline constexpr char kCMapChartPrefix[] = "CMapChart";
inline constexpr char kCMapSamplePrefix[] = "CMapSample";
inline constexpr char kCMapAerialPrefix[] = "CMapAerial";

// Show states as stored; any other value is a normal window.
inline constexpr int kNormalState = 1;
inline constexpr int kMinimizedState = 2;
inline constexpr int kMaximizedState = 3;
inline constexpr int kMinimizedInactiveState = 6;

struct WindowPlacement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int state = kNormalState;
  bool visible = false;
};

// The groups of a placement that are restored or saved together.
enum WindowPlacementGroup : unsigned {
  kWindowPosition = 1,      // prefix + "X", "Y"
  kWindowSize = 2,          // prefix + "Width", "Height"
  kWindowStateAndShow = 4,  // prefix + "State", "Visible"
  kWindowAllGroups = 7,
};

bool isMaximizedState(int state);
bool isMinimizedState(int state);

// Overwrites the requested groups from the profile. Position and size are taken only when the
// stored rectangle is not empty (width and height above 0), so a window never saved keeps the
// placement it was made with. A missing state means normal; a missing visibility keeps the
// one passed in, the window's initial visibility.
void restoreWindow(const Profile& profile, std::string_view section, std::string_view prefix,
                   unsigned groups, WindowPlacement& placement);
// Writes the keys of the requested groups in one change.
bool saveWindow(Profile& profile, std::string_view section, std::string_view prefix,
                unsigned groups, const WindowPlacement& placement);

}  // namespace sorvella
