// Test helpers for one-bit images: packed rows drawn as text ('#' ink, '.' background), and
// the text expected from inked rectangles, so that a failing comparison shows the picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace sorvella::test {

struct PixelSpan {
  int firstColumn, lastColumn, firstRow, lastRow;  // inclusive
};

// One line per row of packed MSB-first rows; `inkIsSet` says which bit value is ink.
std::string bitArt(std::span<const uint8_t> bits, int width, int height, std::size_t rowBytes,
                   bool inkIsSet);

// Ink where some span of `ink` covers and none of `holes` does.
std::string spanArt(int width, int height, std::initializer_list<PixelSpan> ink,
                    std::initializer_list<PixelSpan> holes = {});

}  // namespace sorvella::test
