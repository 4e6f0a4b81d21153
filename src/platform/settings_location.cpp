#include "platform/settings_location.h"

#include <cstdlib>
#include <string_view>

namespace sorvella {
namespace {

std::string_view environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

}  // namespace

std::filesystem::path settingsFilePath() {
  if (std::string_view named = environment(kSettingsFileVariable); !named.empty()) {
    return std::filesystem::path(named);
  }
  std::filesystem::path folder(environment("XDG_CONFIG_HOME"));
  // The XDG rules say a relative value is invalid and is to be ignored.
  if (folder.empty() || folder.is_relative()) {
    std::string_view home = environment("HOME");
    if (home.empty()) return {};
    folder = std::filesystem::path(home) / ".config";
  }
  return folder / "sorvella" / "sorvella.ini";
}

}  // namespace sorvella
