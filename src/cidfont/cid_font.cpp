#include "cidfont/cid_font.h"

#include <algorithm>

namespace sorvella {

const CharacterRecord& CCidFont::record(int32_t character) const {
  static const CharacterRecord kEmpty = CharacterRecord::empty();
  return validCharacter(character) ? characters_[static_cast<std::size_t>(character)] : kEmpty;
}

CharacterRecord* CCidFont::mutableRecord(int32_t character) {
  return validCharacter(character) ? &characters_[static_cast<std::size_t>(character)] : nullptr;
}

void CCidFont::setRecords(std::vector<CharacterRecord> records) {
  characters_ = std::move(records);
}

int32_t CCidFont::appendRecord(const CharacterRecord& record) {
  characters_.push_back(record);
  return characterCount() - 1;
}

const SubsetFontEntry& CCidFont::subsetFont(int32_t font) const {
  static const SubsetFontEntry kEmpty;
  return font >= 0 && font < subsetFontCount() ? fonts_[static_cast<std::size_t>(font)] : kEmpty;
}

SubsetFontEntry* CCidFont::mutableSubsetFont(int32_t font) {
  return font >= 0 && font < subsetFontCount() ? &fonts_[static_cast<std::size_t>(font)] : nullptr;
}

int32_t CCidFont::addSubsetFont(SubsetFontEntry entry, std::vector<CharacterRecord> records) {
  if (subsetFontCount() >= kMaxSubsetFonts) return -1;
  // Glyph numbers are 16-bit in the records and reach 16383; more would wrap to negatives.
  if (records.size() > static_cast<std::size_t>(kMaxGlyphsPerFont) ||
      entry.characterCount > kMaxGlyphsPerFont)
    return -1;
  int32_t font = subsetFontCount();
  entry.locked = 0;
  fonts_.push_back(std::move(entry));
  characters_.reserve(characters_.size() + records.size());
  // Placed records beyond the CID table would each search the overflow list, which grows with
  // them: a large import would take quadratic time. The table covers them instead.
  int32_t topCid = -1;
  for (const CharacterRecord& r : records) topCid = std::max(topCid, r.cid);
  growCidTable(topCid);
  for (CharacterRecord& r : records) {
    r.font = static_cast<int16_t>(font);
    int32_t character = appendRecord(r);
    if (r.cid >= 0)
      Place(r.cid, character);
    else
      unplaced_.push_back(character);
  }
  modified_ = true;
  return font;
}

void CCidFont::setLocked(int32_t font, bool locked) {
  if (SubsetFontEntry* e = mutableSubsetFont(font)) {
    e->locked = locked ? 1 : 0;
    modified_ = true;
  }
}

int32_t CCidFont::unplacedAt(int32_t position) const {
  return position >= 0 && position < static_cast<int32_t>(unplaced_.size())
             ? unplaced_[static_cast<std::size_t>(position)]
             : -1;
}

void CCidFont::growCidTable(int32_t topCid) {
  topCid = std::min(topCid, kMaxCid);
  if (topCid < static_cast<int32_t>(cidTable_.size())) return;
  cidTable_.resize(static_cast<std::size_t>(topCid) + 1, -1);
  std::erase_if(overflow_, [&](const OverflowPair& p) {
    if (p.cid > topCid) return false;
    cidTable_[static_cast<std::size_t>(p.cid)] = p.character;
    return true;
  });
}

int32_t CCidFont::overflowPosition(int32_t cid) const {
  for (std::size_t i = 0; i < overflow_.size(); ++i)
    if (overflow_[i].cid == cid) return static_cast<int32_t>(i);
  return -1;
}

int32_t CCidFont::CharacterAt(int32_t cid) const {
  if (cid < 0) return -1;
  if (static_cast<std::size_t>(cid) < cidTable_.size())
    return cidTable_[static_cast<std::size_t>(cid)];
  int32_t at = overflowPosition(cid);
  return at < 0 ? -1 : overflow_[static_cast<std::size_t>(at)].character;
}

bool CCidFont::IsLocked(int32_t character) const {
  if (character < 0) return false;
  return subsetFont(record(character).font).locked != 0;
}

int32_t CCidFont::FindCharacter(int32_t font, int32_t glyph) const {
  for (std::size_t i = 0; i < characters_.size(); ++i)
    if (characters_[i].font == font && characters_[i].glyph == glyph)
      return static_cast<int32_t>(i);
  return -1;
}

int32_t CCidFont::UnplacedCount(int32_t font) const {
  return static_cast<int32_t>(std::count_if(unplaced_.begin(), unplaced_.end(), [&](int32_t c) {
    return validCharacter(c) && record(c).font == font;
  }));
}

void CCidFont::Place(int32_t cid, int32_t character, bool compact) {
  if (character < 0) {
    Unplace(cid, compact);
    return;
  }
  if (cid < 0) return;
  rangeTop_ = std::max(rangeTop_, cid);
  if (static_cast<std::size_t>(cid) < cidTable_.size()) {
    cidTable_[static_cast<std::size_t>(cid)] = character;
    return;
  }
  int32_t at = overflowPosition(cid);
  if (at >= 0)
    overflow_[static_cast<std::size_t>(at)].character = character;
  else
    overflow_.push_back({character, cid});
}

void CCidFont::Unplace(int32_t cid, bool compact) {
  if (cid < 0) return;
  if (static_cast<std::size_t>(cid) < cidTable_.size()) {
    cidTable_[static_cast<std::size_t>(cid)] = -1;
    return;
  }
  int32_t at = overflowPosition(cid);
  if (at < 0) return;
  overflow_.erase(overflow_.begin() + at);
  if (compact) overflow_.shrink_to_fit();
}

void CCidFont::ClearCid(int32_t cid, bool compact) {
  int32_t character = CharacterAt(cid);
  if (character < 0 || IsLocked(character)) return;
  Unplace(cid, compact);
  unplaced_.push_back(character);
}

void CCidFont::CopyCharacter(int32_t source, int32_t target, bool compact) {
  if (IsLocked(CharacterAt(target))) return;
  ClearCid(target, compact);
  int32_t character = CharacterAt(source);
  if (character < 0) return;
  CharacterRecord copy = record(character);
  Place(target, appendRecord(copy), compact);
}

void CCidFont::MoveCharacter(int32_t source, int32_t target, bool compact) {
  // Moving onto itself would clear the CID and then unplace what was put back.
  if (source == target) return;
  int32_t character = CharacterAt(source);
  if (IsLocked(character) || IsLocked(CharacterAt(target))) return;
  ClearCid(target, compact);
  if (character < 0) return;
  Place(target, character, compact);
  Unplace(source, compact);
}

namespace {

// Visits k = 0..last-first in the order that reads every source before it is overwritten.
template <typename Step>
void overlapSafe(int32_t first, int32_t last, int32_t target, Step step) {
  int64_t count = int64_t{last} - first;
  if (target > first) {
    for (int64_t k = count; k >= 0; --k) step(k);
  } else {
    for (int64_t k = 0; k <= count; ++k) step(k);
  }
}

// Whether the `count` CIDs from `first` on lie in 0..kMaxCid, computed wide so that no sum
// can overflow. No CIDs at all are always in reach.
bool cidsInReach(int32_t first, int64_t count) {
  return count <= 0 || (first >= 0 && first + count - 1 <= CCidFont::kMaxCid);
}

// Sources first..last and the targets from `target` on. Sources beyond kMaxCid may still be
// moved down; the targets keep the count, and with it the time, within reach.
bool rangeInReach(int32_t first, int32_t last, int32_t target) {
  int64_t count = int64_t{last} - first + 1;
  return count <= 0 || (first >= 0 && cidsInReach(target, count));
}

int32_t cidAt(int32_t start, int64_t k) {
  return static_cast<int32_t>(start + k);
}

}  // namespace

bool CCidFont::CopyRange(int32_t first, int32_t last, int32_t target) {
  if (target == first) return true;
  if (!rangeInReach(first, last, target)) return false;
  overlapSafe(first, last, target,
              [&](int64_t k) { CopyCharacter(cidAt(first, k), cidAt(target, k)); });
  modified_ = true;
  Rebuild();
  return true;
}

bool CCidFont::MoveRange(int32_t first, int32_t last, int32_t target) {
  if (target == first || last < first) return true;
  if (!rangeInReach(first, last, target)) return false;
  overlapSafe(first, last, target,
              [&](int64_t k) { MoveCharacter(cidAt(first, k), cidAt(target, k)); });
  modified_ = true;
  RemoveDuplicateUnplaced();
  Rebuild();
  return true;
}

bool CCidFont::SwapRange(int32_t first, int32_t last, int32_t target) {
  if (target == first) return true;
  // Both sides are written.
  int64_t count = int64_t{last} - first + 1;
  if (!cidsInReach(first, count) || !cidsInReach(target, count)) return false;
  for (int64_t k = 0; k < count; ++k) {
    int32_t cid = cidAt(first, k), partner = cidAt(target, k);
    int32_t a = CharacterAt(cid);
    int32_t b = CharacterAt(partner);
    if (IsLocked(a) || IsLocked(b)) continue;
    Place(cid, b);
    Place(partner, a);
  }
  modified_ = true;
  Rebuild();
  return true;
}

void CCidFont::ClearRange(int32_t first, int32_t last) {
  // Only CIDs that hold a character change, so only those are visited, in ascending order:
  // those of the table, then those of the overflow list, which all lie beyond the table.
  int64_t tableLast = std::min<int64_t>(last, static_cast<int64_t>(cidTable_.size()) - 1);
  for (int64_t cid = std::max(first, 0); cid <= tableLast; ++cid)
    if (cidTable_[static_cast<std::size_t>(cid)] >= 0) ClearCid(static_cast<int32_t>(cid));
  std::vector<int32_t> beyond;
  for (const OverflowPair& p : overflow_)
    if (p.cid >= first && p.cid <= last) beyond.push_back(p.cid);
  std::sort(beyond.begin(), beyond.end());
  for (int32_t cid : beyond) ClearCid(cid);
  modified_ = true;
  RemoveDuplicateUnplaced();
  Rebuild();
}

bool CCidFont::PlaceUnplaced(int32_t firstPosition, int32_t lastPosition, int32_t target) {
  // Every step uses up one entry from the first position on, so the end of the list ends it.
  int32_t last = static_cast<int32_t>(
      std::min<int64_t>(lastPosition, static_cast<int64_t>(unplaced_.size()) - 1));
  // No position below 0 holds an entry.
  int64_t count = firstPosition < 0 ? 0 : int64_t{last} - firstPosition + 1;
  if (!cidsInReach(target, count)) return false;
  int64_t placed = 0;
  for (int64_t k = 0; k < count; ++k) {
    int32_t cid = cidAt(target, k);
    if (IsLocked(CharacterAt(cid))) continue;
    int64_t position = firstPosition + k - placed;
    if (position < 0 || position >= static_cast<int64_t>(unplaced_.size())) break;
    int32_t character = unplaced_[static_cast<std::size_t>(position)];
    unplaced_.erase(unplaced_.begin() + position);
    ++placed;
    ClearCid(cid);
    Place(cid, character);
  }
  modified_ = true;
  RemoveDuplicateUnplaced();
  Rebuild();
  return true;
}

bool CCidFont::PlaceGlyphs(int32_t firstGlyph, int32_t lastGlyph, int32_t target, int32_t font,
                           std::span<const int32_t> chartList) {
  int64_t count = int64_t{lastGlyph} - firstGlyph + 1;
  if (!cidsInReach(target, count)) return false;
  for (int64_t k = 0; k < count; ++k) {
    int32_t cid = cidAt(target, k);
    if (IsLocked(CharacterAt(cid))) continue;
    int64_t glyph = firstGlyph + k;
    int32_t character = glyph >= 0 && static_cast<std::size_t>(glyph) < chartList.size()
                            ? chartList[static_cast<std::size_t>(glyph)]
                            : -1;
    bool wasUnplaced = false;
    if (character >= 0) {
      auto end = std::remove(unplaced_.begin(), unplaced_.end(), character);
      wasUnplaced = end != unplaced_.end();
      unplaced_.erase(end, unplaced_.end());
    }
    // An unplaced character is placed itself; a copy would leave it in no list at all, and
    // it would come back as unplaced when the tables are next rebuilt from the records.
    if (!wasUnplaced) {
      int32_t r = FindCharacter(font, static_cast<int32_t>(glyph));
      if (r >= 0) character = appendRecord(CharacterRecord(record(r)));
    }
    ClearCid(cid);
    Place(cid, character);
  }
  modified_ = true;
  Rebuild();
  return true;
}

void CCidFont::RemoveGlyphRange(int32_t font, int32_t firstGlyph, int32_t lastGlyph) {
  if (!characters_.empty()) {
    int32_t removed = lastGlyph - firstGlyph + 1;
    std::size_t kept = 0;
    for (CharacterRecord& r : characters_) {
      if (r.font == font && r.glyph >= firstGlyph && r.glyph <= lastGlyph) continue;
      if (r.font == font && r.glyph > lastGlyph) r.glyph = static_cast<int16_t>(r.glyph - removed);
      characters_[kept++] = r;
    }
    characters_.resize(kept);
  }
  RebuildTables();
  modified_ = true;
}

void CCidFont::RemoveFont(int32_t font) {
  if (font < 0 || font >= subsetFontCount() || subsetFont(font).locked) return;
  std::size_t kept = 0;
  for (CharacterRecord& r : characters_) {
    if (r.font == font) continue;
    if (r.font > font) --r.font;
    characters_[kept++] = r;
  }
  characters_.resize(kept);
  fonts_.erase(fonts_.begin() + font);
  modified_ = true;
}

bool CCidFont::ExpandRange(int32_t newTop) {
  if (newTop > kMaxCid) return false;
  if (newTop <= rangeTop_) return true;
  rangeTop_ = newTop;
  modified_ = true;
  return true;
}

void CCidFont::Compact() {
  modified_ = true;
  rangeTop_ = -1;
  for (std::size_t c = cidTable_.size(); c-- > 0;) {
    if (validCharacter(cidTable_[c])) {
      rangeTop_ = static_cast<int32_t>(c);
      break;
    }
  }
  cidTable_.resize(static_cast<std::size_t>(rangeTop_ + 1));
  cidTable_.shrink_to_fit();
  std::erase_if(overflow_, [&](const OverflowPair& p) { return !validCharacter(p.character); });
  for (const OverflowPair& p : overflow_) rangeTop_ = std::max(rangeTop_, p.cid);
}

void CCidFont::Refresh() {
  // Every record starts unplaced, not only those in the unplaced list: a record that is in no
  // list (a duplicate dropped from it) would otherwise keep a stale CID and take that CID from
  // its rightful character when the tables are rebuilt.
  for (CharacterRecord& r : characters_) r.cid = -1;
  for (std::size_t cid = 0; cid < cidTable_.size(); ++cid) {
    int32_t c = cidTable_[cid];
    if (validCharacter(c)) characters_[static_cast<std::size_t>(c)].cid = static_cast<int32_t>(cid);
  }
  for (const OverflowPair& p : overflow_)
    if (validCharacter(p.character)) characters_[static_cast<std::size_t>(p.character)].cid = p.cid;
}

void CCidFont::RebuildTables() {
  overflow_.clear();
  unplaced_.clear();
  std::size_t n = std::max<std::size_t>(characters_.size() * 3 / 2, kMinCidTable);
  cidTable_.assign(n + 1, -1);
  rangeTop_ = -1;
  for (std::size_t i = 0; i < characters_.size(); ++i) {
    int32_t cid = characters_[i].cid;
    if (cid >= 0) {
      rangeTop_ = std::max(rangeTop_, cid);
      Place(cid, static_cast<int32_t>(i));
    } else {
      unplaced_.push_back(static_cast<int32_t>(i));
    }
  }
  cidTable_.shrink_to_fit();
}

void CCidFont::Rebuild() {
  if (cidTable_.size() < characters_.size()) {
    Refresh();
    RebuildTables();
  } else {
    overflow_.shrink_to_fit();
    unplaced_.shrink_to_fit();
  }
}

void CCidFont::RemoveDuplicateUnplaced() {
  if (unplaced_.empty()) return;
  constexpr std::size_t kWords = kMaxGlyphsPerFont / 64;
  std::vector<std::vector<uint64_t>> seen(fonts_.size());
  std::size_t kept = 0;
  for (int32_t c : unplaced_) {
    const CharacterRecord& r = record(c);
    bool inRange = r.font >= 0 && static_cast<std::size_t>(r.font) < seen.size() && r.glyph >= 0 &&
                   r.glyph < kMaxGlyphsPerFont;
    if (inRange) {
      std::vector<uint64_t>& bits = seen[static_cast<std::size_t>(r.font)];
      if (bits.empty()) bits.assign(kWords, 0);
      auto g = static_cast<std::size_t>(r.glyph);
      uint64_t mask = uint64_t{1} << (g % 64);
      if (bits[g / 64] & mask) continue;
      bits[g / 64] |= mask;
    }
    unplaced_[kept++] = c;
  }
  unplaced_.resize(kept);
}

}  // namespace sorvella
