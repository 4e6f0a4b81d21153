// Type 1 charstrings made from glyphs: hsbw, stems, the outline in relative moves, lines and
// curves (short forms where they apply, quadratic pieces raised to cubic), hint replacement.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "glyph/glyph.h"

namespace sorvella {

namespace charstring_op {
constexpr int kHstem = 1;
constexpr int kVstem = 3;
constexpr int kVmoveto = 4;
constexpr int kRlineto = 5;
constexpr int kHlineto = 6;
constexpr int kVlineto = 7;
constexpr int kRrcurveto = 8;
constexpr int kClosepath = 9;
constexpr int kCallsubr = 10;
constexpr int kReturn = 11;
constexpr int kHsbw = 13;
constexpr int kEndchar = 14;
constexpr int kRmoveto = 21;
constexpr int kHmoveto = 22;
constexpr int kVhcurveto = 30;
constexpr int kHvcurveto = 31;
// Escaped operators (12 n).
constexpr int kSbw = 0x0C07;
constexpr int kCallothersubr = 0x0C10;
constexpr int kPop = 0x0C11;
constexpr int kSetcurrentpoint = 0x0C21;
}  // namespace charstring_op

// Plain (unencrypted) charstring bytes.
class CharstringBytes {
 public:
  void number(int32_t value);
  // One-byte operators below 32, escaped ones as 0x0Cnn.
  void op(int code);
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

// The subroutines of one font program: the four standard ones (flex 0-2, hint replacement 3)
// and one per distinct hint set; equal sets share a number.
class SubroutineTable {
 public:
  SubroutineTable();
  int32_t add(std::vector<uint8_t> plain);
  const std::vector<std::vector<uint8_t>>& subroutines() const { return subroutines_; }

 private:
  std::vector<std::vector<uint8_t>> subroutines_;
  std::map<std::vector<uint8_t>, int32_t> numbers_;
};

// The charstring of a single-master glyph (master 0 of a glyph with more). Hint sets after
// the first go into `subrs` and are switched with othersubr 3.
std::vector<uint8_t> glyphCharstring(const Glyph& glyph, SubroutineTable& subrs);

}  // namespace sorvella
