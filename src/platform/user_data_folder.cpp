#include "platform/user_data_folder.h"

#include <cstdlib>

namespace sorvella {

std::filesystem::path userDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  std::filesystem::path folder(data ? data : "");
  // The XDG rules say a relative value is invalid and is to be ignored.
  if (folder.empty() || folder.is_relative()) {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    folder = std::filesystem::path(home) / ".local" / "share";
  }
  return folder / "sorvella";
}

}  // namespace sorvella
