// The glyph editor's undo store of one subset font: up to 100 copies of a glyph taken before
// its edits, with a position for undo and redo. A change of glyph empties it.
#pragma once

#include <cstdint>
#include <vector>

#include "glyph/glyph.h"

namespace sorvella {

class UndoStore {
 public:
  static constexpr std::size_t kCapacity = 100;

  // Before an edit of `glyph` (number `glyphNumber`): keeps a copy of it and drops its
  // TrueType data, which the edit makes stale.
  void record(int32_t kind, int32_t glyphNumber, Glyph& glyph);
  bool canUndo(int32_t glyphNumber) const;
  bool canRedo(int32_t glyphNumber) const;
  // Replace `glyph` by the earlier or later copy; false when not allowed.
  bool undo(int32_t glyphNumber, Glyph& glyph);
  bool redo(int32_t glyphNumber, Glyph& glyph);
  void clear();

  std::size_t size() const { return entries_.size(); }
  bool atTop() const { return atTop_; }
  // The kind of the entry the position is at, or -1.
  int32_t currentKind() const;

 private:
  struct Entry {
    int32_t kind = 0;
    int32_t glyphNumber = 0;
    Glyph glyph;
  };
  bool holds(int32_t glyphNumber) const {
    return !entries_.empty() && entries_.front().glyphNumber == glyphNumber;
  }
  void append(int32_t kind, int32_t glyphNumber, const Glyph& glyph);

  std::vector<Entry> entries_;
  std::size_t position_ = 0;
  bool atTop_ = true;
};

}  // namespace sorvella
