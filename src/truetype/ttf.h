// TTF: one TrueType font in memory. Opening reads the table directory and the `head`, `maxp`,
// `name` and `OS/2` bodies; every other table is read when first asked for, and a glyph's
// outline only while it is loaded.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "truetype/tt_object.h"
#include "truetype/tt_stream.h"
#include "truetype/tt_table.h"
#include "truetype/tt_table_kind.h"

namespace sorvella {

class TTGLYPH;
class TTcmapTable;

class TTF : public TTStreamed {
 public:
  TTF();
  ~TTF() override;
  TTF(const TTF&) = delete;
  TTF& operator=(const TTF&) = delete;

  const char* typeName() const override { return "type_TTF"; }

  // False when the font's error code is set: the file cannot be opened (2), or its directory,
  // `head` or `maxp` is damaged or `head` is missing (5).
  bool Open(const std::filesystem::path& path);
  bool Open(std::vector<uint8_t> bytes);

  uint32_t sfntVersion() const { return sfntVersion_; }
  uint16_t numTables() const { return numTables_; }
  uint16_t searchRange() const { return searchRange_; }
  uint16_t entrySelector() const { return entrySelector_; }
  uint16_t rangeShift() const { return rangeShift_; }
  // Every table of the directory in file order, tags starting with ';' left out.
  const std::vector<std::unique_ptr<TTF_TABLE>>& tables() const { return tables_; }

  // The table of a known kind with its body read; none when the font has no such table.
  TTF_TABLE* Table(TTTableKind kind);
  template <typename T>
  T* Table() {
    return static_cast<T*>(Table(T::kKind));
  }

  // Glyphs as `maxp` counts them (as `loca` does without `maxp`).
  uint32_t numGlyphs();
  uint16_t unitsPerEm();

  TTcmapTable* FindSubtable(uint16_t platform, uint16_t encoding);
  std::string NameExact(uint16_t platform, uint16_t encoding, uint16_t language, uint16_t nameId);
  std::string NameFirst(uint16_t nameId, uint16_t platform);

  // The glyphs of `glyf` (0 when it or `loca` is missing).
  uint32_t glyphCount();
  TTGLYPH* glyph(uint32_t index);
  bool LoadOutline(TTGLYPH& glyph);
  void ReleaseOutline(TTGLYPH& glyph);
  bool Flatten(TTGLYPH& glyph);

  const TTStream& stream() const { return stream_; }

 private:
  bool Open(TTStream stream);
  bool readDirectory();

  TTStream stream_;
  uint32_t sfntVersion_ = 0;
  uint16_t numTables_ = 0;
  uint16_t searchRange_ = 0;
  uint16_t entrySelector_ = 0;
  uint16_t rangeShift_ = 0;
  std::vector<std::unique_ptr<TTF_TABLE>> tables_;
  // For each known kind, the position of its table in `tables_`.
  std::array<std::optional<std::size_t>, kKnownTableKinds> slots_{};
};

}  // namespace sorvella
