// The naming table: every name record with its text, platform 3 records converted from
// UTF-16 to Windows-1252, the others taken as 8-bit text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "truetype/tt_table.h"

namespace sorvella {

class TTNameRecord : public TTObject {
 public:
  const char* typeName() const override { return "type_TTNameRecord"; }

  uint16_t platform = 0;
  uint16_t encoding = 0;
  uint16_t language = 0;
  uint16_t nameId = 0;
  // The bytes as stored, inside the font's file; records may share them, so the text is made
  // only when asked for.
  std::span<const uint8_t> raw;
  // Windows-1252: converted from UTF-16 for platform 3, the bytes themselves otherwise.
  std::string text() const;
};

class nameTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kName;
  using TTF_TABLE::TTF_TABLE;

  uint16_t format() const { return format_; }
  uint16_t stringOffset() const { return stringOffset_; }
  // Records whose text lies outside the table are left out (the table is then damaged).
  const std::vector<TTNameRecord>& records() const { return records_; }

  // The text of the record matching all four values; empty when there is none.
  std::string NameExact(uint16_t platform, uint16_t encoding, uint16_t language,
                        uint16_t nameId) const;
  // The text of the first record, in table order, with this name id and platform.
  std::string NameFirst(uint16_t nameId, uint16_t platform) const;

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  uint16_t format_ = 0;
  uint16_t stringOffset_ = 0;
  std::vector<TTNameRecord> records_;
};

}  // namespace sorvella
