// The autohinter's edges: near-horizontal and near-vertical pieces of an outline projected on
// a 256-cell grid, merged by position and direction, and paired into stems.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "glyph/geometry.h"
#include "outline/hint_zones.h"

namespace sorvella::autohint_detail {

struct Edge {
  std::array<uint64_t, 4> coverage{};  // grid cells along the edge's direction
  int32_t position = 0;                // y of a horizontal edge, x of a vertical one
  int64_t length = 0;                  // signed: its sign is the edge's direction
  int32_t node = -1;                   // the node of the last piece added

  int direction() const { return (length > 0) - (length < 0); }
};

// Directions differ and the coverage sets share a cell.
bool compatible(const Edge& a, const Edge& b);

// A flat part of the outline on an alignment zone.
struct ZoneContact {
  int32_t node = 0;
  int32_t zone = 0;
  int32_t coordinate = 0;
};

enum class PieceKind { kStraight, kStartTangent, kEndTangent };

class EdgeCollector {
 public:
  // `box` is the outline's box, which fixes the grid; contacts of exactly horizontal pieces
  // with `zones` go to `contacts`.
  EdgeCollector(const Box& box, std::span<const AlignmentZone> zones,
                std::vector<ZoneContact>& contacts);

  // The piece from p to q, found at `node`; ignored when empty or neither near-horizontal nor
  // near-vertical.
  void collect(Point p, Point q, PieceKind kind, int32_t node);

  // The merged edges of one direction whose |length| reaches minLength, sorted by position.
  std::vector<Edge> edges(bool vertical, int64_t minLength) const;

 private:
  struct GridAxis {
    double scale = 7.0;
    int32_t offset = 0;
    int cell(int32_t v) const;
  };
  struct Piece {
    int32_t position = 0;
    int32_t node = 0;
    int64_t length = 0;
    int16_t firstCell = 0;  // cells strictly between these two are covered
    int16_t lastCell = 0;
  };

  static GridAxis axis(int16_t min, int16_t max);

  GridAxis x_;
  GridAxis y_;
  std::span<const AlignmentZone> zones_;
  std::vector<ZoneContact>& contacts_;
  std::vector<Piece> horizontal_;
  std::vector<Piece> vertical_;
};

struct StemLimits {
  int32_t minWidth = 0;
  int32_t maxWidth = 0;
  double ratio = 0;
};

// Pairs sorted edges into stems, the forward pass and then the backward pass; addStem(i, j)
// receives each accepted pair, i the edge the stem's position comes from.
class EdgePairing {
 public:
  EdgePairing(const std::vector<Edge>& edges, const StemLimits& limits, bool horizontal)
      : edges_(edges),
        limits_(limits),
        horizontal_(horizontal),
        count_(static_cast<int>(edges.size())) {}

  template <typename AddStem>
  void run(AddStem&& addStem) const {
    forward(addStem);
    backward(addStem);
  }

 private:
  enum class Check { kAccept, kTooNarrow, kTooWide };

  Check check(int a, int b) const;
  int nextPartner(int a, int k) const;
  int previousPartner(int a, int k) const;
  int nextSameDirection(int i) const;
  int previousSameDirection(int i) const;

  template <typename AddStem>
  void forward(AddStem& addStem) const {
    if (count_ == 0) return;
    int i = 0;
    int j = nextPartner(0, 0);
    while (j >= 0 && i < count_ - 1) {
      switch (check(i, j)) {
        case Check::kAccept: {
          addStem(i, j);
          const int oldJ = j;
          i = nextSameDirection(i);
          j = nextPartner(i, horizontal_ ? oldJ : i);
          break;
        }
        case Check::kTooNarrow:
          j = nextPartner(i, j);
          break;
        case Check::kTooWide:
          i = nextSameDirection(i);
          j = nextPartner(i, i);
          break;
      }
    }
  }

  template <typename AddStem>
  void backward(AddStem& addStem) const {
    int i = count_ - 1;
    int j = previousPartner(i, i);
    while (j >= 0 && i > 0) {
      switch (check(i, j)) {
        case Check::kAccept:
          addStem(i, j);
          i = previousSameDirection(i);
          j = previousPartner(i, i);
          break;
        case Check::kTooNarrow:
          j = previousPartner(i, j);
          break;
        case Check::kTooWide:
          i = previousSameDirection(i);
          j = previousPartner(i, i);
          break;
      }
    }
  }

  const std::vector<Edge>& edges_;
  StemLimits limits_;
  bool horizontal_;
  int count_;
};

}  // namespace sorvella::autohint_detail
