#include "cidfont/truetype_importer.h"

#include "base/rounding.h"
#include "base/text_format.h"
#include "cidfont/truetype_glyph_conversion.h"
#include "outline/autohint.h"
#include "outline/contour_connections.h"
#include "outline/hint_zones.h"
#include "truetype/cmap_table.h"
#include "truetype/kern_table.h"
#include "truetype/post_table.h"
#include "truetype/program_tables.h"
#include "truetype/tt_header_tables.h"

namespace sorvella {

namespace {

namespace text = truetype_import_text;

constexpr uint16_t kWindows = 3;
constexpr uint16_t kMacintosh = 1;
constexpr uint16_t kEnglishUs = 0x0409;
// Name ids of the `name` table.
constexpr uint16_t kNoticeId = 0;
constexpr uint16_t kFamilyId = 1;
constexpr uint16_t kStyleId = 2;
constexpr uint16_t kUniqueId = 3;
constexpr uint16_t kFullNameId = 4;
constexpr uint16_t kVersionId = 5;
constexpr uint16_t kPostScriptNameId = 6;
constexpr uint16_t kTrademarkId = 7;
// The progress window is asked every so many glyphs.
constexpr uint32_t kProgressStep = 20;

int report(const ProgressCallback& progress, int kind, int64_t a, int64_t b = 0) {
  return progress ? progress(kind, a, b) : 0;
}

// The control values as the native file keeps 16-bit values: little-endian.
std::vector<uint8_t> controlValueBytes(const std::vector<int16_t>& values) {
  std::vector<uint8_t> bytes;
  bytes.reserve(values.size() * 2);
  for (int16_t v : values) {
    const auto u = static_cast<uint16_t>(v);
    bytes.push_back(static_cast<uint8_t>(u & 0xFF));
    bytes.push_back(static_cast<uint8_t>(u >> 8));
  }
  return bytes;
}

}  // namespace

TTImporter::TTImporter(const AutohintParameters& autohint) : autohint_(autohint) {}

bool TTImporter::Open(const std::filesystem::path& path) {
  font_ = std::make_unique<TTF>();
  return font_->Open(path) && opened();
}

bool TTImporter::Open(std::vector<uint8_t> bytes) {
  font_ = std::make_unique<TTF>();
  return font_->Open(std::move(bytes)) && opened();
}

// A font without glyph outlines (no `glyf`, or one `loca` cannot place) is no TrueType font
// this importer can read.
bool TTImporter::opened() {
  const bool sound = font_->error() == TTError::kNone && font_->glyphCount() > 0;
  if (!sound) {
    font_.reset();
    return false;
  }
  cidFont_ = std::make_unique<CCidFont>();
  cmap_ = std::make_unique<CCodeMap>();
  state_ = TTImportState::kRunning;
  subsetNumber_ = 0;
  characterMap_ = nullptr;
  return true;
}

std::string TTImporter::Name() {
  if (!font_ || !cidFont_ || !cmap_) return {};
  uint16_t platform = kWindows;
  std::string name = font_->NameExact(kWindows, 1, kEnglishUs, kPostScriptNameId);
  if (name.empty()) name = font_->NameExact(kWindows, 0, kEnglishUs, kPostScriptNameId);
  if (name.empty()) name = font_->NameFirst(kPostScriptNameId, kWindows);
  if (name.empty()) {
    name = font_->NameFirst(kPostScriptNameId, kMacintosh);
    platform = kMacintosh;
  }
  CidFontInfo& info = cidFont_->info();
  if (name.empty()) {
    name = text::kUntitledFont;
    info.setFullName(name);
  } else {
    info.setNotice(font_->NameFirst(kNoticeId, platform));
  }
  info.setFontName(name);
  if (const OS2TABLE* os2 = font_->Table<OS2TABLE>()) {
    info.setRegistry(os2->vendor());
    info.setOrdering(os2->vendor());
  }
  cmap_->cmapName = name;
  cmap_->registry = info.registry();
  cmap_->ordering = info.ordering();
  cmap_->notice = info.notice();
  return name;
}

void TTImporter::Rename(const std::string& name) {
  if (!cidFont_ || !cmap_) return;
  cidFont_->info().setFontName(name);
  cmap_->cmapName = cidFont_->info().fontName();
}

void TTImporter::buildCMap() {
  characterMap_ = nullptr;
  const TTcmapTable* subtable = nullptr;
  for (const TrueTypeCharacterMap& map : kTrueTypeCharacterMaps) {
    subtable = font_->FindSubtable(map.platform, map.encoding);
    if (subtable) {
      characterMap_ = &map;
      break;
    }
  }
  if (!subtable) return;
  const std::string name = cmap_->cmapName.empty() ? text::kUntitledCMap : cmap_->cmapName;
  cmap_->cmapName = formatText(text::kCMapName, name.c_str(), characterMap_->name);
  for (uint32_t code = 0; code < TTcmapTable::kCodes; ++code) {
    const uint16_t glyph = subtable->glyphFor(code);
    cmap_->Set(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code & 0xFF),
               glyph == 0 ? CCodeMap::kNoCid : glyph);
  }
  cmap_->modified = true;
}

std::unique_ptr<SubsetFont> TTImporter::newSubsetFont() const {
  auto subset = std::make_unique<SubsetFont>();
  subset->reserveSlots(kTrueTypeSubsetGlyphs);
  subset->master(0).privateValues.fontMatrix = {1.0 / kTrueTypeSubsetUnitsPerEm, 0, 0,
                                                1.0 / kTrueTypeSubsetUnitsPerEm, 0, 0};
  subset->info().setText(FontText::kFontName, cidFont_->info().fontName());
  return subset;
}

