// Outline: nodes packed one after another in one buffer (header word, then P x M points),
// with the node operations every outline algorithm, reader and the editor build on.
#pragma once

#include <cstdint>
#include <vector>

#include "glyph/geometry.h"
#include "glyph/node.h"

namespace sorvella {

class OutlinePen;

enum OutlineStatus : int32_t {
  kOutlineOk = 0,
  kOutlineIndexOutOfRange = 1,
  kOutlineNoData = 2,
  kOutlineOutOfMemory = 3,
  kOutlineMasterCountsDiffer = 4,
};

class Outline {
 public:
  static constexpr int kMaxMasters = 16;

  explicit Outline(int masterCount = 1);
  Outline(const Outline& other);
  Outline& operator=(const Outline& other);
  Outline(Outline&& other) noexcept;
  Outline& operator=(Outline&& other) noexcept;
  virtual ~Outline() = default;

  int masterCount() const { return masterCount_; }
  int nodeCount() const { return nodeCount_; }
  bool empty() const { return nodeCount_ == 0; }
  uint32_t usedSize() const { return static_cast<uint32_t>(words_.size() * 2); }
  uint32_t capacity() const { return capacity_; }
  uint32_t growthStep() const { return static_cast<uint32_t>(masterCount_) * 32 + 8; }
  int32_t status() const { return status_; }
  void resetStatus() { status_ = kOutlineOk; }
  // Changes with every edit, so that dependants (cached boxes) can tell when to recompute.
  uint64_t revision() const { return revision_; }

  // Node access. An index out of range sets status 1 (status 2 for an empty outline) and
  // yields nothing: header 0, point (0, 0), false.
  bool hasNode(int i) const { return i >= 0 && i < nodeCount_; }
  uint16_t header(int i) const;
  uint8_t type(int i) const { return nodeTypeOf(header(i)); }
  int pointCount(int i) const { return nodePointCountOf(header(i)); }
  Point point(int i, int k = 0, int m = 0) const;
  bool setPoint(int i, int k, int m, Point p);
  // Changes header bits 8-15 only (selection, connection); type and point count stay.
  bool setHeaderFlags(int i, uint16_t mask, uint16_t value);
  Node node(int i) const;
  bool isSelected(int i) const { return (header(i) & node_flag::kSelected) != 0; }
  void setSelected(int i, bool selected);

  // Structure. Nodes must carry pointCount x masterCount points.
  bool appendNode(const Node& n);
  bool insertNode(int i, const Node& n);  // i at or past the end appends
  bool replaceNode(int i, const Node& n);
  bool deleteNode(int i);
  bool deleteNodes(int i, int n);  // clamped to the end
  bool appendNodes(const Outline& source, int j, int n);
  bool insertNodes(int i, const Outline& source, int j, int n);
  // Replaces nodes [i, i + n) by all nodes of `replacement`.
  bool replaceNodes(int i, int n, const Outline& replacement);
  void clearNodes();
  // Empties the outline and gives it a new master count.
  void reset(int masterCount);

  // Contours.
  int contourStart(int i) const;
  int contourEnd(int i) const;
  int previousOnCurve(int i) const;  // -1 when none
  int nextOnCurve(int i) const;      // -1 when none
  int contourCount() const;
  int contourNumberOf(int i) const;  // -1 when i is out of range
  int contourStartByNumber(int number) const;  // -1 when there is no such contour

  // Selection (bit 0x0400 of every header).
  void selectAll();
  void deselectAll();
  bool anySelected() const;
  int countSelected() const;

  // Widens `box` by every point, end and control points alike, of master m.
  void widenControlBox(int m, Box& box) const;
  // Drives `pen` over master m from node `first`.
  void enumerate(OutlinePen& pen, int m = 0, int first = 0) const;

  // Copies master count and nodes; takeOver adopts the other buffer without copying.
  void assign(const Outline& other);
  void takeOver(Outline&& other);
  // Lowers the capacity to the used size (builders call it when done).
  void shrinkToFit();
  // Makes room for `bytes` more without changing the content.
  bool reserveMore(uint32_t bytes);

  bool sameNodes(const Outline& other) const;

 protected:
  // Called after every change of the node structure (not after point moves).
  virtual void structureChanged() {}
  void setStatus(int32_t s) const { status_ = s; }

 private:
  uint32_t nodeWords(uint16_t header) const {
    return 1 + 2 * static_cast<uint32_t>(nodePointCountOf(header)) * masterCount_;
  }
  bool checkIndex(int i) const;
  uint32_t offsetOf(int i) const;  // in words; i == nodeCount gives the end
  void buildIndex() const;
  bool ensureCapacity(std::size_t words);
  void shrinkAfterDelete();
  bool validNodeShape(const Node& n) const;
  void touch(bool structural);

  int masterCount_ = 1;
  int nodeCount_ = 0;
  std::vector<uint16_t> words_;  // the node buffer, one header word or coordinate per entry
  uint32_t capacity_ = 0;        // bytes
  mutable int32_t status_ = kOutlineOk;
  mutable std::vector<uint32_t> index_;  // word offset of every node, built on demand
  mutable bool indexValid_ = false;
  uint64_t revision_ = 0;
};

}  // namespace sorvella
