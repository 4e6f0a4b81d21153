// Recompute connections: which joins count as smooth, including the join at a contour's start.
#include "outline/contour_connections.h"

#include <gtest/gtest.h>

#include <string>

#include "support/outline_path.h"

namespace sorvella {
namespace {

// One letter per node: S smooth, F fixed, . sharp.
std::string connections(const Outline& o) {
  std::string text;
  for (int i = 0; i < o.nodeCount(); ++i) {
    uint16_t c = nodeConnectionOf(o.header(i));
    text += c == node_flag::kSmooth ? 'S' : c == node_flag::kFixed ? 'F' : '.';
  }
  return text;
}

TEST(RecomputeConnectionsTest, SmoothWhereCurvesJoinWithoutCorner) {
  const struct {
    const char* what;
    const char* path;
    const char* expected;
  } cases[] = {
      {"line into tangent curve", "M 0 0 L 100 0 C 150 0 200 50 200 100 L 0 100", ".S.."},
      {"closing line into first curve", "M 0 0 C 50 0 100 50 100 100 L -100 100 L -100 0", "S..."},
      {"circle ending on its start",
       "M 0 100 C 55 100 100 55 100 0 C 100 -55 55 -100 0 -100 C -55 -100 -100 -55 -100 0 "
       "C -100 55 -55 100 0 100",
       "SSSS."},
      {"direction too short to tell", "M 0 0 L 1 0 C 2 0 50 50 50 100 L 0 100", "...."},
      {"just within the slope limit", "M 0 0 L 100 0 C 200 1 300 100 300 200 L 0 200", ".S.."},
      {"just beyond it", "M 0 0 L 100 0 C 200 2 300 100 300 200 L 0 200", "...."},
      {"lines stay sharp", "M 0 0 L 100 0 L 200 0 L 200 100", "...."},
      {"quadratic end into line", "M 0 0 O 100 0 L 100 100 L 100 200 L 0 200", "..S.."},
      {"trailing control closing into the first line", "M 0 100 L 0 200 L 100 200 L 100 0 O 0 0",
       "S...."},
  };
  for (const auto& c : cases) {
    Glyph g = test::pathGlyph(c.path);
    for (int i = 0; i < g.nodeCount(); ++i)
      g.setHeaderFlags(i, node_flag::kConnectionMask, node_flag::kFixed);
    recomputeConnections(g);
    EXPECT_EQ(connections(g), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace sorvella
