// The status of a font-program reader, which the Type 1 and CIDFont parsers that read through
// it share: the first problem met is kept; the parsers also mark the normal end.
#pragma once

#include <cstdint>

namespace sorvella {

enum class PSFontStatus : uint16_t {
  kFine = 0,
  kBooleanExpected = 3,  // a value that should be true or false was another word
  kFinished = 10,        // the font program was read to its end
  // Type 1 fonts.
  kEncodingCodeTooLarge = 12,  // a new name at code 256 or above in an encoding array
  kDesignMapNotPairs = 14,
  kAxesUnknown = 15,       // a design map before the design positions
  kWrongMasterCount = 16,  // a per-master value without one element per master
  kBracketExpected = 17,
  // CIDFont resources.
  kTooManyFontDicts = 18,    // more font dictionaries than the /FDArray count (or 50)
  kCidMapOutOfRange = 19,    // a CIDMap offset beyond twice the data length
  kSubrMapOutOfRange = 20,   // a SubrMap offset beyond twice the data length
  kFontDictOutOfRange = 21,  // a CID with a charstring whose FD index is not below the count
  kBadHexDigit = 22,
  kCancelled = 100,
};

// The number messages show for a status.
constexpr unsigned statusNumber(PSFontStatus status) {
  return static_cast<unsigned>(status);
}

}  // namespace sorvella
