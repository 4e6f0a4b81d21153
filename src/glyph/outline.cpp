#include "glyph/outline.h"

#include <algorithm>
#include <atomic>
#include <new>

namespace sorvella {

namespace {

uint16_t word(int16_t v) { return static_cast<uint16_t>(v); }
int16_t coord(uint16_t w) { return static_cast<int16_t>(w); }

// Buffers past this size could not be written as a record's 32-bit used size.
constexpr std::size_t kMaxBufferBytes = 0x7FFFFFF0;

}  // namespace

Outline::Outline(int masterCount) : masterCount_(std::clamp(masterCount, 1, kMaxMasters)) {}

Outline::Outline(const Outline& other) { assign(other); }

Outline& Outline::operator=(const Outline& other) {
  if (this != &other) assign(other);
  return *this;
}

Outline::Outline(Outline&& other) noexcept { takeOver(std::move(other)); }

Outline& Outline::operator=(Outline&& other) noexcept {
  if (this != &other) takeOver(std::move(other));
  return *this;
}

void Outline::touch(bool structural) {
  // Unique across all outlines, so a copied cache can never match a later state by chance.
  static std::atomic<uint64_t> counter{0};
  revision_ = ++counter;
  if (structural) structureChanged();
}

bool Outline::checkIndex(int i) const {
  if (nodeCount_ == 0) {
    status_ = kOutlineNoData;
    return false;
  }
  if (i < 0 || i >= nodeCount_) {
    status_ = kOutlineIndexOutOfRange;
    return false;
  }
  return true;
}

void Outline::buildIndex() const {
  index_.clear();
  index_.reserve(static_cast<std::size_t>(nodeCount_) + 1);
  uint32_t offset = 0;
  for (int i = 0; i < nodeCount_; ++i) {
    index_.push_back(offset);
    offset += nodeWords(words_[offset]);
  }
  index_.push_back(offset);
  indexValid_ = true;
}

uint32_t Outline::offsetOf(int i) const {
  if (!indexValid_) buildIndex();
  return index_[static_cast<std::size_t>(i)];
}

bool Outline::ensureCapacity(std::size_t words) {
  std::size_t needed = words * 2;
  if (needed <= capacity_) return true;
  // Grows by the larger of one step and the whole amount asked for.
  std::size_t requested = needed - usedSize();
  std::size_t grown = capacity_ + std::max<std::size_t>(growthStep(), requested);
  if (grown > kMaxBufferBytes) {
    status_ = kOutlineOutOfMemory;
    return false;
  }
  try {
    words_.reserve(grown / 2);
  } catch (const std::bad_alloc&) {
    status_ = kOutlineOutOfMemory;
    return false;
  }
  capacity_ = static_cast<uint32_t>(grown);
  return true;
}

bool Outline::reserveMore(uint32_t bytes) {
  return ensureCapacity(words_.size() + (static_cast<std::size_t>(bytes) + 1) / 2);
}

void Outline::shrinkAfterDelete() {
  uint32_t step = growthStep();
  uint32_t used = usedSize();
  if (capacity_ - used <= step) return;
  capacity_ = (used + step - 1) / step * step;
  std::vector<uint16_t> smaller;
  smaller.reserve(capacity_ / 2);
  smaller.assign(words_.begin(), words_.end());
  words_.swap(smaller);
}

void Outline::shrinkToFit() {
  capacity_ = usedSize();
  words_.shrink_to_fit();
}

uint16_t Outline::header(int i) const {
  if (!checkIndex(i)) return 0;
  return words_[offsetOf(i)];
}

Point Outline::point(int i, int k, int m) const {
  if (!checkIndex(i)) return {};
  uint32_t o = offsetOf(i);
  if (k < 0 || k >= nodePointCountOf(words_[o]) || m < 0 || m >= masterCount_) {
    status_ = kOutlineIndexOutOfRange;
    return {};
  }
  std::size_t at = o + 1 + 2 * static_cast<std::size_t>(k * masterCount_ + m);
  return {coord(words_[at]), coord(words_[at + 1])};
}

bool Outline::setPoint(int i, int k, int m, Point p) {
  if (!checkIndex(i)) return false;
  uint32_t o = offsetOf(i);
  if (k < 0 || k >= nodePointCountOf(words_[o]) || m < 0 || m >= masterCount_) {
    status_ = kOutlineIndexOutOfRange;
    return false;
  }
  std::size_t at = o + 1 + 2 * static_cast<std::size_t>(k * masterCount_ + m);
  words_[at] = word(p.x);
  words_[at + 1] = word(p.y);
  touch(false);
  return true;
}

bool Outline::setHeaderFlags(int i, uint16_t mask, uint16_t value) {
  if (!checkIndex(i)) return false;
  mask &= 0xFF00;
  uint16_t& h = words_[offsetOf(i)];
  h = static_cast<uint16_t>((h & ~mask) | (value & mask));
  touch(false);
  return true;
}

void Outline::setSelected(int i, bool selected) {
  setHeaderFlags(i, node_flag::kSelected, selected ? node_flag::kSelected : 0);
}

Node Outline::node(int i) const {
  Node n;
  if (!checkIndex(i)) return n;
  uint32_t o = offsetOf(i);
  n.header = words_[o];
  std::size_t count = static_cast<std::size_t>(n.pointCount() * masterCount_);
  n.points.resize(count);
  for (std::size_t p = 0; p < count; ++p)
    n.points[p] = {coord(words_[o + 1 + 2 * p]), coord(words_[o + 2 + 2 * p])};
  return n;
}

bool Outline::validNodeShape(const Node& n) const {
  switch (n.type()) {
    case node_type::kMove:
    case node_type::kLine:
    case node_type::kCurve:
    case node_type::kOffCurve:
    case node_type::kPlain:
    case 0:
      break;
    default:
      return false;
  }
  return n.points.size() == static_cast<std::size_t>(n.pointCount() * masterCount_);
}

bool Outline::appendNode(const Node& n) { return insertNode(nodeCount_, n); }

bool Outline::insertNode(int i, const Node& n) {
  if (!validNodeShape(n)) {
    status_ = kOutlineNoData;
    return false;
  }
  if (i < 0) i = 0;
  if (i > nodeCount_) i = nodeCount_;
  uint32_t size = nodeWords(n.header);
  if (!ensureCapacity(words_.size() + size)) return false;
  uint32_t o = i == nodeCount_ ? static_cast<uint32_t>(words_.size()) : offsetOf(i);
  auto at = words_.insert(words_.begin() + o, size, 0);
  *at++ = n.header;
  for (const Point& p : n.points) {
    *at++ = word(p.x);
    *at++ = word(p.y);
  }
  if (indexValid_) {
    index_.insert(index_.begin() + i, o);
    for (std::size_t k = static_cast<std::size_t>(i) + 1; k < index_.size(); ++k) index_[k] += size;
  }
  ++nodeCount_;
  touch(true);
  return true;
}

bool Outline::replaceNode(int i, const Node& n) {
  if (!checkIndex(i)) return false;
  if (!validNodeShape(n)) {
    status_ = kOutlineNoData;
    return false;
  }
  Outline single(masterCount_);
  single.appendNode(n);
  return replaceNodes(i, 1, single);
}

bool Outline::deleteNode(int i) {
  if (!checkIndex(i)) return false;
  uint32_t o = offsetOf(i);
  uint32_t size = nodeWords(words_[o]);
  words_.erase(words_.begin() + o, words_.begin() + o + size);
  if (indexValid_) {
    index_.erase(index_.begin() + i);
    for (std::size_t k = static_cast<std::size_t>(i); k < index_.size(); ++k) index_[k] -= size;
  }
  --nodeCount_;
  shrinkAfterDelete();
  touch(true);
  return true;
}

bool Outline::deleteNodes(int i, int n) {
  if (!checkIndex(i)) return false;
  if (n <= 0) return true;
  int last = static_cast<int>(std::min<int64_t>(int64_t{i} + n, nodeCount_));
  uint32_t from = offsetOf(i);
  uint32_t to = offsetOf(last);
  words_.erase(words_.begin() + from, words_.begin() + to);
  nodeCount_ -= last - i;
  indexValid_ = false;
  shrinkAfterDelete();
  touch(true);
  return true;
}

bool Outline::appendNodes(const Outline& source, int j, int n) {
  return insertNodes(nodeCount_, source, j, n);
}

bool Outline::insertNodes(int i, const Outline& source, int j, int n) {
  if (source.masterCount_ != masterCount_) {
    status_ = kOutlineMasterCountsDiffer;
    return false;
  }
  if (n <= 0) return true;
  if (!source.checkIndex(j)) {
    status_ = source.status_;
    return false;
  }
  int last = static_cast<int>(std::min<int64_t>(int64_t{j} + n, source.nodeCount_));
  uint32_t from = source.offsetOf(j);
  uint32_t to = source.offsetOf(last);
  // Copy first: the source may be this outline.
  std::vector<uint16_t> copied(source.words_.begin() + from, source.words_.begin() + to);
  if (!ensureCapacity(words_.size() + copied.size())) return false;
  if (i < 0) i = 0;
  if (i > nodeCount_) i = nodeCount_;
  uint32_t at = i == nodeCount_ ? static_cast<uint32_t>(words_.size()) : offsetOf(i);
  words_.insert(words_.begin() + at, copied.begin(), copied.end());
  nodeCount_ += last - j;
  indexValid_ = false;
  touch(true);
  return true;
}

bool Outline::replaceNodes(int i, int n, const Outline& replacement) {
  if (replacement.masterCount_ != masterCount_) {
    status_ = kOutlineMasterCountsDiffer;
    return false;
  }
  if (nodeCount_ == 0 && i == 0 && n == 0) return appendNodes(replacement, 0, replacement.nodeCount_);
  if (!checkIndex(i)) return false;
  int last = static_cast<int>(std::min<int64_t>(int64_t{i} + std::max(n, 0), nodeCount_));
  uint32_t from = offsetOf(i);
  uint32_t to = offsetOf(last);
  std::size_t newSize = words_.size() - (to - from) + replacement.words_.size();
  if (!ensureCapacity(newSize)) return false;
  std::vector<uint16_t> inserted(replacement.words_);
  words_.erase(words_.begin() + from, words_.begin() + to);
  words_.insert(words_.begin() + from, inserted.begin(), inserted.end());
  nodeCount_ += replacement.nodeCount_ - (last - i);
  indexValid_ = false;
  shrinkAfterDelete();
  touch(true);
  return true;
}

void Outline::clearNodes() {
  words_.clear();
  nodeCount_ = 0;
  indexValid_ = false;
  shrinkAfterDelete();
  touch(true);
}

void Outline::reset(int masterCount) {
  words_.clear();
  words_.shrink_to_fit();
  capacity_ = 0;
  nodeCount_ = 0;
  masterCount_ = std::clamp(masterCount, 1, kMaxMasters);
  indexValid_ = false;
  status_ = kOutlineOk;
  touch(true);
}

int Outline::contourStart(int i) const {
  if (!checkIndex(i)) return -1;
  while (i > 0 && type(i) != node_type::kMove) --i;
  return i;
}

int Outline::contourEnd(int i) const {
  if (!checkIndex(i)) return -1;
  while (i + 1 < nodeCount_ && type(i + 1) != node_type::kMove) ++i;
  return i;
}

int Outline::previousOnCurve(int i) const {
  if (!checkIndex(i)) return -1;
  for (int k = i - 1; k >= 0; --k)
    if (isOnCurveType(type(k))) return k;
  return -1;
}

int Outline::nextOnCurve(int i) const {
  if (!checkIndex(i)) return -1;
  for (int k = i + 1; k < nodeCount_; ++k)
    if (isOnCurveType(type(k))) return k;
  return -1;
}

int Outline::contourCount() const {
  int count = 0;
  for (int i = 0; i < nodeCount_; ++i)
    if (i == 0 || type(i) == node_type::kMove) ++count;
  return count;
}

int Outline::contourNumberOf(int i) const {
  if (!checkIndex(i)) return -1;
  int number = -1;
  for (int k = 0; k <= i; ++k)
    if (k == 0 || type(k) == node_type::kMove) ++number;
  return number;
}

int Outline::contourStartByNumber(int number) const {
  int seen = -1;
  for (int k = 0; k < nodeCount_; ++k) {
    if (k == 0 || type(k) == node_type::kMove) {
      if (++seen == number) return k;
    }
  }
  return -1;
}

void Outline::selectAll() {
  for (int i = 0; i < nodeCount_; ++i) words_[offsetOf(i)] |= node_flag::kSelected;
  touch(false);
}

void Outline::deselectAll() {
  for (int i = 0; i < nodeCount_; ++i)
    words_[offsetOf(i)] &= static_cast<uint16_t>(~node_flag::kSelected);
  touch(false);
}

bool Outline::anySelected() const {
  for (int i = 0; i < nodeCount_; ++i)
    if (words_[offsetOf(i)] & node_flag::kSelected) return true;
  return false;
}

int Outline::countSelected() const {
  int count = 0;
  for (int i = 0; i < nodeCount_; ++i)
    if (words_[offsetOf(i)] & node_flag::kSelected) ++count;
  return count;
}

void Outline::widenControlBox(int m, Box& box) const {
  if (m < 0 || m >= masterCount_) return;
  for (int i = 0; i < nodeCount_; ++i) {
    int points = pointCount(i);
    for (int k = 0; k < points; ++k) box.include(point(i, k, m));
  }
}

void Outline::assign(const Outline& other) {
  if (this == &other) return;
  masterCount_ = other.masterCount_;
  nodeCount_ = other.nodeCount_;
  words_ = other.words_;
  capacity_ = other.usedSize();
  indexValid_ = false;
  status_ = kOutlineOk;
  touch(true);
}

void Outline::takeOver(Outline&& other) {
  if (this == &other) return;
  masterCount_ = other.masterCount_;
  nodeCount_ = other.nodeCount_;
  words_ = std::move(other.words_);
  capacity_ = other.capacity_;
  indexValid_ = false;
  status_ = kOutlineOk;
  other.words_.clear();
  other.nodeCount_ = 0;
  other.capacity_ = 0;
  other.indexValid_ = false;
  other.touch(true);
  touch(true);
}

bool Outline::sameNodes(const Outline& other) const {
  return masterCount_ == other.masterCount_ && nodeCount_ == other.nodeCount_ &&
         words_ == other.words_;
}

}  // namespace sorvella
