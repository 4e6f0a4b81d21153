#include "editor/undo_store.h"

namespace sorvella {

void UndoStore::append(int32_t kind, int32_t glyphNumber, const Glyph& glyph) {
  if (entries_.size() >= kCapacity) entries_.erase(entries_.begin());
  entries_.push_back(Entry{kind, glyphNumber, glyph});
  position_ = entries_.size() - 1;
}

void UndoStore::record(int32_t kind, int32_t glyphNumber, Glyph& glyph) {
  if (!entries_.empty() && !holds(glyphNumber)) clear();
  if (!atTop_ && !entries_.empty())
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position_) + 1, entries_.end());
  append(kind, glyphNumber, glyph);
  atTop_ = true;
  glyph.trueTypeData().reset();
}

bool UndoStore::canUndo(int32_t glyphNumber) const {
  if (!holds(glyphNumber)) return false;
  return atTop_ || position_ > 0;
}

bool UndoStore::canRedo(int32_t glyphNumber) const {
  return holds(glyphNumber) && !atTop_ && position_ + 1 < entries_.size();
}

bool UndoStore::undo(int32_t glyphNumber, Glyph& glyph) {
  if (!canUndo(glyphNumber)) return false;
  if (atTop_) {
    // So that a redo can come back to the glyph as it is now.
    append(entries_[position_].kind, glyphNumber, glyph);
    atTop_ = false;
  }
  if (position_ == 0) return false;
  --position_;
  glyph = entries_[position_].glyph;
  return true;
}

bool UndoStore::redo(int32_t glyphNumber, Glyph& glyph) {
  if (!canRedo(glyphNumber)) return false;
  ++position_;
  glyph = entries_[position_].glyph;
  return true;
}

void UndoStore::clear() {
  entries_.clear();
  position_ = 0;
  atTop_ = true;
}

int32_t UndoStore::currentKind() const {
  return entries_.empty() ? -1 : entries_[position_].kind;
}

}  // namespace sorvella
