// Small CMap texts for the tests, wrapped in the lines every CMap resource has, and a
// shortcut that reads one from memory.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "cmap/code_map.h"

namespace sorvella::test {

// A CMap resource around the given body, with LF line ends as hand-written files have them.
inline std::string cmapText(std::string_view body, std::string_view name = "Test-H") {
  return "%!PS-Adobe-3.0 Resource-CMap\n/CIDInit /ProcSet findresource begin\n12 dict begin\n"
         "begincmap\n/CMapName /" +
         std::string(name) + " def\n" + std::string(body) +
         "\nendcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

inline bool readCMapText(CCodeMap& cmap, std::string_view text) {
  return cmap.ReadBytes(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace sorvella::test
