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

namespace {

// The index files keep names and stems as single words: white space inside one would shift
// the fields of its line and make the whole file unreadable, so it becomes "_".
std::string singleWord(std::string_view text) {
  std::string word = trimOwnedText(text);
  for (char& c : word)
    if (isAsciiSpace(c)) c = '_';
  return word;
}

}  // namespace

void SubsetFontEntry::setName(std::string_view name) { name_ = singleWord(name); }

void SubsetFontEntry::setFileStem(std::string_view stem) { fileStem_ = singleWord(stem); }

}  // namespace sorvella
