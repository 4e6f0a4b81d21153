#include "postscript/postscript_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace sorvella {

std::string psString(std::string_view text) {
  std::string out = "(";
  for (unsigned char c : text) {
    if (c == '\\' || c == '(' || c == ')') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 32 || c > 126) {
      const char octal[] = {'\\', static_cast<char>('0' + (c >> 6)),
                            static_cast<char>('0' + ((c >> 3) & 7)),
                            static_cast<char>('0' + (c & 7))};
      out.append(octal, sizeof octal);
    } else {
      out += static_cast<char>(c);
    }
  }
  out += ')';
  return out;
}

std::string psName(std::string_view text, std::string_view fallback) {
  static constexpr std::size_t kMaxNameLength = 127;  // the PostScript limit for names
  std::string out;
  for (unsigned char c : text) {
    if (c < 33 || c > 126) continue;
    if (std::string_view("()<>[]{}/%").find(static_cast<char>(c)) != std::string_view::npos)
      continue;
    out += static_cast<char>(c);
    if (out.size() == kMaxNameLength) break;
  }
  return out.empty() ? std::string(fallback) : out;
}

std::string psReal(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0) return "0";  // also -0
  std::array<char, 400> buffer{};
  auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (error != std::errc()) return "0";
  return std::string(buffer.data(), end);
}

std::string singleLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
  return out;
}

namespace {

template <typename... Format>
std::string numberText(double value, Format... format) {
  if (value == 0) value = 0;  // no "-0"
  std::array<char, 400> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
  if (error != std::errc()) return "0";
  return std::string(buffer.data(), end);
}

}  // namespace

std::string fixedDecimals(double value, int decimals) {
  return numberText(value, std::chars_format::fixed, decimals);
}

std::string generalNumber(double value) {
  return numberText(value, std::chars_format::general, 6);
}

}  // namespace sorvella
