#include "base/text_trim.h"

#include <cstdint>

namespace sorvella {

std::string trimOwnedText(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && static_cast<int8_t>(text[n - 1]) < 32) --n;
  return std::string(text.substr(0, n));
}

std::string_view trimBlanks(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace sorvella
