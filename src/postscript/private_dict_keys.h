// The keys of a Private dictionary that the Type 1 and CIDFont readers take alike, as one
// table of keyword -> field; each reader keeps its own special keys (lenIV, Subrs, ...).
#pragma once

#include <cstdint>
#include <span>

#include "glyph/per_master_block.h"
#include "glyph/subset_font_info.h"

namespace sorvella {

class PSFontReader;

enum class PrivateValueKind {
  kZoneList,   // an integer array with its count: BlueValues, StemSnapH, ...
  kStemWidth,  // an integer array of which the first value is kept: StdHW, StdVW
  kInteger,
  kReal,
  kBoolean,  // stored as 0 or 1
};

struct PrivateDictKey {
  int keyword = 0;  // PSKeyword
  PrivateValueKind kind = PrivateValueKind::kInteger;
  std::span<int32_t> (*list)(PerMasterBlock&) = nullptr;  // kZoneList
  uint16_t ZoneCounts::*count = nullptr;                  // kZoneList
  int32_t PerMasterBlock::*integer = nullptr;             // kStemWidth, kInteger, kBoolean
  double PerMasterBlock::*real = nullptr;                 // kReal
};

// The entry of a keyword, or null when the keyword is none of these keys.
const PrivateDictKey* findPrivateDictKey(int keyword);

// Reads the value after the key (not the `def` after it) into each block of `masters`; a
// zone list also stores its count in `counts`. With no masters the value is read and dropped.
void readPrivateValue(PSFontReader& in, const PrivateDictKey& key,
                      std::span<PerMasterBlock* const> masters, ZoneCounts& counts);

}  // namespace sorvella
