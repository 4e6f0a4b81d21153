// CCidFont: the document being built. Font info, subset font list, character list, and the
// CID table / overflow list / unplaced list that say which character stands at which CID.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cidfont/character_record.h"
#include "glyph/cid_font_info.h"

namespace sorvella {

struct OverflowPair {
  int32_t character = -1;
  int32_t cid = -1;
  friend bool operator==(const OverflowPair&, const OverflowPair&) = default;
};

class CCidFont {
 public:
  static constexpr int kMaxSubsetFonts = 32767;
  static constexpr int kMaxGlyphsPerFont = 16384;
  static constexpr int kMinCidTable = 10000;
  static constexpr int32_t kMaxCid = sorvella::kMaxCid;

  CidFontInfo& info() { return info_; }
  const CidFontInfo& info() const { return info_; }

  // Character list. Positions outside the list read as the empty record.
  int32_t characterCount() const { return static_cast<int32_t>(characters_.size()); }
  const CharacterRecord& record(int32_t character) const;
  CharacterRecord* mutableRecord(int32_t character);
  const std::vector<CharacterRecord>& records() const { return characters_; }
  // Replaces the whole character list (readers); the tables need RebuildTables afterwards.
  void setRecords(std::vector<CharacterRecord> records);
  int32_t appendRecord(const CharacterRecord& record);

  // Subset font list. Positions outside the list read as an empty, unlocked entry.
  int32_t subsetFontCount() const { return static_cast<int32_t>(fonts_.size()); }
  const SubsetFontEntry& subsetFont(int32_t font) const;
  SubsetFontEntry* mutableSubsetFont(int32_t font);
  const std::vector<SubsetFontEntry>& subsetFonts() const { return fonts_; }
  void setSubsetFonts(std::vector<SubsetFontEntry> fonts) { fonts_ = std::move(fonts); }
  // Appends an entry and one record per glyph; records whose cid is 0 or more arrive placed.
  // Returns the new font number, or -1 when the font list is full or the font has more
  // glyphs than glyph numbers reach.
  int32_t addSubsetFont(SubsetFontEntry entry, std::vector<CharacterRecord> records);
  void setLocked(int32_t font, bool locked);

  // Tables.
  const std::vector<int32_t>& cidTable() const { return cidTable_; }
  const std::vector<OverflowPair>& overflow() const { return overflow_; }
  const std::vector<int32_t>& unplaced() const { return unplaced_; }
  int32_t unplacedAt(int32_t position) const;
  int32_t rangeTop() const { return rangeTop_; }

  bool modified() const { return modified_; }
  void setModified(bool modified) { modified_ = modified; }

  // Lookups.
  int32_t CharacterAt(int32_t cid) const;
  bool IsLocked(int32_t character) const;
  int32_t FindCharacter(int32_t font, int32_t glyph) const;
  int32_t UnplacedCount(int32_t font) const;

  // Single CIDs. Negative CIDs are ignored.
  void Place(int32_t cid, int32_t character, bool compact = false);
  void Unplace(int32_t cid, bool compact = false);
  void ClearCid(int32_t cid, bool compact = false);
  void CopyCharacter(int32_t source, int32_t target, bool compact = false);
  void MoveCharacter(int32_t source, int32_t target, bool compact = false);

  // Ranges; each sets the modified flag and rebuilds. Those that return false were refused,
  // with nothing changed, because a CID they would touch lies outside 0..kMaxCid.
  bool CopyRange(int32_t first, int32_t last, int32_t target);
  bool MoveRange(int32_t first, int32_t last, int32_t target);
  bool SwapRange(int32_t first, int32_t last, int32_t target);
  // Visits only the CIDs that hold characters, so a range of any length is cleared at once.
  void ClearRange(int32_t first, int32_t last);
  // The last position stops at the end of the unplaced list.
  bool PlaceUnplaced(int32_t firstPosition, int32_t lastPosition, int32_t target);
  // chartList[g] is the character the source chart shows for glyph g of the font, or -1.
  bool PlaceGlyphs(int32_t firstGlyph, int32_t lastGlyph, int32_t target, int32_t font,
                   std::span<const int32_t> chartList);

  // Structure.
  void RemoveGlyphRange(int32_t font, int32_t firstGlyph, int32_t lastGlyph);
  // Callers Refresh before and RebuildTables after.
  void RemoveFont(int32_t font);
  // False (refused) for a top beyond kMaxCid.
  bool ExpandRange(int32_t newTop);
  void Compact();

  // Between the tables and the records' cid fields.
  void Refresh();
  void RebuildTables();
  void Rebuild();
  void RemoveDuplicateUnplaced();

 private:
  int32_t overflowPosition(int32_t cid) const;
  // Lengthens the CID table to reach `topCid` (kMaxCid at most), taking in the overflow pairs
  // it then covers.
  void growCidTable(int32_t topCid);
  bool validCharacter(int32_t character) const {
    return character >= 0 && character < characterCount();
  }

  CidFontInfo info_;
  std::vector<CharacterRecord> characters_;
  std::vector<SubsetFontEntry> fonts_;
  std::vector<int32_t> cidTable_;
  std::vector<OverflowPair> overflow_;
  std::vector<int32_t> unplaced_;
  int32_t rangeTop_ = -1;
  bool modified_ = false;
};

}  // namespace sorvella
