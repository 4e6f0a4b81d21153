// The "Base CMap files" dialog without its widgets: the list of CMaps the current CMap can be
// based on, the folder they were looked for in, and basing on the one chosen.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cmap/code_map.h"

namespace sorvella {

inline constexpr const char* kBaseCMapFilesTitle = "Base CMap files";
inline constexpr const char* kAvailableCMapFilesLabel = "Available CMap files:";
inline constexpr const char* kAdditionalCMapFilesLabel =
    "If you want to look for additional CMap files, find them and copy to following directory:";
inline constexpr std::size_t kMaxBaseCMapCandidates = 100;

struct BaseCMapCandidate {
  std::string name;
  std::filesystem::path file;
};

struct BaseCMapList {
  std::vector<BaseCMapCandidate> candidates;  // each CMapName once, at most 100
  std::string folderText;                     // the folder searched, as shown under the list
  bool okEnabled() const { return !candidates.empty(); }
};

// Searches the folder of the CMap's file or, for a CMap without one, the program's folder.
BaseCMapList listBaseCMaps(CCodeMap& cmap, const std::filesystem::path& programFile);

// OK: the CMap becomes based on the choice and takes the base's mappings beneath its own.
// False when the base file cannot be read; the CMap is based by name then, without a table.
bool baseCMapOn(CCodeMap& cmap, const BaseCMapCandidate& choice);

// The path up to its last separator, or up to and including a drive colon.
std::string folderText(const std::string& path);

}  // namespace sorvella
