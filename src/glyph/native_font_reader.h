// Reading a native font file into a new subset font. The reader keeps the status of its
// last read and hands back a font only when the whole file was read.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

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
};

// A short English sentence for the status, for the batch tool and logs.
const char* nativeFontStatusText(NativeFontStatus status);

class NativeFontReader {
 public:
  // Null unless the status is kOk afterwards. The font's file name is left empty.
  std::unique_ptr<SubsetFont> read(std::span<const uint8_t> bytes);
  NativeFontStatus status() const { return status_; }
  // The slots of the last read whose glyph records could not be read: they are left empty,
  // so that one damaged glyph does not cost the others.
  const std::vector<int32_t>& damagedGlyphs() const { return damagedGlyphs_; }

 private:
  NativeFontStatus status_ = NativeFontStatus::kOk;
  std::vector<int32_t> damagedGlyphs_;
};

}  // namespace sorvella
