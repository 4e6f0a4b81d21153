// Where files the user makes at run time go (built templates): the program's folder under
// the XDG data folder, since the installed data folder is read-only.
#pragma once

#include <filesystem>

namespace sorvella {

// $XDG_DATA_HOME/sorvella, with $HOME/.local/share standing in when XDG_DATA_HOME is unset,
// empty or relative; empty when neither gives a place.
std::filesystem::path userDataFolder();

}  // namespace sorvella
