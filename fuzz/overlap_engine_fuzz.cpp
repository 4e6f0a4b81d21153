// Random contours from the input bytes: remove overlap, union and subtraction must never
// crash or hang, and a run that fails must leave the outline as it was. Inputs are capped,
// so a run stays small whatever the fuzzer makes.
#include <cstdint>
#include <cstdlib>

#include "glyph/glyph.h"
#include "outline/overlap_engine.h"
#include "outline/overlap_removal.h"

namespace {

constexpr std::size_t kMaxInput = 1024;

class Bytes {
 public:
  Bytes(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool more() const { return at_ < size_; }
  uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  sorvella::Point point() {
    // Small steps mostly, so that contours meet; sometimes anywhere.
    uint8_t kind = byte();
    auto coordinate = [&] {
      int16_t v = static_cast<int16_t>(byte() | (byte() << 8));
      return (kind & 0x80) ? v : static_cast<int16_t>(v % 512);
    };
    int16_t x = coordinate();
    return {x, coordinate()};
  }

 private:
  const uint8_t* data_;
  std::size_t size_, at_ = 0;
};

// Nodes until the input ends; the first is always a move.
sorvella::Glyph glyphFrom(Bytes& in, int maxNodes) {
  sorvella::Glyph g;
  for (int n = 0; n < maxNodes && in.more(); ++n) {
    uint8_t op = in.byte() % 5;
    if (g.empty()) op = 0;
    if (op == 0) g.appendNode(sorvella::Node::move(in.point()));
    if (op == 1) g.appendNode(sorvella::Node::line(in.point()));
    if (op == 2) g.appendNode(sorvella::Node::offCurve(in.point()));
    if (op >= 3) {
      sorvella::Point c1 = in.point(), c2 = in.point();
      g.appendNode(sorvella::Node::curve(in.point(), c1, c2));
    }
  }
  return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2 || size > kMaxInput) return 0;
  const uint8_t control = data[0];
  const uint16_t mode = control & 3;
  sorvella::OverlapLimits limits;
  if (control & 0x10) limits.maxEdges = 200;  // reach the table limit now and then
  Bytes in(data + 1, size - 1);
  if (control & 0x04) {
    sorvella::Glyph glyph = glyphFrom(in, in.byte() % 40 + 1);
    sorvella::Glyph other = glyphFrom(in, 60);
    sorvella::OverlapEngine a(limits), b(limits);
    glyph.enumerate(a);
    other.enumerate(b);
    auto status = (control & 0x08) ? subtract(a, b, mode) : unite(a, b, mode);
    sorvella::Outline out(1);
    sorvella::OutlineBuilder builder(out);
    a.writeResult(builder);
    if (status != sorvella::OverlapStatus::kOk && !out.empty()) std::abort();
    return 0;
  }
  sorvella::Glyph glyph = glyphFrom(in, 60);
  const sorvella::Glyph before = glyph;
  auto status = sorvella::removeOverlap(glyph, 0, mode, limits);
  if (status != sorvella::OverlapStatus::kOk && !glyph.sameNodes(before)) std::abort();
  if (status == sorvella::OverlapStatus::kOk) {
    // What remove overlap makes, it takes back unchanged in shape.
    sorvella::Glyph again = glyph;
    if (sorvella::removeOverlap(again, 0, mode | 2, limits) == sorvella::OverlapStatus::kOk)
      (void)again.boundingBox();
  }
  return 0;
}
