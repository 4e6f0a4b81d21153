// Random outlines, hints, programs, zones and parameters for the autohinter: it must neither
// crash nor hang, a program it leaves must name existing hints and nodes, and one it leaves on
// an outline must hold no conflicting hints in a set.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "glyph/glyph.h"
#include "outline/autohint.h"
#include "outline/autohint_replacement.h"

namespace {

using namespace sorvella;

class Bytes {
 public:
  explicit Bytes(std::span<const uint8_t> data) : data_(data) {}
  bool more() const { return at_ < data_.size(); }
  uint8_t byte() { return more() ? data_[at_++] : 0; }
  int16_t number() {
    const uint8_t high = byte();
    return static_cast<int16_t>(high << 8 | byte());
  }

 private:
  std::span<const uint8_t> data_;
  std::size_t at_ = 0;
};

std::vector<Hint> hints(Bytes& in, int masters) {
  std::vector<Hint> list(in.byte() % 8);
  for (Hint& h : list)
    for (int m = 0; m < masters; ++m) h.masters.push_back({in.number(), in.number()});
  return list;
}

void check(const Glyph& g) {
  if (!g.hints()) return;
  const GlyphHints& h = *g.hints();
  for (const HintReplacementEntry& e : h.replacement) {
    const bool inRange =
        e.kind == hint_kind::kHorizontal ? e.value >= 0 && e.value < int32_t(h.horizontal.size())
        : e.kind == hint_kind::kVertical ? e.value >= 0 && e.value < int32_t(h.vertical.size())
        : e.kind == hint_kind::kReplacementPoint
            ? e.value < g.nodeCount() && -e.value < g.nodeCount()
            : false;
    if (!inRange) std::abort();
  }
  // A glyph without nodes keeps whatever program it came with.
  if (!g.empty() && !h.replacement.empty() && hintSetsConflict(h)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  Bytes in(std::span(data, size));
  const int masters = 1 + in.byte() % 3;
  const uint8_t flags = in.byte();
  AutohintParameters p;
  p.removeHints = flags & 1;
  p.minHLength = in.byte();
  p.minVLength = in.byte();
  p.minHWidth = in.byte();
  p.maxHWidth = in.byte() * 4;
  p.minVWidth = in.byte();
  p.maxVWidth = in.byte() * 4;
  p.hRatio = in.byte() / 16.0;
  p.vRatio = in.byte() / 16.0;
  std::vector<AlignmentZone> zones(in.byte() % 32);
  for (AlignmentZone& z : zones) z = {in.number(), in.number()};

  Glyph g(masters);
  if (flags & 2) {
    GlyphHints& h = g.hints().emplace();
    h.horizontal = hints(in, masters);
    h.vertical = hints(in, masters);
    for (int k = in.byte() % 8; k > 0; --k) {
      static constexpr uint16_t kKinds[] = {hint_kind::kHorizontal, hint_kind::kVertical,
                                            hint_kind::kReplacementPoint};
      h.replacement.push_back({kKinds[in.byte() % 3], static_cast<int8_t>(in.byte())});
    }
  }
  static constexpr uint8_t kTypes[] = {node_type::kMove, node_type::kLine, node_type::kCurve,
                                       node_type::kOffCurve, node_type::kPlain};
  while (in.more()) {
    Node n;
    n.header = kTypes[in.byte() % 5];
    for (int k = 0; k < n.pointCount() * masters; ++k)
      n.points.push_back({in.number(), in.number()});
    g.appendNode(n);
  }

  Glyph again = g;
  const AutohintStatus status = autohint(g, flags >> 2, zones, p);
  if (status != AutohintStatus::kOk) return 0;
  check(g);
  // The same input gives the same hints.
  if (autohint(again, flags >> 2, zones, p) != status || again.hints() != g.hints()) std::abort();
  return 0;
}
