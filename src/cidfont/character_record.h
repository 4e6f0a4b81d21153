// One character of a CID font (subset font, glyph, CID and thumbnail: 132 bytes, the same in
// memory and in the index file) and one entry of the subset font list.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/byte_stream.h"

namespace sorvella {

inline constexpr std::size_t kThumbnailBytes = 124;
inline constexpr std::size_t kCharacterRecordBytes = 132;

struct CharacterRecord {
  int16_t font = -1;
  int16_t glyph = -1;
  int32_t cid = -1;
  std::array<uint8_t, kThumbnailBytes> thumbnail = blankThumbnail();

  static constexpr std::array<uint8_t, kThumbnailBytes> blankThumbnail() {
    std::array<uint8_t, kThumbnailBytes> t{};
    t.fill(0xFF);
    return t;
  }
  // The record of an empty list position: all 132 bytes 0xFF.
  static CharacterRecord empty() { return {}; }
  // A new, unplaced record for glyph g of font f with a blank thumbnail.
  static CharacterRecord make(int f, int g) {
    CharacterRecord r;
    r.font = static_cast<int16_t>(f);
    r.glyph = static_cast<int16_t>(g);
    return r;
  }

  void write(ByteWriter& out) const;
  static CharacterRecord read(ByteReader& in);

  friend bool operator==(const CharacterRecord&, const CharacterRecord&) = default;
};

class SubsetFontEntry {
 public:
  // Texts are stored trimmed, as single words; empty means absent.
  const std::string& name() const { return name_; }
  void setName(std::string_view name);
  const std::string& fileStem() const { return fileStem_; }
  void setFileStem(std::string_view stem);

  int32_t characterCount = 0;
  int32_t locked = 0;

  friend bool operator==(const SubsetFontEntry&, const SubsetFontEntry&) = default;

 private:
  std::string name_;
  std::string fileStem_;
};

}  // namespace sorvella
