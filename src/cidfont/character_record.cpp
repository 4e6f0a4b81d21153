#include "cidfont/character_record.h"

#include "base/text_trim.h"

namespace sorvella {

void CharacterRecord::write(ByteWriter& out) const {
  out.put16le(static_cast<uint16_t>(font));
  out.put16le(static_cast<uint16_t>(glyph));
  out.put32le(static_cast<uint32_t>(cid));
  out.putBytes(thumbnail);
}

CharacterRecord CharacterRecord::read(ByteReader& in) {
  CharacterRecord r;
  r.font = static_cast<int16_t>(in.get16le());
  r.glyph = static_cast<int16_t>(in.get16le());
  r.cid = static_cast<int32_t>(in.get32le());
  in.getBytes(r.thumbnail.data(), r.thumbnail.size());
  return r;
}

void SubsetFontEntry::setName(std::string_view name) { name_ = trimOwnedText(name); }

void SubsetFontEntry::setFileStem(std::string_view stem) { fileStem_ = trimOwnedText(stem); }

}  // namespace sorvella
