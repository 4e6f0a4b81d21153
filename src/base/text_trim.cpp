#include "base/text_trim.h"

#include <cstdint>

namespace sorvella {

std::string trimOwnedText(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && static_cast<int8_t>(text[n - 1]) < 32) --n;
  return std::string(text.substr(0, n));
}

}  // namespace sorvella
