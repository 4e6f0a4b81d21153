// QuadToCubicPen: exact cubics for single off-curve points, merged cubics for runs of two or
// more where they stay within the closeness limit, and the exact fallback where they do not.
#include "cidfont/quad_to_cubic_pen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>
#include <sstream>

#include "support/random_glyph.h"

namespace sorvella {
namespace {

// Writes what it receives as "M x y", "L x y", "C x1 y1 x2 y2 x y" and "Z".
class RecordingPen : public OutlinePen {
 public:
  void moveTo(Point p) override { out_ << "M " << p.x << ' ' << p.y << ' '; }
  void lineTo(Point p) override { out_ << "L " << p.x << ' ' << p.y << ' '; }
  void curveTo(Point, Point a, Point b, Point p) override {
    out_ << "C " << a.x << ' ' << a.y << ' ' << b.x << ' ' << b.y << ' ' << p.x << ' ' << p.y
         << ' ';
    curves_.push_back({a, b, p});
  }
  void closePath() override { out_ << 'Z'; }
  std::string text() const { return out_.str(); }
  std::vector<std::vector<Point>> curves_;

 private:
  std::ostringstream out_;
};

class QuadToCubic : public ::testing::Test {
 protected:
  // One closed contour from the first point; a point's flag is false after an 'o'.
  std::string convert(const std::vector<std::pair<Point, bool>>& points) {
    QuadToCubicPen pen(recorder_);
    pen.moveTo(points[0].first);
    for (std::size_t i = 1; i < points.size(); ++i) pen.addPoint(points[i].first, points[i].second);
    pen.closePath();
    return recorder_.text();
  }
  RecordingPen recorder_;
};

constexpr bool kOn = true;
constexpr bool kOff = false;

// Single off-curve points give exact cubics, rounded; runs that one cubic follows merge, the
// others fall back to exact pieces joined at the midpoints.
TEST_F(QuadToCubic, SmallContoursConvert) {
  const struct {
    std::vector<std::pair<Point, bool>> points;
    const char* expected;
  } cases[] = {
      {{{{0, 0}, kOn}, {{300, 600}, kOff}, {{600, 0}, kOn}}, "M 0 0 C 200 400 400 400 600 0 Z"},
      {{{{0, 0}, kOn}, {{1, 5}, kOff}, {{2, 0}, kOn}}, "M 0 0 C 1 3 1 3 2 0 Z"},
      {{{{0, 0}, kOn}, {{0, 0}, kOn}, {{100, 0}, kOn}, {{100, 100}, kOn}},
       "M 0 0 L 100 0 L 100 100 Z"},
      {{{{0, 0}, kOn}, {{300, 0}, kOn}, {{150, 300}, kOff}},
       "M 0 0 L 300 0 C 200 200 100 200 0 0 Z"},
      {{{{0, 0}, kOn}, {{0, 300}, kOff}, {{300, 600}, kOff}, {{600, 600}, kOn}},
       "M 0 0 C 0 400 200 600 600 600 Z"},
      {{{{0, 0}, kOn}, {{100, 200}, kOff}, {{100, -100}, kOff}, {{0, 0}, kOn}},
       "M 0 0 C 67 133 100 150 100 50 C 100 -50 67 -67 0 0 Z"},
      {{{{0, 0}, kOn}, {{50, 300}, kOff}, {{150, -300}, kOff}, {{250, 300}, kOff}, {{300, 0}, kOn}},
       "M 0 0 C 33 200 67 200 100 0 C 133 -200 167 -200 200 0 C 233 200 267 200 300 0 Z"},
  };
  for (const auto& c : cases) {
    recorder_ = {};
    EXPECT_EQ(convert(c.points), c.expected);
  }
}

// Runs of two to eight off-curve points that split a random parabola evenly (a cubic can
// follow it exactly), rounded and in every other run shaken by up to 2 units, mostly become
// one cubic; every merged cubic passes within the limit of every point of the pieces.
TEST_F(QuadToCubic, MergedCubicsStayCloseToThePieces) {
  using C = std::complex<double>;
  const uint32_t seed = test::testSeed();
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> coordinate(-1500, 1500), shake(-2, 2);
  const C end(1500, 700);
  int merged = 0;
  for (int round = 0; round < 200; ++round) {
    const C control(coordinate(rng), coordinate(rng));
    const std::size_t k = 2 + static_cast<std::size_t>(round) % 7;
    std::vector<C> q;  // piece j over [a, a + h] has its control at B(a) + h / 2 B'(a)
    for (double a = 0, h = 1.0 / static_cast<double>(k); q.size() < k; a += h)
      q.push_back(2 * (1 - a) * a * control + a * a * end +
                  h * ((1 - a) * control + a * (end - control)) +
                  C(round % 2 * shake(rng), round % 2 * shake(rng)));
    std::vector<std::pair<Point, bool>> points = {{{0, 0}, kOn}};
    for (C& c : q) {
      c = C(std::round(c.real()), std::round(c.imag()));
      points.push_back({{static_cast<int16_t>(c.real()), static_cast<int16_t>(c.imag())}, kOff});
    }
    points.push_back({{1500, 700}, kOn});
    recorder_ = {};
    convert(points);
    if (recorder_.curves_.size() != 1) continue;
    ++merged;
    const auto& got = recorder_.curves_[0];
    ASSERT_EQ(got[2], (Point{1500, 700}));
    const C c1(got[0].x, got[0].y), c2(got[1].x, got[1].y);
    auto cubic = [&](double t) {
      return 3 * (1 - t) * (1 - t) * t * c1 + 3 * (1 - t) * t * t * c2 + t * t * t * end;
    };
    for (std::size_t j = 0; j < k; ++j) {
      const C from = j == 0 ? C(0, 0) : (q[j - 1] + q[j]) / 2.0;
      const C to = j + 1 == k ? end : (q[j] + q[j + 1]) / 2.0;
      for (double s = 0; s <= 1; s += 1.0 / 16) {
        const C point = (1 - s) * (1 - s) * from + 2 * (1 - s) * s * q[j] + s * s * to;
        // A coarse search, then a ternary one around each coarse local minimum (the curve may
        // pass by the point more than once).
        auto distance = [&](double t) { return std::norm(cubic(std::clamp(t, 0.0, 1.0)) - point); };
        double nearest = distance(0);
        for (double t = 0; t <= 1; t += 1.0 / 256) {
          if (distance(t) > distance(t - 1.0 / 256) || distance(t) > distance(t + 1.0 / 256))
            continue;
          double lo = t - 1.0 / 256, hi = t + 1.0 / 256;
          for (int step = 0; step < 40; ++step) {
            const double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
            if (distance(a) < distance(b)) {
              hi = b;
            } else {
              lo = a;
            }
          }
          nearest = std::min(nearest, distance((lo + hi) / 2));
        }
        ASSERT_LE(nearest, QuadToCubicPen::kClosenessLimit + 0.1)
            << "seed " << seed << " round " << round << " piece " << j << " s " << s;
      }
    }
  }
  EXPECT_GT(merged, 130) << "seed " << seed;
}

}  // namespace
}  // namespace sorvella
