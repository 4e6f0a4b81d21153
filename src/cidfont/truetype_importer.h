// TTImporter: one TrueType font made into a new CID font (every glyph a CID, subset fonts of
// at most 513 glyphs, the character map as a CMap) or into one subset font (Add Base Font).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "cidfont/cid_font_import.h"
#include "cmap/code_map.h"
#include "glyph/subset_font.h"
#include "outline/autohint_parameters.h"
#include "platform/progress_callback.h"
#include "truetype/ttf.h"

namespace sorvella {

namespace truetype_import_text {
inline constexpr const char* kUntitledFont = "TT_Untitled";
inline constexpr const char* kUntitledCMap = "Untitled";
inline constexpr const char* kSubsetFontName = "%s-%.2i";
inline constexpr const char* kCidGlyphName = "CID-%i";
inline constexpr const char* kUnnamedGlyph = ".%u";
inline constexpr const char* kCMapName = "%s-%s";
}  // namespace truetype_import_text

// The character maps looked for, in this order, and the name each gives the CMap.
struct TrueTypeCharacterMap {
  uint16_t platform;
  uint16_t encoding;
  const char* name;
};
inline constexpr std::array<TrueTypeCharacterMap, 8> kTrueTypeCharacterMaps{{
    {3, 1, "Unicode"},
    {3, 2, "ShiftJIS"},
    {3, 3, "Big5"},
    {3, 4, "PRC"},
    {3, 5, "Wansung"},
    {3, 6, "Johab"},
    {1, 0, "Mac"},
    {3, 0, "Symbol"},
}};

// The most glyphs of one subset font made by an import; the font is stored when it is full.
inline constexpr int32_t kTrueTypeSubsetGlyphs = 513;
// Add Base Font refuses larger fonts unless asked not to.
inline constexpr uint32_t kTrueTypeAddLimit = 1000;

enum class TTImportState { kRunning = 0, kCancelled = 2 };

enum class AddTrueTypeResult { kAdded = 0, kUnreadable = 1, kTooManyGlyphs = 2 };

class TTImporter {
 public:
  // Glyphs with nodes are autohinted with these parameters.
  explicit TTImporter(const AutohintParameters& autohint = {});

  // Reads the table directory; false when the file cannot be read as a TrueType font with
  // glyphs. Creates the new CID font and CMap.
  bool Open(const std::filesystem::path& path);
  bool Open(std::vector<uint8_t> bytes);

  // Names the CID font and the CMap from the `name` and `OS/2` tables; returns the name.
  std::string Name();
  // The name as the user corrected it: the CID font's FontName and the CMap's name.
  void Rename(const std::string& name);

  // Chooses the character map into the CMap, converts every glyph as glyph "CID-i" and hands
  // each full subset font to `storeSubsetFont`. False when cancelled (state kCancelled), when
  // `storeSubsetFont` refused a font (fonts stored before stay stored), or without an opened
  // font or after the CID font was taken.
  bool Run(const AddSubsetFontCallback& storeSubsetFont, const ProgressCallback& progress = {});

  // The whole font as one subset font of 1000 units per em, with its names, hinting tables,
  // kerning and glyph names. With `checkLimit`, a font of more than 1000 glyphs is refused.
  AddTrueTypeResult AddTrueTypeFont(SubsetFont& font, const ProgressCallback& progress,
                                    bool checkLimit);

  TTImportState state() const { return state_; }
  TTF& font() { return *font_; }
  CCidFont& cidFont() { return *cidFont_; }
  CCodeMap& cmap() { return *cmap_; }
  std::unique_ptr<CCidFont> takeCidFont() { return std::move(cidFont_); }
  std::unique_ptr<CCodeMap> takeCMap() { return std::move(cmap_); }
  // Subset fonts handed to `storeSubsetFont` so far.
  int32_t subsetNumber() const { return subsetNumber_; }
  // The character map the CMap was built from; null when the font has none of them.
  const TrueTypeCharacterMap* characterMap() const { return characterMap_; }

 private:
  bool opened();
  void buildCMap();
  std::unique_ptr<SubsetFont> newSubsetFont() const;
  bool store(SubsetFont& subset, const AddSubsetFontCallback& storeSubsetFont);
  // Autohints a converted glyph with nodes and marks its smooth joins.
  void finish(Glyph& glyph, const SubsetFont& subset) const;

  AutohintParameters autohint_;
  std::unique_ptr<TTF> font_;
  std::unique_ptr<CCidFont> cidFont_;
  std::unique_ptr<CCodeMap> cmap_;
  TTImportState state_ = TTImportState::kRunning;
  int32_t subsetNumber_ = 0;
  const TrueTypeCharacterMap* characterMap_ = nullptr;
};

}  // namespace sorvella
