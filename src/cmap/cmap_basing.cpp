// CCodeMap::FindBaseFiles: the search of a folder for CMap files that can serve as a base.
#include <system_error>

#include "cmap/cmap_resource_probe.h"
#include "cmap/code_map.h"
#include "postscript/keyword_table.h"
#include "postscript/resource_text_scanner.h"

namespace sorvella {

namespace fs = std::filesystem;

bool CCodeMap::FindBaseFiles(bool onlyMatching, const fs::path& folderOfPath,
                             const BaseFileVisitor& visit) {
  if (onlyMatching && !IsBased()) {
    basePath.clear();
    return true;
  }
  fs::path folder = folderOfPath.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) return false;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) return false;
    const fs::path& file = it->path();
    // "*.cmp" as the Windows listing matches it, without regard to case.
    if (!equalsIgnoringAsciiCase(file.extension().string(), ".cmp")) continue;
    if (!it->is_regular_file(error)) continue;
    ResourceTextScanner scanner;
    if (!scanner.open(file)) continue;
    std::optional<std::string> name = baseCMapName(scanner);
    if (!name) continue;
    if (onlyMatching && !equalsIgnoringAsciiCase(*name, baseName)) continue;
    if (visit && visit(file, *name)) return true;
  }
  return false;
}

}  // namespace sorvella
