// Subset fonts built by hand for the writer tests: a few glyphs whose boxes and advances are
// known without running any code under test.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "glyph/glyph.h"
#include "glyph/subset_font.h"

namespace sorvella::test {

// A single-master glyph from nodes; the advance is (advance, 0).
std::unique_ptr<Glyph> glyphOf(const std::string& name, int16_t advance,
                               std::initializer_list<Node> nodes);

// "SampleSans", weight Bold, italic angle -12.5, encoding of its own (32 space, 65 A, 79 O):
//   slot 0 "A"      triangle (10,0) (250,700) (490,0), advance 500, kerned -50 against O
//   slot 1 empty
//   slot 2 "space"  no contours, advance 250
//   slot 3 "O"      four cubic curves through (50,350) (350,700) (650,350) (350,0), advance 700
//   slot 4 "H"      one 12-point contour, stems x 50..150 and 450..550, bar y 300..400,
//                   advance 600, with those three stems as hints; not in the encoding
SubsetFont sampleFont();

}  // namespace sorvella::test
