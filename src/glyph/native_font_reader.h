// Reading a native font file into a new subset font. The reader keeps the status of its
// last read and hands back a font only when the whole file was read.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "glyph/subset_font.h"

namespace sorvella {

enum class NativeFontStatus : int32_t {
  kOk = 0,
  kCannotOpen = 1,
  kWrongHeader = 2,
  kNoBeginRecords = 3,  // no tag 1 or no tag 4 of length 0
  kTruncated = 4,       // a record or a group cut short
  kMasterCount = 5,     // a master count other than 1
  kTooManyMasterRecords = 6,
  kMissingAxisNames = 7,
  kEmptySlotWithData = 8,
  kBadGlyph = 9,
};

// A short English sentence for the status, for the batch tool and logs.
const char* nativeFontStatusText(NativeFontStatus status);

class NativeFontReader {
 public:
  // Null unless the status is kOk afterwards. The font's file name is left empty.
  std::unique_ptr<SubsetFont> read(std::span<const uint8_t> bytes);
  NativeFontStatus status() const { return status_; }

 private:
  NativeFontStatus status_ = NativeFontStatus::kOk;
};

}  // namespace sorvella
