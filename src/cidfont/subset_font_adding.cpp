#include "cidfont/subset_font_adding.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "cidfont/thumbnail.h"
#include "glyph/native_font_file.h"

namespace sorvella {

int32_t cidFromGlyphName(const std::string& name) {
  if (name.rfind(kPlaceByNamePrefix, 0) != 0) return -1;
  const char* digits = name.c_str() + 4;
  char* end = nullptr;
  // Read as "%u" reads: blanks and a sign may lead, at least one digit must follow.
  unsigned long long value = std::strtoull(digits, &end, 10);
  if (end == digits) return -1;
  value &= 0xFFFFFFFFull;
  return value > INT32_MAX ? -1 : static_cast<int32_t>(value);
}

int32_t addSubsetFont(CCidFont& cidFont, const std::filesystem::path& folder, SubsetFont& font,
                      const SubsetFontAdding& how) {
  if (cidFont.subsetFontCount() >= CCidFont::kMaxSubsetFonts) return -1;
  if (font.slotCount() > CCidFont::kMaxGlyphsPerFont) return -1;
  if (how.prepare) how.prepare(font);
  std::string stem = newFileStem(folder, cidFont);
  if (!WriteNativeFont(SubsetFontFilePath(folder, stem), font, native_font_flag::kStored))
    return -1;

  SubsetFontEntry entry;
  const std::string& fontName = font.info().fontName();
  entry.setName(fontName.empty() ? kUntitledFontName : fontName);
  entry.setFileStem(stem);
  entry.characterCount = font.slotCount();

  std::vector<CharacterRecord> records;
  records.reserve(static_cast<std::size_t>(font.slotCount()));
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    CharacterRecord r = CharacterRecord::make(cidFont.subsetFontCount(), slot);
    if (const Glyph* glyph = font.glyph(slot)) {
      r.thumbnail = makeThumbnail(*glyph, how.fitAscender, how.fitDescender);
      if (how.placeByName) r.cid = cidFromGlyphName(glyph->name());
    }
    records.push_back(r);
  }
  int32_t number = cidFont.addSubsetFont(std::move(entry), std::move(records));
  font.clearSlots();
  return number;
}

std::string addSubsetFontFailureText(const SubsetFont& font) {
  const std::string& name = font.info().fontName();
  const char* shown = name.empty() ? kUntitledFontName : name.c_str();
  if (font.slotCount() > CCidFont::kMaxGlyphsPerFont)
    return formatText(kTooManyGlyphsMessage, shown, font.slotCount());
  return formatText(kSubsetFontNotWrittenMessage, shown);
}

}  // namespace sorvella
