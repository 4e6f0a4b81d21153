#include "glyph/glyph.h"

#include <algorithm>

namespace sorvella {

Glyph::Glyph(int masterCount) : Outline(masterCount) { makeRoomForAdvances(); }

void Glyph::setName(std::string_view name) {
  name_.assign(name.substr(0, std::min(name.size(), kMaxNameLength)));
}

Point Glyph::advance(int master) const {
  if (master < 0 || static_cast<std::size_t>(master) >= advances_.size()) return {};
  return advances_[static_cast<std::size_t>(master)];
}

void Glyph::setAdvance(int master, Point advance) {
  if (master < 0 || master >= masterCount()) return;
  makeRoomForAdvances();
  advances_[static_cast<std::size_t>(master)] = advance;
}

void Glyph::makeRoomForAdvances() { advances_.resize(static_cast<std::size_t>(masterCount())); }

void Glyph::setKerning(int32_t rightGlyph, int16_t value, int master) {
  if (master < 0 || master >= masterCount()) return;
  auto m = static_cast<std::size_t>(master);
  for (KernPair& pair : kerning_) {
    if (pair.rightGlyph == rightGlyph) {
      if (pair.values.size() <= m) pair.values.resize(static_cast<std::size_t>(masterCount()));
      pair.values[m] = value;
      return;
    }
  }
  KernPair pair;
  pair.rightGlyph = rightGlyph;
  pair.values.assign(static_cast<std::size_t>(masterCount()), 0);
  pair.values[m] = value;
  kerning_.push_back(std::move(pair));
}

void Glyph::structureChanged() {
  highlightedNode_ = -1;
  highlightedPart_ = 0;
}

void Glyph::emptyReplacementProgram() {
  if (hints_) hints_->replacement.clear();
}

void Glyph::clear() {
  reset(1);
  name_.clear();
  advances_.assign(1, Point{});
  hints_.reset();
  guides_.reset();
  components_.clear();
  kerning_.clear();
  trueType_.reset();
}

bool Glyph::sameContent(const Glyph& other) const {
  return sameNodes(other) && name_ == other.name_ && advances_ == other.advances_ &&
         hints_ == other.hints_ && guides_ == other.guides_ &&
         components_ == other.components_ && kerning_ == other.kerning_ &&
         trueType_ == other.trueType_;
}

}  // namespace sorvella
