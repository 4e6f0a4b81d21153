// The font tools tests compare with: AFDKO's tx for glyph metrics, and fontTools run by the
// system's Python for the font dictionaries of Type 1 fonts.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "glyph/geometry.h"
#include "support/peer_tool.h"

namespace sorvella::test {

// Standard output of a shell command; "" when it cannot be started.
std::string commandOutput(const std::string& command);

struct PeerGlyphMetrics {
  int width = 0;
  Box box;  // (0, 0, 0, 0) for a glyph without outline, as tx writes it
};

// Glyph name -> metrics, from `tx -mtx`.
std::map<std::string, PeerGlyphMetrics> txMetrics(const std::filesystem::path& font);

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
