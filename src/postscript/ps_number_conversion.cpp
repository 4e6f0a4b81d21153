#include "postscript/ps_number_conversion.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

namespace sorvella {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int digitValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

bool isSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view skipSpaces(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  return text.substr(i);
}

// Reads the leading digits of the base as a magnitude, saturating at `limit`.
uint64_t leadingMagnitude(std::string_view digits, int base, uint64_t limit) {
  uint64_t value = 0;
  for (char c : digits) {
    const int digit = digitValue(c);
    if (digit >= base) break;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (value > limit) return limit;
  }
  return value;
}

int32_t signedSaturated(std::string_view text, int base) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  const uint64_t limit = negative ? 2147483648u : 2147483647u;
  const uint64_t magnitude = leadingMagnitude(text, base, limit);
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                       : static_cast<int64_t>(magnitude));
}

// The length of the leading decimal real, 0 when there is none.
std::size_t leadingRealLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// from_chars reports a range error without a value; the decimal exponent of the first
// significant digit tells overflow from underflow.
double outOfRange(std::string_view number) {
  const bool negative = number.front() == '-';
  long scale = 0;
  bool significant = false;
  bool fraction = false;
  std::size_t i = (number.front() == '-' || number.front() == '+') ? 1 : 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    if (number[i] == '.') {
      fraction = true;
    } else if (!significant) {
      if (number[i] != '0') significant = true;
      if (fraction) --scale;
    } else if (!fraction) {
      ++scale;
    }
  }
  long exponent = 0;
  if (i < number.size()) {
    ++i;
    const bool negativeExponent = number[i] == '-';
    if (number[i] == '-' || number[i] == '+') ++i;
    for (; i < number.size(); ++i) {
      exponent = exponent * 10 + (number[i] - '0');
      if (exponent > 100000) exponent = 100000;
    }
    if (negativeExponent) exponent = -exponent;
  }
  const double magnitude = scale + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
  return negative ? -magnitude : magnitude;
}

}  // namespace

int32_t psLeadingDecimal(std::string_view text) {
  return signedSaturated(skipSpaces(text), 10);
}

int32_t psScanfInteger(std::string_view text) {
  text = skipSpaces(text);
  std::size_t sign = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  std::string_view rest = text.substr(sign);
  int base = 10;
  if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X') &&
      digitValue(rest.size() > 2 ? rest[2] : ' ') < 16) {
    base = 16;
    rest.remove_prefix(2);
  } else if (!rest.empty() && rest[0] == '0') {
    base = 8;
  }
  const bool negative = sign == 1 && text[0] == '-';
  const uint64_t limit = negative ? 2147483648u : 2147483647u;
  const uint64_t magnitude = leadingMagnitude(rest, base, limit);
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                       : static_cast<int64_t>(magnitude));
}

int32_t psIntegerToken(std::string_view token) {
  const std::size_t hash = token.find('#');
  if (hash == std::string_view::npos) return psLeadingDecimal(token);
  const int32_t base = psLeadingDecimal(token.substr(0, hash));
  if (base < 2 || base > 36) return 0;
  std::string_view digits = token.substr(hash + 1);
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  const uint64_t value = leadingMagnitude(digits, base, std::numeric_limits<uint32_t>::max());
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

double psLeadingReal(std::string_view text) {
  text = skipSpaces(text);
  const std::size_t length = leadingRealLength(text);
  if (length == 0) return 0.0;
  std::string_view number = text.substr(0, length);
  // from_chars takes no plus sign.
  std::string_view digits = number.front() == '+' ? number.substr(1) : number;
  double value = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) return outOfRange(number);
  if (error != std::errc()) return 0.0;
  return value;
}

}  // namespace sorvella
