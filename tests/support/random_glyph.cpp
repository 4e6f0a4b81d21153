#include "support/random_glyph.h"

#include <cstdlib>
#include <string>

namespace sorvella::test {

uint32_t testSeed() {
  if (const char* env = std::getenv("SORVELLA_TEST_SEED"))
    return static_cast<uint32_t>(std::strtoul(env, nullptr, 10));
  return 20261206;
}

namespace {

int16_t coordinate(std::mt19937& rng) {
  // Mostly font-sized values, sometimes the extremes, to reach every packed form.
  switch (rng() % 8) {
    case 0: return static_cast<int16_t>(rng() % 65536 - 32768);
    case 1: return static_cast<int16_t>(rng() % 2 ? 32767 : -32768);
    default: return static_cast<int16_t>(static_cast<int>(rng() % 2400) - 1200);
  }
}

Point randomPoint(std::mt19937& rng) { return {coordinate(rng), coordinate(rng)}; }

}  // namespace

Glyph randomGlyph(std::mt19937& rng, int masters) {
  Glyph g(masters);
  std::string name(rng() % 256, 'x');
  for (char& c : name) c = static_cast<char>(33 + rng() % 94);
  g.setName(name);
  for (int m = 0; m < masters; ++m) g.setAdvance(m, randomPoint(rng));

  static const uint8_t kTypes[] = {node_type::kLine, node_type::kCurve, node_type::kOffCurve,
                                   node_type::kPlain, 0, node_type::kMove};
  static const uint16_t kConnections[] = {node_flag::kSharp, node_flag::kSmooth,
                                          node_flag::kFixed};
  int nodes = static_cast<int>(rng() % 40);
  for (int i = 0; i < nodes; ++i) {
    Node n;
    n.header = i == 0 ? node_type::kMove : kTypes[rng() % 6];
    n.header |= kConnections[rng() % 3];
    n.points.resize(static_cast<std::size_t>(n.pointCount() * masters));
    for (Point& p : n.points) p = randomPoint(rng);
    g.appendNode(n);
  }

  if (rng() % 4) {
    GlyphHints& hints = g.hints().emplace();
    auto randomHint = [&] {
      Hint h;
      for (int m = 0; m < masters; ++m) h.masters.push_back({coordinate(rng), coordinate(rng)});
      return h;
    };
    for (int k = static_cast<int>(rng() % 6); k > 0; --k) hints.horizontal.push_back(randomHint());
    for (int k = static_cast<int>(rng() % 6); k > 0; --k) hints.vertical.push_back(randomHint());
    for (int k = static_cast<int>(rng() % 8); k > 0; --k) {
      static const uint16_t kKinds[] = {1, 2, 255};
      hints.replacement.push_back(
          {kKinds[rng() % 3], static_cast<int32_t>(rng() % 200) - 100});
    }
  }
  if (rng() % 3 == 0) {
    GlyphGuides& guides = g.guides().emplace();
    for (int k = static_cast<int>(rng() % 3); k > 0; --k) {
      Guide guide;
      for (int m = 0; m < masters; ++m) guide.masters.push_back({coordinate(rng), coordinate(rng)});
      (rng() % 2 ? guides.horizontal : guides.vertical).push_back(guide);
    }
  }
  for (int k = static_cast<int>(rng() % 3); k > 0; --k) {
    Component c;
    c.glyphIndex = static_cast<int32_t>(rng() % 70000) - 1;
    for (int m = 0; m < masters; ++m) {
      c.offset.push_back(randomPoint(rng));
      c.scale.push_back({static_cast<double>(rng() % 4000) / 1000.0 - 2.0, 1.0 / (1 + rng() % 7)});
    }
    g.components().push_back(c);
  }
  for (int k = static_cast<int>(rng() % 4); k > 0; --k) {
    KernPair pair;
    pair.rightGlyph = static_cast<int32_t>(rng() % 70000) - 1;
    for (int m = 0; m < masters; ++m) pair.values.push_back(coordinate(rng));
    g.kerning().push_back(pair);
  }
  if (rng() % 3 == 0) {
    TrueTypeGlyphData& tt = g.trueTypeData().emplace();
    for (uint16_t& h : tt.header) h = static_cast<uint16_t>(rng());
    tt.headerByte = static_cast<uint8_t>(rng());
    tt.bounds = {coordinate(rng), coordinate(rng), coordinate(rng), coordinate(rng)};
    for (int k = static_cast<int>(rng() % 4); k > 0; --k)
      tt.endPoints.push_back(static_cast<uint16_t>(rng()));
    for (int k = static_cast<int>(rng() % 12); k > 0; --k)
      tt.points.push_back({static_cast<uint8_t>(rng()), coordinate(rng), coordinate(rng)});
    for (int k = static_cast<int>(rng() % 20); k > 0; --k)
      tt.instructions.push_back(static_cast<uint8_t>(rng()));
    for (int k = static_cast<int>(rng() % 3); k > 0; --k)
      tt.extra.push_back(static_cast<uint8_t>(rng()));
  }
  return g;
}

}  // namespace sorvella::test
