#include "glyph/subset_font.h"

#include <algorithm>

namespace sorvella {

SubsetFont::SubsetFont() : masters_(1) {}

void SubsetFont::setMasterCount(int count) {
  masters_.resize(static_cast<std::size_t>(std::clamp(count, 1, kMaxMasters)));
}

Glyph* SubsetFont::glyph(int32_t slot) {
  if (slot < 0 || slot >= slotCount()) return nullptr;
  return slots_[static_cast<std::size_t>(slot)].get();
}

const Glyph* SubsetFont::glyph(int32_t slot) const {
  if (slot < 0 || slot >= slotCount()) return nullptr;
  return slots_[static_cast<std::size_t>(slot)].get();
}

void SubsetFont::appendSlot(std::unique_ptr<Glyph> glyph) {
  slots_.push_back(std::move(glyph));
}

void SubsetFont::setGlyph(int32_t slot, std::unique_ptr<Glyph> glyph) {
  if (slot < 0) return;
  if (slot >= slotCount()) slots_.resize(static_cast<std::size_t>(slot) + 1);
  slots_[static_cast<std::size_t>(slot)] = std::move(glyph);
}

std::unique_ptr<Glyph> SubsetFont::takeGlyph(int32_t slot) {
  if (slot < 0 || slot >= slotCount()) return nullptr;
  return std::move(slots_[static_cast<std::size_t>(slot)]);
}

}  // namespace sorvella
