#include "truetype/program_tables.h"

#include "truetype/tt_stream.h"

namespace sorvella {

void cvtTABLE::readBody(std::span<const uint8_t> body) {
  if (body.size() % 2 != 0) fail(TTError::kDamaged);
  ByteReader in(body);
  values_.resize(body.size() / 2);
  for (int16_t& v : values_) v = asSigned(in.get16be());
}

}  // namespace sorvella
