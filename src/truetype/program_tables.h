// The hinting tables kept as they are: control values (`cvt `) as 16-bit values, the font
// program (`fpgm`) and the control value program (`prep`) as bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "truetype/tt_table.h"

namespace sorvella {

class cvtTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kCvt;
  using TTF_TABLE::TTF_TABLE;
  const std::vector<int16_t>& values() const { return values_; }

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  std::vector<int16_t> values_;
};

class TTProgramTable : public TTF_TABLE {
 public:
  using TTF_TABLE::TTF_TABLE;
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 protected:
  void readBody(std::span<const uint8_t> body) override { bytes_.assign(body.begin(), body.end()); }

 private:
  std::vector<uint8_t> bytes_;
};

class fpgmTABLE : public TTProgramTable {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kFpgm;
  using TTProgramTable::TTProgramTable;
};

class prepTABLE : public TTProgramTable {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kPrep;
  using TTProgramTable::TTProgramTable;
};

}  // namespace sorvella
