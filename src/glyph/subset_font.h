// The subset font: an ordinary font of up to a few hundred glyphs from which a CID font is
// built, with its information, masters and Private values, glyph slots, encoding and mapping.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "glyph/glyph.h"
#include "glyph/glyph_mapping.h"
#include "glyph/master_design.h"
#include "glyph/subset_font_encoding.h"
#include "glyph/subset_font_info.h"

namespace sorvella {

class SubsetFont {
 public:
  static constexpr int kMaxMasters = Outline::kMaxMasters;
  static constexpr std::size_t kRawBlockCount = 3;

  // One master of weight 1.0 with the default Private values, no glyphs, encoding number 1.
  SubsetFont();
  SubsetFont(SubsetFont&&) noexcept = default;
  SubsetFont& operator=(SubsetFont&&) noexcept = default;

  SubsetFontInfo& info() { return info_; }
  const SubsetFontInfo& info() const { return info_; }

  // Masters: fonts read from native font files have one; multiple-master Type 1 fonts more.
  int masterCount() const { return static_cast<int>(masters_.size()); }
  // Clamped to 1..kMaxMasters; added masters get the defaults, removed ones are dropped.
  void setMasterCount(int count);
  FontMaster& master(int m) { return masters_.at(static_cast<std::size_t>(m)); }
  const FontMaster& master(int m) const { return masters_.at(static_cast<std::size_t>(m)); }

  DesignAxes& axes() { return axes_; }
  const DesignAxes& axes() const { return axes_; }

  // The extra-metrics block exactly as read; none for a font that never had one.
  std::optional<std::vector<uint8_t>>& extraMetrics() { return extraMetrics_; }
  const std::optional<std::vector<uint8_t>>& extraMetrics() const { return extraMetrics_; }
  // Three byte blocks kept as they are (records 1261 to 1263); empty means absent.
  std::array<std::vector<uint8_t>, kRawBlockCount>& rawBlocks() { return rawBlocks_; }
  const std::array<std::vector<uint8_t>, kRawBlockCount>& rawBlocks() const { return rawBlocks_; }

  // Glyph slots: the slot number is the glyph number the CID font uses; a slot may be empty.
  int32_t slotCount() const { return static_cast<int32_t>(slots_.size()); }
  // Null for an empty slot or a slot outside the list.
  Glyph* glyph(int32_t slot);
  const Glyph* glyph(int32_t slot) const;
  // A null glyph appends an empty slot.
  void appendSlot(std::unique_ptr<Glyph> glyph);
  // The list grows with empty slots when `slot` is at or past its end; negative is ignored.
  void setGlyph(int32_t slot, std::unique_ptr<Glyph> glyph);
  // Empties the slot and hands its glyph over (null when it had none).
  std::unique_ptr<Glyph> takeGlyph(int32_t slot);
  void reserveSlots(std::size_t count) { slots_.reserve(count); }
  void trimSlots() { slots_.shrink_to_fit(); }
  void clearSlots() { slots_.clear(); }

  SubsetFontEncoding& encoding() { return encoding_; }
  const SubsetFontEncoding& encoding() const { return encoding_; }

  GlyphMapping& glyphMapping() { return glyphMapping_; }
  const GlyphMapping& glyphMapping() const { return glyphMapping_; }

  // The path the font was read from or last written to.
  const std::filesystem::path& fileName() const { return fileName_; }
  void setFileName(const std::filesystem::path& path) { fileName_ = path; }

 private:
  SubsetFontInfo info_;
  std::vector<FontMaster> masters_;
  DesignAxes axes_;
  std::optional<std::vector<uint8_t>> extraMetrics_;
  std::array<std::vector<uint8_t>, kRawBlockCount> rawBlocks_;
  std::vector<std::unique_ptr<Glyph>> slots_;
  SubsetFontEncoding encoding_;
  GlyphMapping glyphMapping_;
  std::filesystem::path fileName_;
};

}  // namespace sorvella
