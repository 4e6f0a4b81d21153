#include "cidfont/autohint_settings.h"

namespace sorvella {

AutohintParameters autohintParameters(const Options& options) {
  AutohintParameters p;
  p.minHLength = options.autohintingMinHLen;
  p.minVLength = options.autohintingMinVLen;
  p.minHWidth = options.autohintingMinHWidth;
  p.maxHWidth = options.autohintingMaxHWidth;
  p.minVWidth = options.autohintingMinVWidth;
  p.maxVWidth = options.autohintingMaxVWidth;
  p.hRatio = options.autohintingHRatio;
  p.vRatio = options.autohintingVRatio;
  p.removeHints = options.autohintingRemoveHints != 0;
  return p;
}

}  // namespace sorvella
