#include "postscript/resource_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace sorvella {
namespace {

using Form = ResourceNumber::Form;

constexpr ResourceNumber kUnconvertible{Form::kUnconvertible, 0, 0.0};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int32_t truncateToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

ResourceNumber makeInteger(int32_t value) {
  return {Form::kInteger, value, static_cast<double>(value)};
}

ResourceNumber makeReal(double value) {
  return {Form::kReal, truncateToInt32(value), value};
}

bool hasIntegerShape(std::string_view word) {
  if (!word.empty() && word.front() == '-') word.remove_prefix(1);
  return !word.empty() && std::all_of(word.begin(), word.end(), isDigit);
}

bool hasRealShape(std::string_view word) {
  bool digitSeen = false;
  bool pointSeen = false;
  bool exponentSeen = false;
  int minusesBeforeExponent = 0;
  int minusesAfterExponent = 0;
  for (char c : word) {
    if (isDigit(c)) {
      digitSeen = true;
    } else if (c == '.') {
      if (pointSeen || exponentSeen) return false;
      pointSeen = true;
    } else if (c == 'e' || c == 'E') {
      if (exponentSeen || !digitSeen) return false;
      exponentSeen = true;
    } else if (c == '-') {
      int& minuses = exponentSeen ? minusesAfterExponent : minusesBeforeExponent;
      if (++minuses > 1) return false;
    } else {
      return false;
    }
  }
  return true;
}

bool hasRadixShape(std::string_view word) {
  return std::all_of(word.begin(), word.end(), [](char c) { return isDigit(c) || c == '#'; });
}

// from_chars leaves the value alone when it is out of range, so the decimal exponent of the
// first significant digit tells overflow from underflow. Overflow stops at the largest finite
// value rather than strtod's infinity, so that no caller has to cope with infinities.
double outOfRangeValue(std::string_view number) {
  const bool negative = number.front() == '-';
  std::size_t i = negative ? 1 : 0;
  long integerDigits = 0;  // from the first significant one
  long fractionZeros = 0;  // before the first significant digit
  bool significant = false;
  bool inFraction = false;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') {
      inFraction = true;
    } else if (!inFraction) {
      if (c != '0') significant = true;
      if (significant) ++integerDigits;
    } else if (!significant) {
      if (c == '0')
        ++fractionZeros;
      else
        significant = true;
    }
  }
  long exponent = 0;
  if (i < number.size()) {
    ++i;
    const bool negativeExponent = i < number.size() && number[i] == '-';
    if (negativeExponent) ++i;
    for (; i < number.size(); ++i) exponent = std::min(exponent * 10 + (number[i] - '0'), 100000L);
    if (negativeExponent) exponent = -exponent;
  }
  const long scale = integerDigits > 0 ? integerDigits - 1 : -(fractionZeros + 1);
  const double magnitude = scale + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
  return negative ? -magnitude : magnitude;
}

// The leading number of the word, as the C library reads it in the "C" locale; from_chars is
// used because strtod would follow whatever locale the GUI toolkit has set.
std::optional<double> leadingReal(std::string_view word) {
  double value = 0.0;
  const char* first = word.data();
  auto [end, error] = std::from_chars(first, first + word.size(), value);
  if (error == std::errc::invalid_argument) return std::nullopt;
  if (error == std::errc::result_out_of_range)
    return outOfRangeValue(word.substr(0, static_cast<std::size_t>(end - first)));
  return value;
}

ResourceNumber readReal(std::string_view word) {
  std::optional<double> value = leadingReal(word);
  return value ? makeReal(*value) : kUnconvertible;
}

// A decimal integer that does not fit 32 bits is read as a real, as PostScript does.
ResourceNumber readDecimalInteger(std::string_view word) {
  const bool negative = word.front() == '-';
  const int64_t limit = negative ? 2147483648 : 2147483647;
  int64_t magnitude = 0;
  for (char c : word.substr(negative ? 1 : 0)) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return readReal(word);
  }
  return makeInteger(static_cast<int32_t>(negative ? -magnitude : magnitude));
}

// Digit values are not checked against the base (2#9 is 9). Values of up to 32 bits are taken
// as two's complement, as PostScript reads radix numbers; anything larger has no value.
ResourceNumber readRadix(std::string_view word) {
  const std::size_t hash = word.find('#');
  int base = 0;
  for (char c : word.substr(0, hash)) {
    base = base * 10 + (c - '0');
    if (base > 26) return kUnconvertible;
  }
  if (base < 2) return kUnconvertible;
  uint64_t value = 0;
  for (char c : word.substr(hash + 1)) {
    // Letters never get here (the word would not have the radix shape), so only a second
    // '#' is left to refuse.
    if (!isDigit(c)) return kUnconvertible;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(c - '0');
    if (value > std::numeric_limits<uint32_t>::max()) return kUnconvertible;
  }
  return makeInteger(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

}  // namespace

ResourceNumber classifyResourceWord(std::string_view word) {
  if (hasIntegerShape(word)) return readDecimalInteger(word);
  if (hasRealShape(word)) return readReal(word);
  if (hasRadixShape(word)) return readRadix(word);
  return {};
}

}  // namespace sorvella
