// What reading a Type 1 font learns beyond what a subset font keeps: the weight class, the
// ForceBoldThreshold, the names of the charstring procedures and Multiple Master design data.
#pragma once

#include <string>
#include <vector>

namespace sorvella {

// One point of an axis's design map.
struct DesignMapPoint {
  double design = 0;
  double normalized = 0;
  friend bool operator==(const DesignMapPoint&, const DesignMapPoint&) = default;
};

struct Type1FontFacts {
  int weightClass = -1;  // position of Weight in the weight names, or -1
  double forceBoldThreshold = 0;
  // The name of each pair the font defines ("RD" or "-|", "ND" or "|-", "NP" or "|"); empty
  // when it defines neither.
  std::string readDataName;
  std::string definitionEndName;
  std::string putName;

  // Multiple Master design data; all empty for an ordinary font.
  int axisCount = 0;
  std::vector<std::vector<double>> designPositions;     // per master, one value per axis
  std::vector<std::string> axisTypes;                   // in axis order
  std::vector<std::vector<DesignMapPoint>> designMaps;  // per axis
  std::vector<double> weightVector;                     // per master
};

}  // namespace sorvella
