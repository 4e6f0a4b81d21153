// Text trimming: owned texts of the model drop trailing control and high bytes, and values
// read from text files drop the white space around them.
#pragma once

#include <string>
#include <string_view>

namespace sorvella {

// Removes trailing bytes that read below 32 as signed 8-bit values (0x00-0x1F, 0x80-0xFF);
// an empty result means the text is absent.
std::string trimOwnedText(std::string_view text);

constexpr bool isAsciiSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

constexpr std::string_view trimAsciiSpace(std::string_view text) {
  while (!text.empty() && isAsciiSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isAsciiSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace sorvella
