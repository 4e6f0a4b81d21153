// What the overlap engine is asked to do (the bits of the OverlapMode option) and the result
// codes of a run: 0 for success, otherwise the code of the failure that stopped it.
#pragma once

#include <cstdint>

namespace sorvella {

namespace overlap_mode {
// Set: even-odd by nesting depth ("ATM fill mode"); clear: non-zero winding.
constexpr uint16_t kAtmFill = 0x0001;
// Every kept contour gets the direction its nesting requires.
constexpr uint16_t kCorrectOrientation = 0x0002;
// With non-zero winding: only area wound counter-clockwise is filled, so that loops an inward
// offset turns inside out drop away instead of filling (not an option of the user's).
constexpr uint16_t kPositiveFill = 0x0004;
}  // namespace overlap_mode

enum class OverlapStatus : int32_t {
  kOk = 0,
  kOutOfMemory = 10001,
  // Crossings were still found after the last intersection pass.
  kUnresolvedCrossings = 10002,
  // The run needed more steps than any outline of a glyph does (hostile input).
  kTooComplex = 10003,
  // Remove overlap works on outlines of one master only.
  kSeveralMasters = 10004,
  kTableLimit = 10005,
};

inline int32_t overlapCode(OverlapStatus status) {
  return static_cast<int32_t>(status);
}

}  // namespace sorvella
