// The autohinter's parameters: edge lengths, stem width limits and width-to-length ratios per
// direction, and whether existing hints go first. The defaults are the options record's.
#pragma once

#include <cstdint>

namespace sorvella {

struct AutohintParameters {
  int32_t minHLength = 70;  // least total length of a horizontal edge
  int32_t minVLength = 70;
  int32_t minHWidth = 20;  // width range of a horizontal stem
  int32_t maxHWidth = 200;
  int32_t minVWidth = 20;
  int32_t maxVWidth = 200;
  double hRatio = 1.0;  // largest width-to-length quotient of a horizontal stem
  double vRatio = 1.0;
  bool removeHints = false;  // empty the hint lists and the program first
};

}  // namespace sorvella
