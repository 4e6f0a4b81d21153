// Removal of ASCII white space around byte-string texts, for values read from text files
// whatever their line ends and indentation.
#pragma once

#include <string_view>

namespace sorvella {

constexpr bool isAsciiSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

constexpr std::string_view trimAsciiSpace(std::string_view text) {
  while (!text.empty() && isAsciiSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isAsciiSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace sorvella
