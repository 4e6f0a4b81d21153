#include "platform/data_location.h"

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace sorvella {

namespace fs = std::filesystem;

fs::path executablePath() {
  std::error_code error;
  fs::path path = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : path;
}

std::vector<fs::path> dataFolderCandidates(const fs::path& executable) {
  std::vector<fs::path> candidates;
  if (!executable.empty()) {
    const fs::path folder = executable.parent_path();
    candidates.push_back(folder / "data");
    candidates.push_back(folder.parent_path() / "share" / "sorvella");
  }
#ifdef SORVELLA_SOURCE_DATA_DIR
  candidates.emplace_back(SORVELLA_SOURCE_DATA_DIR);
#endif
  return candidates;
}

fs::path dataFolder(const fs::path& executable) {
  if (const char* named = std::getenv(kDataFolderVariable); named && *named) {
    return fs::path(named);
  }
  for (const fs::path& candidate : dataFolderCandidates(executable)) {
    std::error_code error;
    if (fs::is_directory(candidate, error)) return candidate;
  }
  return {};
}

fs::path dataFolder() {
  return dataFolder(executablePath());
}

}  // namespace sorvella
