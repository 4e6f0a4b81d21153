// Type 1 charstrings assembled by hand for tests: numbers in the published encodings and
// operators by code, escape operators written as 1200 + their code.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <variant>
#include <vector>

namespace sorvella::test {

struct CharstringOp {
  int code;
};
using CharstringItem = std::variant<int, CharstringOp>;

namespace charstring_op {
inline constexpr CharstringOp kHstem{1}, kVstem{3}, kVmoveto{4}, kRlineto{5}, kHlineto{6},
    kVlineto{7}, kRrcurveto{8}, kClosepath{9}, kCallsubr{10}, kReturn{11}, kHsbw{13}, kEndchar{14},
    kRmoveto{21}, kHmoveto{22}, kVhcurveto{30}, kHvcurveto{31}, kSeac{1206}, kSbw{1207}, kDiv{1212},
    kCallothersubr{1216}, kPop{1217}, kHstem3{1202}, kSetcurrentpoint{1233};
}  // namespace charstring_op

// One number in the charstring number encodings.
void appendCharstringNumber(std::vector<uint8_t>& out, int v);

// The plain bytes, without lead-in.
std::vector<uint8_t> assembleCharstring(std::initializer_list<CharstringItem> items);

}  // namespace sorvella::test
