// fontTools run by the system's Python for the font dictionaries of Type 1 fonts; tx's metrics
// are read by tx_metrics.h.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/peer_tool.h"

namespace sorvella::test {

// What fontTools' t1Lib reads from a Type 1 font's dictionaries.
struct PeerType1Font {
  std::string fontName;
  std::string fullName;
  std::string familyName;
  std::string weight;
  double italicAngle = 0;
  int isFixedPitch = 0;
  int underlinePosition = 0;
  int underlineThickness = 0;
  std::vector<int> blueValues;
  std::vector<std::string> glyphNames;  // in the order of the CharStrings dictionary
};

// Path (as given) -> font; fonts fontTools could not read are missing.
std::map<std::string, PeerType1Font> fontToolsType1Fonts(
    const std::vector<std::filesystem::path>& fonts);

}  // namespace sorvella::test
