// The "CMap Header" dialog without its widgets: the CMap's header as the dialog's fields show
// and take it, and its "Base CMap on..." and "De-base" buttons.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cmap/base_cmap_list.h"
#include "cmap/code_map.h"

namespace sorvella {

inline constexpr const char* kCMapHeaderTitle = "CMap Header";
inline constexpr const char* kBaseCMapOnCaption = "Base CMap on...";
inline constexpr const char* kDebaseCaption = "De-base";
inline constexpr double kMaxCMapVersion = 1e40;

struct CMapHeaderFields {
  std::string name;        // "Name:"
  double version = 0.0;    // "Version:", 0 to 1e40
  int32_t supplement = 0;  // "Supplement:"
  int32_t uidOffset = -1;  // "UID Offset:"
  std::string xuid;        // "XUID:", the values separated by spaces, commas or semicolons
  std::string registry;    // "Registry:"
  std::string ordering;    // "Ordering:"
  bool vertical = false;   // "Writing mode:" "Horizontal" / "Vertical"
  std::string notice;      // "Notice:"
  std::string basedOn;     // "Based on:"
  std::string fromFile;    // "From file:"

  bool debaseEnabled() const { return !basedOn.empty(); }
};

CMapHeaderFields headerFields(const CCodeMap& cmap);

bool isAcceptedCMapVersion(double version);

// OK: stores every field into the CMap; false, storing nothing, when the version is refused.
bool storeHeaderFields(const CMapHeaderFields& fields, CCodeMap& cmap);

// The values separated by single spaces.
std::string xuidText(const CCodeMap& cmap);
// Splits at spaces, commas and semicolons and reads each piece as an unsigned decimal number,
// keeping at most 20 values; returns how many were kept.
int32_t parseXuidText(std::string_view text, std::array<int32_t, CCodeMap::kMaxXuid>& values);

// The two buttons act on the CMap at once (Cancel does not undo them) and show the result.
bool baseFromHeader(CCodeMap& cmap, const BaseCMapCandidate& choice, CMapHeaderFields& fields);
void debaseFromHeader(CCodeMap& cmap, CMapHeaderFields& fields);

}  // namespace sorvella
