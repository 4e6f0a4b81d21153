// Where the settings file lives: the path the user names in SORVELLA_INI, or else the
// program's folder under the XDG configuration folder.
#pragma once

#include <filesystem>

namespace sorvella {

inline constexpr char kSettingsFileVariable[] = "SORVELLA_INI";

// SORVELLA_INI when set and not empty; otherwise $XDG_CONFIG_HOME/sorvella/sorvella.ini, with
// $HOME/.config standing in when XDG_CONFIG_HOME is unset, empty or relative. An empty path
// when neither variable gives a place (no HOME either).
std::filesystem::path settingsFilePath();

}  // namespace sorvella
