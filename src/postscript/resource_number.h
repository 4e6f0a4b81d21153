// Numbers in resource text: decides whether a scanned word is an integer, a real or a radix
// number (tried in that order) and computes its value without overflow.
#pragma once

#include <cstdint>
#include <string_view>

namespace sorvella {

struct ResourceNumber {
  enum class Form {
    kNotANumber,     // an executable word
    kInteger,        // decimal or radix
    kReal,           // also a decimal integer too large for 32 bits
    kUnconvertible,  // shaped like a number but with no value ("-", "30#12")
  };

  Form form = Form::kNotANumber;
  int32_t integer = 0;  // for reals, the value truncated toward zero and saturated
  double real = 0.0;
};

ResourceNumber classifyResourceWord(std::string_view word);

}  // namespace sorvella
