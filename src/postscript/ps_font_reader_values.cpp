#include <algorithm>
#include <cstdint>
#include <limits>

#include "postscript/keyword_table.h"
#include "postscript/ps_font_reader.h"
#include "postscript/ps_number_conversion.h"

namespace sorvella {
namespace {

uint16_t saturated16(std::size_t value) {
  return static_cast<uint16_t>(std::min<std::size_t>(value, std::numeric_limits<uint16_t>::max()));
}

}  // namespace

int32_t PSFontReader::readInteger() {
  if (!nextToken(token_)) return 0;
  return psIntegerToken(token_);
}

double PSFontReader::readReal() {
  if (!nextToken(token_)) return 0.0;
  return psLeadingReal(token_);
}

bool PSFontReader::readBoolean() {
  if (!nextToken(token_)) return false;
  if (equalsIgnoringAsciiCase(token_, "TRUE")) return true;
  if (!equalsIgnoringAsciiCase(token_, "FALSE")) {
    raiseStatus(PSFontStatus::kBooleanExpected);
    failed_ = true;
  }
  return false;
}

bool PSFontReader::readString(std::string& text) {
  text.clear();
  do {
    if (!nextToken(token_)) return false;
  } while (token_ != "(");
  int depth = 1;
  while (text.size() < kMaxStringLength) {
    const uint8_t c = readByte();
    if (failed_) return false;
    if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return true;
    }
    text.push_back(static_cast<int8_t>(c) < 32 ? ' ' : static_cast<char>(c));
  }
  return true;
}

template <typename Number, typename Convert>
bool PSFontReader::readArray(std::span<Number> output, PSArrayShape& shape, Convert convert) {
  shape = {};
  if (!nextToken(token_) || (token_ != "[" && token_ != "{")) return false;
  int depth = 0;
  std::size_t run = 0;
  while (nextToken(token_)) {
    const bool inCountedLevel = depth >= 0 && depth < static_cast<int>(shape.counts.size());
    uint16_t* count = inCountedLevel ? &shape.counts[static_cast<std::size_t>(depth)] : nullptr;
    if (token_ == "[" || token_ == "{") {
      if (count) *count = saturated16(*count + std::size_t{1});
      ++depth;
      run = 0;
    } else if (token_ == "]" || token_ == "}") {
      if (count) *count = std::max(*count, saturated16(run));
      --depth;
      run = 0;
      if (depth < 0) return true;
    } else {
      if (shape.stored < output.size()) output[shape.stored++] = convert(token_);
      ++shape.values;
      ++run;
    }
  }
  return false;
}

bool PSFontReader::readIntegerArray(std::span<int32_t> output, PSArrayShape& shape) {
  return readArray(output, shape, psScanfInteger);
}

bool PSFontReader::readRealArray(std::span<double> output, PSArrayShape& shape) {
  return readArray(output, shape, psLeadingReal);
}

}  // namespace sorvella
