// The editing options the whole program shares, loaded from and saved to section "Options" of
// the settings file, and the program-wide flags of section "General".
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "platform/profile.h"

namespace sorvella {

inline constexpr char kOptionsSection[] = "Options";
inline constexpr char kGeneralSection[] = "General";

struct Options {
  // Stored in section "Options".
  int32_t fitAscender = 900;
  int32_t fitDescender = -200;
  int32_t fontChartCellW = 40;
  int32_t fontChartCellH = 50;
  int32_t eraseSize = 5;
  int32_t closepathArrowLen = 8;
  int32_t defaultGlyph = 65;
  int32_t autoMetricsLeft = 30;
  int32_t autoMetricsRight = 30;
  int32_t autoMetricsClose = 10;
  int32_t autohintingMinHLen = 70;
  int32_t autohintingMinVLen = 70;
  int32_t autohintingMinHWidth = 20;
  int32_t autohintingMinVWidth = 20;
  int32_t autohintingMaxHWidth = 200;
  int32_t autohintingMaxVWidth = 200;
  double autohintingHRatio = 1.0;
  double autohintingVRatio = 1.0;
  int32_t autohintingRemoveHints = 0;
  uint16_t overlapMode = 2;
  int32_t snapStyle = 0x50051;
  int32_t paintStyle = 15;
  int16_t editGridX = 100;
  int16_t editGridY = 100;
  int16_t duplicateX = 100;
  int16_t duplicateY = 100;
  int32_t paintAutoTransform = 0;

  // Not stored: every start begins with these.
  int32_t brushWidth = 40;
  struct Direction {
    double x;
    double y;
  };
  Direction brushDirection{3 / std::sqrt(13.0), 2 / std::sqrt(13.0)};  // the direction 3:2
  // Counters and modes of the glyph editor's tools; their meaning belongs to the editor.
  std::array<int32_t, 12> toolModes{2, 3, 3, 1, 3, 0, 300, 0, 0, 1, 2, 3};
};

// What the options dialog accepts for the aspect ratios; the file is read as written.
inline constexpr double kMinAutohintingRatio = 0;
inline constexpr double kMaxAutohintingRatio = 1000;

// Overwrites each field whose key is present; a missing or unreadable value keeps the field
// as it is. Values beyond a 16-bit field's range are clamped to it.
void loadOptions(Options& options, const Profile& profile);
// Writes every key of section "Options" in one change; false when it could not be stored.
bool saveOptions(const Options& options, Profile& profile);

// Whether the glyph window shows its action bar ("ActionBarShown", default off).
bool loadActionBarShown(const Profile& profile);
bool saveActionBarShown(Profile& profile, bool shown);

}  // namespace sorvella
