// The character-map table: its encoding records and their subtable bodies, each expanded into
// a direct array of 65,536 glyph indices (formats 0, 2, 4 and 6; other formats map nothing).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "truetype/tt_table.h"

namespace sorvella {

// One subtable body, shared by every encoding record that points at its offset.
class TTcmapTable : public TTStreamed {
 public:
  static constexpr uint32_t kCodes = 65536;

  const char* typeName() const override { return "type_TTcmapTable"; }

  uint32_t fileOffset() const { return fileOffset_; }
  uint16_t format() const { return format_; }
  uint32_t length() const { return length_; }
  uint32_t language() const { return language_; }
  // The glyph index of a code 0..65535; 0 for none.
  uint16_t glyphFor(uint32_t code) const { return code < glyphs_.size() ? glyphs_[code] : 0; }
  const std::vector<uint16_t>& glyphs() const { return glyphs_; }
  // Format 2: the first bytes that stand for a character of their own.
  bool isSingleByte(uint8_t firstByte) const { return singleByte_[firstByte]; }

  // Reads the body at `offset` of the cmap table's bytes.
  void read(std::span<const uint8_t> cmap, uint32_t offset, uint32_t fileOffset);

 private:
  void readFormat0(std::span<const uint8_t> body);
  void readFormat2(std::span<const uint8_t> body);
  void readFormat4(std::span<const uint8_t> body);
  void readFormat6(std::span<const uint8_t> body);

  uint32_t fileOffset_ = 0;
  uint16_t format_ = 0;
  uint32_t length_ = 0;
  uint32_t language_ = 0;
  std::vector<uint16_t> glyphs_;
  std::array<bool, 256> singleByte_{};
};

// One encoding record.
class TTcmapSubtable : public TTObject {
 public:
  TTcmapSubtable(uint16_t platform, uint16_t encoding, uint32_t offset, TTcmapTable* body)
      : platform_(platform), encoding_(encoding), offset_(offset), body_(body) {}
  const char* typeName() const override { return "type_TTcmapSubtable"; }

  uint16_t platform() const { return platform_; }
  uint16_t encoding() const { return encoding_; }
  uint32_t offset() const { return offset_; }
  // None when the offset lies outside the table.
  TTcmapTable* body() const { return body_; }

 private:
  uint16_t platform_;
  uint16_t encoding_;
  uint32_t offset_;
  TTcmapTable* body_;
};

class cmapTABLE : public TTF_TABLE {
 public:
  static constexpr TTTableKind kKind = TTTableKind::kCmap;
  // Real fonts have a handful; a table of more distinct bodies is damaged (each takes 128 KB).
  static constexpr std::size_t kMaxBodies = 64;
  using TTF_TABLE::TTF_TABLE;

  uint16_t version() const { return version_; }
  const std::vector<TTcmapSubtable>& records() const { return records_; }
  const std::vector<std::unique_ptr<TTcmapTable>>& bodies() const { return bodies_; }
  // The body of the first record with this platform and encoding; none when there is none.
  TTcmapTable* FindSubtable(uint16_t platform, uint16_t encoding) const;

 protected:
  void readBody(std::span<const uint8_t> body) override;

 private:
  uint16_t version_ = 0;
  std::vector<TTcmapSubtable> records_;
  std::vector<std::unique_ptr<TTcmapTable>> bodies_;
};

}  // namespace sorvella
