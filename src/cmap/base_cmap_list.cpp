#include "cmap/base_cmap_list.h"

#include <algorithm>

#include "postscript/keyword_table.h"

namespace sorvella {

namespace fs = std::filesystem;

std::string folderText(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  if (separator != std::string::npos) return path.substr(0, separator == 0 ? 1 : separator);
  const std::size_t colon = path.find(':');
  if (colon != std::string::npos) return path.substr(0, colon + 1);
  // A bare name is looked for in the current folder.
  std::error_code error;
  return fs::current_path(error).string();
}

BaseCMapList listBaseCMaps(CCodeMap& cmap, const fs::path& programFile) {
  const fs::path searched = cmap.filePath.empty() ? programFile : cmap.filePath;
  BaseCMapList list;
  list.folderText = folderText(searched.string());
  cmap.FindBaseFiles(false, searched, [&list](const fs::path& file, const std::string& name) {
    const bool known = std::any_of(
        list.candidates.begin(), list.candidates.end(),
        [&name](const BaseCMapCandidate& c) { return equalsIgnoringAsciiCase(c.name, name); });
    if (!known) list.candidates.push_back({name, file});
    return list.candidates.size() >= kMaxBaseCMapCandidates;
  });
  return list;
}

bool baseCMapOn(CCodeMap& cmap, const BaseCMapCandidate& choice) {
  cmap.baseName = choice.name;
  cmap.basePath = choice.file;
  if (!cmap.LoadBase()) return false;
  cmap.ApplyBase();
  return true;
}

}  // namespace sorvella
