#include "support/truetype_bytes.h"

#include <algorithm>
#include <climits>

namespace sorvella::test {

void put16(std::vector<uint8_t>& out, int v) {
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

std::vector<uint8_t> words(std::initializer_list<int> values) {
  std::vector<uint8_t> out;
  for (int v : values) put16(out, v);
  return out;
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, static_cast<int>(v >> 16));
  put16(out, static_cast<int>(v & 0xFFFF));
}

std::vector<uint8_t> simpleGlyph(const std::vector<TTTestContour>& contours,
                                 const std::vector<int>& box) {
  std::vector<int> b = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const auto& c : contours)
    for (const TTTestPoint& p : c)
      b = {std::min(b[0], p.x), std::min(b[1], p.y), std::max(b[2], p.x), std::max(b[3], p.y)};
  if (!box.empty()) b = box;
  std::vector<uint8_t> out;
  put16(out, static_cast<int>(contours.size()));
  for (int v : b) put16(out, v);
  int end = -1;
  for (const auto& c : contours) put16(out, end += static_cast<int>(c.size()));
  put16(out, 0);  // no instructions
  for (const auto& c : contours)
    for (const TTTestPoint& p : c) out.push_back(p.on ? 1 : 0);
  for (int axis = 0; axis < 2; ++axis) {
    int previous = 0;
    for (const auto& c : contours)
      for (const TTTestPoint& p : c) {
        int v = axis == 0 ? p.x : p.y;
        put16(out, v - previous);
        previous = v;
      }
  }
  return out;
}

std::vector<uint8_t> compositeGlyph(const std::vector<TTTestComponent>& components) {
  std::vector<uint8_t> out = words({-1, 0, 0, 0, 0});
  for (std::size_t i = 0; i < components.size(); ++i) {
    const TTTestComponent& c = components[i];
    int flags = 0x0001 | (c.pointNumbers ? 0 : 0x0002) | (i + 1 < components.size() ? 0x0020 : 0);
    static constexpr int kScaleFlags[] = {0, 0x0008, 0x0040, 0, 0x0080};
    flags |= kScaleFlags[c.scale.size()];
    put16(out, flags);
    put16(out, c.glyph);
    put16(out, c.argument1);
    put16(out, c.argument2);
    for (int s : c.scale) put16(out, s);
  }
  return out;
}

std::vector<uint8_t> cmapTable(const std::vector<std::vector<int>>& records,
                               const std::vector<std::vector<uint8_t>>& bodies) {
  std::vector<uint8_t> out = words({0, static_cast<int>(records.size())});
  std::vector<uint32_t> offsets;
  uint32_t at = 4 + 8 * static_cast<uint32_t>(records.size());
  for (const auto& body : bodies) {
    offsets.push_back(at);
    at += static_cast<uint32_t>(body.size());
  }
  for (const auto& r : records) {
    put16(out, r[0]);
    put16(out, r[1]);
    put32(out, offsets[static_cast<std::size_t>(r[2])]);
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<uint8_t> cmapFormat4(const std::vector<std::vector<int>>& segments,
                                 const std::vector<uint16_t>& glyphIds) {
  const int n = static_cast<int>(segments.size());
  // Format, length, language, segCountX2 and the search values, unused by readers.
  std::vector<uint8_t> out =
      words({4, 16 + 8 * n + 2 * static_cast<int>(glyphIds.size()), 0, 2 * n, 0, 0, 0});
  for (int field : {1, -1, 0, 2, 3}) {
    if (field < 0) {
      put16(out, 0);  // reservedPad
      continue;
    }
    for (const auto& s : segments) put16(out, s[static_cast<std::size_t>(field)]);
  }
  for (uint16_t g : glyphIds) put16(out, g);
  return out;
}

std::vector<uint8_t> nameTable(
    const std::vector<std::pair<std::vector<int>, std::string>>& records) {
  const int count = static_cast<int>(records.size());
  std::vector<uint8_t> out = words({0, count, 6 + 12 * count});
  std::string storage;
  for (const auto& [ids, text] : records) {
    for (int id : ids) put16(out, id);
    put16(out, static_cast<int>(text.size()));
    put16(out, static_cast<int>(storage.size()));
    storage += text;
  }
  out.insert(out.end(), storage.begin(), storage.end());
  return out;
}

std::string utf16(const std::string& ascii) {
  std::string out;
  for (char c : ascii) out += std::string(1, '\0') + c;
  return out;
}

std::vector<uint8_t> os2Table(const std::string& vendor) {
  std::vector<uint8_t> t(58, 0);
  t.insert(t.end(), vendor.begin(), vendor.end());
  t.resize(78, 0);
  return t;
}

std::vector<uint8_t> sfntBytes(
    const std::vector<std::pair<std::string, std::vector<uint8_t>>>& tables) {
  std::vector<uint8_t> out = words({1, 0, static_cast<int>(tables.size()), 0, 0, 0});
  uint32_t at = 12 + 16 * static_cast<uint32_t>(tables.size());
  std::vector<uint8_t> bodies;
  for (const auto& [tag, body] : tables) {
    out.insert(out.end(), tag.begin(), tag.end());
    put32(out, 0);
    put32(out, at + static_cast<uint32_t>(bodies.size()));
    put32(out, static_cast<uint32_t>(body.size()));
    bodies.insert(bodies.end(), body.begin(), body.end());
    bodies.resize((bodies.size() + 3) & ~std::size_t{3});
  }
  out.insert(out.end(), bodies.begin(), bodies.end());
  return out;
}

std::vector<uint8_t> fontBytes(const TTTestFont& font) {
  const int glyphs = static_cast<int>(font.glyphs.size());
  // One long metric per entry of `metrics` (per glyph without any).
  const int hMetrics = font.metrics.empty() ? glyphs : static_cast<int>(font.metrics.size());
  std::map<std::string, std::vector<uint8_t>> t = font.extra;
  std::vector<uint8_t>& head = t["head"] =
      words({1, 0, 0, 0, 0, 0, 0x5F0F, 0x3CF5, 0, font.unitsPerEm});
  head.resize(50, 0);
  put16(head, 1);  // long loca offsets
  put16(head, 0);
  std::vector<uint8_t>& hhea = t["hhea"] = words({1, 0});
  hhea.resize(34, 0);
  put16(hhea, hMetrics);
  t["maxp"] = words({0, 0x5000, glyphs});
  std::vector<uint8_t>& hmtx = t["hmtx"];
  for (int g = 0; g < glyphs; ++g) {
    auto [advance, lsb] =
        g < static_cast<int>(font.metrics.size()) ? font.metrics[g] : std::pair{0, 0};
    if (g < hMetrics) put16(hmtx, advance);
    put16(hmtx, lsb);
  }
  std::vector<uint8_t>& loca = t["loca"];
  std::vector<uint8_t>& glyf = t["glyf"];
  for (const auto& g : font.glyphs) {
    put32(loca, static_cast<uint32_t>(glyf.size()));
    glyf.insert(glyf.end(), g.begin(), g.end());
  }
  put32(loca, static_cast<uint32_t>(glyf.size()));
  return sfntBytes({t.begin(), t.end()});
}

}  // namespace sorvella::test