bool TTImporter::store(SubsetFont& subset, const AddSubsetFontCallback& storeSubsetFont) {
  ++subsetNumber_;
  return storeSubsetFont(*cidFont_, subset);
}

void TTImporter::finish(Glyph& glyph, const SubsetFont& subset) const {
  // A new subset font has no blue values: the glyph's own box gives the only zones.
  const std::vector<AlignmentZone> zones = alignmentZones(subset, 0);
  autohint(glyph, 0, zones, autohint_);
  recomputeConnections(glyph, 0);
}

bool TTImporter::Run(const AddSubsetFontCallback& storeSubsetFont,
                     const ProgressCallback& progress) {
  if (!font_ || !cidFont_ || !cmap_) return false;
  state_ = TTImportState::kRunning;
  buildCMap();
  const std::string fontName = cidFont_->info().fontName();
  auto subsetName = [&](int32_t number) {
    return formatText(text::kSubsetFontName, fontName.c_str(), static_cast<int>(number));
  };
  std::unique_ptr<SubsetFont> subset = newSubsetFont();
  int32_t count = 0;
  const uint32_t glyphs = font_->glyphCount();
  report(progress, kProgressRange, 0, glyphs);
  for (uint32_t i = 0; i < glyphs; ++i) {
    if (i % kProgressStep == 0 && report(progress, kProgressPosition, i) != 0) {
      state_ = TTImportState::kCancelled;
      return false;
    }
    std::unique_ptr<Glyph> glyph = ConvertGlyph(*font_, *font_->glyph(i));
    if (!glyph) continue;
    glyph->setName(formatText(text::kCidGlyphName, static_cast<int>(i)));
    if (!glyph->empty()) finish(*glyph, *subset);
    subset->appendSlot(std::move(glyph));
    if (++count >= kTrueTypeSubsetGlyphs) {
      subset->info().setText(FontText::kFontName, subsetName(subsetNumber_ + 1));
      count = 0;
      if (!store(*subset, storeSubsetFont)) return false;
      subset = newSubsetFont();
    }
  }
  if (count > 0) {
    if (subsetNumber_ > 0)
      subset->info().setText(FontText::kFontName, subsetName(subsetNumber_ + 1));
    if (!store(*subset, storeSubsetFont)) return false;
  }
  return true;
}

AddTrueTypeResult TTImporter::AddTrueTypeFont(SubsetFont& font, const ProgressCallback& progress,
                                              bool checkLimit) {
  if (!font_) return AddTrueTypeResult::kUnreadable;
  const uint32_t glyphs = font_->glyphCount();
  if (checkLimit && glyphs > kTrueTypeAddLimit) return AddTrueTypeResult::kTooManyGlyphs;

  font.master(0).privateValues.fontMatrix = {1.0 / kTrueTypeSubsetUnitsPerEm, 0, 0,
                                             1.0 / kTrueTypeSubsetUnitsPerEm, 0, 0};
  const uint16_t platform = font_->NameFirst(kFamilyId, kWindows).empty() ? kMacintosh : kWindows;
  SubsetFontInfo& info = font.info();
  const std::pair<uint16_t, FontText> names[] = {
      {kFamilyId, FontText::kFamilyName},       {kStyleId, FontText::kWeight},
      {kNoticeId, FontText::kNotice},           {kUniqueId, FontText::kFurtherText1},
      {kFullNameId, FontText::kFullName},       {kVersionId, FontText::kVersion},
      {kPostScriptNameId, FontText::kFontName}, {kTrademarkId, FontText::kFurtherText2}};
  for (const auto& [id, field] : names) info.setText(field, font_->NameFirst(id, platform));

  // The hinting tables travel as the three raw blocks of the native file.
  if (const cvtTABLE* cvt = font_->Table<cvtTABLE>())
    font.rawBlocks()[0] = controlValueBytes(cvt->values());
  if (const fpgmTABLE* fpgm = font_->Table<fpgmTABLE>()) font.rawBlocks()[1] = fpgm->bytes();
  if (const prepTABLE* prep = font_->Table<prepTABLE>()) font.rawBlocks()[2] = prep->bytes();

  const postTABLE* post = font_->Table<postTABLE>();
  report(progress, kProgressRange, 0, glyphs);
  font.reserveSlots(glyphs);
  for (uint32_t i = 0; i < glyphs; ++i) {
    if (i % kProgressStep == 0) report(progress, kProgressPosition, i);
    std::unique_ptr<Glyph> glyph = ConvertGlyph(*font_, *font_->glyph(i));
    if (glyph) {
      std::string name = post ? post->glyphName(i) : std::string();
      if (name.empty())
        name = formatText(text::kUnnamedGlyph, static_cast<unsigned>(font.slotCount()));
      glyph->setName(name);
      if (!glyph->empty()) finish(*glyph, font);
    }
    font.appendSlot(std::move(glyph));
  }

  // Kerning values scale like the outlines; a pair whose left glyph is missing is dropped.
  const uint16_t units = font_->unitsPerEm();
  const kernTABLE* kern = font_->Table<kernTABLE>();
  if (kern && units > 0) {
    for (const TTkernSubtable& subtable : kern->subtables()) {
      for (const TTKernPair& pair : subtable.pairs) {
        Glyph* left = font.glyph(pair.left);
        if (left)
          left->setKerning(pair.right,
                           roundToInt16(pair.value * double{kTrueTypeSubsetUnitsPerEm} / units));
      }
    }
  }
  return AddTrueTypeResult::kAdded;
}

}  // namespace sorvella
