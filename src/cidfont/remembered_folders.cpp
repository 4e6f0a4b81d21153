#include "cidfont/remembered_folders.h"

#include <string>

namespace sorvella {

std::filesystem::path getFolder(const Profile& profile, std::string_view key) {
  return std::filesystem::path(profile.getString(kDirectoriesSection, key));
}

bool setFolder(Profile& profile, std::string_view key, const std::filesystem::path& folder) {
  constexpr char kSeparator = std::filesystem::path::preferred_separator;
  std::string text = folder.string();
  if (!text.empty() && text.back() != kSeparator) text += kSeparator;
  return profile.writeString(kDirectoriesSection, key, text);
}

}  // namespace sorvella
