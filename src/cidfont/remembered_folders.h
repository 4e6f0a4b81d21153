// The folders the file dialogs last used, one per dialog, kept in section "Directories" so
// that each dialog opens where the user left it.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/profile.h"

namespace sorvella {

inline constexpr char kDirectoriesSection[] = "Directories";

inline constexpr char kOpenFolderKey[] = "Open";
inline constexpr char kImportFolderKey[] = "Import";
inline constexpr char kImportFromFolderKey[] = "ImportFrom";
inline constexpr char kAddBaseFontFolderKey[] = "AddBaseFont";
inline constexpr char kMapFolderKey[] = "Map";
inline constexpr char kEpsFolderKey[] = "EPSfiles";

// The folder as stored, ending with a separator; empty when none is stored, and then the
// dialog uses its own default.
std::filesystem::path getFolder(const Profile& profile, std::string_view key);
// Stores the folder with a trailing separator; an empty path clears the entry.
bool setFolder(Profile& profile, std::string_view key, const std::filesystem::path& folder);

}  // namespace sorvella
