// Node headers of the packed outline buffer: type in the low byte, point count in bits 0-3,
// the editor's selected bit and the connection in bits 12-15; plus a value form of one node.
#pragma once

#include <cstdint>
#include <vector>

#include "glyph/geometry.h"

namespace sorvella {

namespace node_type {
constexpr uint8_t kMove = 0x11;
constexpr uint8_t kLine = 0x01;
constexpr uint8_t kCurve = 0x23;
constexpr uint8_t kOffCurve = 0x41;
constexpr uint8_t kPlain = 0x51;  // read from files only
}  // namespace node_type

namespace node_flag {
constexpr uint16_t kSelected = 0x0400;
constexpr uint16_t kConnectionMask = 0xF000;
constexpr uint16_t kSharp = 0x0000;
constexpr uint16_t kSmooth = 0x1000;
constexpr uint16_t kFixed = 0x3000;
}  // namespace node_flag

inline uint8_t nodeTypeOf(uint16_t header) { return static_cast<uint8_t>(header & 0xFF); }
inline int nodePointCountOf(uint16_t header) { return header & 0x0F; }
inline uint16_t nodeConnectionOf(uint16_t header) { return header & node_flag::kConnectionMask; }
inline bool isOnCurveType(uint8_t type) { return type != node_type::kOffCurve; }

// One node outside the buffer: its header and P x M points, point-major
// (point k of master m is points[k * M + m]).
struct Node {
  uint16_t header = 0;
  std::vector<Point> points;

  uint8_t type() const { return nodeTypeOf(header); }
  int pointCount() const { return nodePointCountOf(header); }

  // A node of the given type whose points all lie at p in every master.
  static Node make(uint8_t type, int masterCount, Point p);
  static Node move(Point p, int masterCount = 1) { return make(node_type::kMove, masterCount, p); }
  static Node line(Point p, int masterCount = 1) { return make(node_type::kLine, masterCount, p); }
  static Node offCurve(Point p, int masterCount = 1) {
    return make(node_type::kOffCurve, masterCount, p);
  }
  // Single-master curve: end point, then the control leaving the previous node, then the one
  // entering the end point.
  static Node curve(Point end, Point control1, Point control2);

  friend bool operator==(const Node&, const Node&) = default;
};

}  // namespace sorvella
