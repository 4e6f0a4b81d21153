// The CMap writer: the text of a CMap resource file in the published Adobe CMap format, which
// the CMap reader takes back to the same header and code table.
#pragma once

#include <string>
#include <string_view>

#include "cmap/code_map.h"

namespace sorvella {

// At most this many entries stand in one begin...end section.
inline constexpr int kCMapSectionLimit = 100;

// The whole file, lines ending with CR LF. A based CMap with a base table lists only the
// codes whose CIDs differ from the base's.
std::string CMapResourceText(const CCodeMap& cmap);

// The first header field that the file could not carry as it is, so that reading it back
// would give another text ("CMapName", "Registry", "Ordering", "base CMap name"); empty when
// every field can be written. Save refuses such a CMap.
std::string_view unwritableHeaderField(const CCodeMap& cmap);

}  // namespace sorvella
