// The kerning table: its subtables, of which format 0 gives pairs of glyphs with a value
// (both the Windows layout, version 0, and the Macintosh one, version 1.0, are read).
#pragma once

#include <cstdint>
#include <vector>

#include "truetype/tt_table.h"

namespace sorvella {

struct TTKernPair {
  uint16_t left = 0;
  uint16_t right = 0;
  int16_t value = 0;
  friend bool operator==(const TTKernPair&, const TTKernPair&) = default;
};

class TTkernSubtable : public TTObject {
 public:
  const char* typeName() const override { return "type_TTkernSubtable"; }

  uint16_t version = 0;
  uint32_t length = 0;
  uint16_t coverage = 0;
  uint8_t format = 0;
  std::vector<TTKernPair> pairs;  // format 0 only
};

class kernTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kKern;
  using TTF_TABLE::TTF_TABLE;

  uint32_t version() const { return version_; }
  const std::vector<TTkernSubtable>& subtables() const { return subtables_; }

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  uint32_t version_ = 0;
  std::vector<TTkernSubtable> subtables_;
};

}  // namespace sorvella
