// Small TrueType fonts built byte by byte for the reader and conversion tests, sound or
// damaged on purpose: glyph data, character maps and whole fonts around them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace sorvella::test {

struct TTTestPoint {
  int x = 0;
  int y = 0;
  bool on = true;
};
using TTTestContour = std::vector<TTTestPoint>;

// A simple glyph; the header box is that of all points unless `box` is given (xMin, yMin,
// xMax, yMax). Coordinates are written as words, the flags once per point.
std::vector<uint8_t> simpleGlyph(const std::vector<TTTestContour>& contours,
                                 const std::vector<int>& box = {});

struct TTTestComponent {
  TTTestComponent(uint16_t g, int a1, int a2, bool points = false, std::vector<int> s = {})
      : glyph(g), argument1(a1), argument2(a2), pointNumbers(points), scale(std::move(s)) {}
  uint16_t glyph = 0;
  int argument1 = 0;  // x offset, or the point number in the glyph built so far
  int argument2 = 0;
  bool pointNumbers = false;
  std::vector<int> scale;  // none, {s}, {x, y} or {xx, xy, yx, yy}, in 2.14
};
std::vector<uint8_t> compositeGlyph(const std::vector<TTTestComponent>& components);

// A cmap table of encoding records (platform, encoding, index into `bodies`).
std::vector<uint8_t> cmapTable(const std::vector<std::vector<int>>& records,
                               const std::vector<std::vector<uint8_t>>& bodies);
// A format 4 body from segments {start, end, idDelta, idRangeOffset} and a glyph index array.
std::vector<uint8_t> cmapFormat4(const std::vector<std::vector<int>>& segments,
                                 const std::vector<uint16_t>& glyphIds = {});

// A name table of records {platform, encoding, language, name id} with their stored bytes.
std::vector<uint8_t> nameTable(
    const std::vector<std::pair<std::vector<int>, std::string>>& records);

// UTF-16 big-endian bytes of an ASCII text, as platform 3 names are stored.
std::string utf16(const std::string& ascii);
// An OS/2 table whose vendor identifier is `vendor` (four letters).
std::vector<uint8_t> os2Table(const std::string& vendor);

struct TTTestFont {
  int unitsPerEm = 1000;
  std::vector<std::vector<uint8_t>> glyphs;           // `glyf` data of each glyph, empty for none
  std::vector<std::pair<int, int>> metrics;           // advance and left side bearing of each glyph
  std::map<std::string, std::vector<uint8_t>> extra;  // further tables by tag
};

// head, hhea, maxp, hmtx, loca (long), glyf and the extra tables, in tag order.
std::vector<uint8_t> fontBytes(const TTTestFont& font);
// An sfnt of the given tables, in the given order.
std::vector<uint8_t> sfntBytes(
    const std::vector<std::pair<std::string, std::vector<uint8_t>>>& tables);

// 16-bit words, big-endian.
std::vector<uint8_t> words(std::initializer_list<int> values);
// Big-endian numbers appended to a byte list.
void put16(std::vector<uint8_t>& out, int v);
void put32(std::vector<uint8_t>& out, uint32_t v);

}  // namespace sorvella::test
