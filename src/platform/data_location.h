// Where the program's data folder is (encoding files, "Samples", "Template"): named by
// SORVELLA_DATA, or beside the executable, in its installed share folder or the source tree.
#pragma once

#include <filesystem>
#include <vector>

namespace sorvella {

inline constexpr char kDataFolderVariable[] = "SORVELLA_DATA";

// The running program's file, from /proc/self/exe; empty when it cannot be found.
std::filesystem::path executablePath();

// The folders tried for a program at `executable`, in order: <folder>/data,
// <folder>/../share/sorvella, and the source tree's data folder when the build knows it.
std::vector<std::filesystem::path> dataFolderCandidates(const std::filesystem::path& executable);

// SORVELLA_DATA when set and not empty (as given, even when missing); otherwise the first
// candidate that is a folder; empty when there is none.
std::filesystem::path dataFolder(const std::filesystem::path& executable);

// The same for the running program.
std::filesystem::path dataFolder();

}  // namespace sorvella
