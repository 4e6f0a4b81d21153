#include "truetype/tt_table.h"

#include <new>

#include "truetype/ttf.h"

namespace sorvella {

TTF_TABLE::TTF_TABLE(TTF& owner, uint32_t tag, uint32_t checksum, uint32_t offset, uint32_t length)
    : owner_(owner),
      tag_(tag),
      checksum_(checksum),
      offset_(offset),
      length_(length),
      kind_(tableKindOf(tag)) {
  setName(sorvella::tagText(tag));
}

const char* TTF_TABLE::typeName() const {
  return kind_ ? tableKindInfo(*kind_).typeName : "type_TTF_TABLE";
}

std::string TTF_TABLE::tagText() const {
  return sorvella::tagText(tag_);
}

bool TTF_TABLE::load() {
  if (!loaded()) {
    // Marked first, so that a table asking for itself while being read finds it loaded.
    setSource(TTSource::kImported);
    std::optional<std::span<const uint8_t>> body = owner_.stream().view(offset_, length_);
    if (!body) {
      fail(TTError::kDamaged);
    } else {
      try {
        readBody(*body);
      } catch (const std::bad_alloc&) {
        fail(TTError::kOutOfMemory);
      }
    }
  }
  return error() == TTError::kNone;
}

}  // namespace sorvella
