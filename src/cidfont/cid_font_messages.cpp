#include "cidfont/cid_font_messages.h"

#include "base/path_helpers.h"
#include "base/text_format.h"
#include "cidfont/cid_font.h"

namespace sorvella {

namespace {

std::string fontNameOf(const CCidFont& font, int32_t subsetFont) {
  const std::string& name = font.subsetFont(subsetFont).name();
  bool known = subsetFont >= 0 && subsetFont < font.subsetFontCount() && !name.empty();
  return known ? name : cid_font_text::kUnknownFontName;
}

}  // namespace

std::string summaryText(const CCidFont& font) {
  return formatText(cid_font_text::kSummary, font.characterCount(), font.subsetFontCount());
}

std::string subsetFontText(const CCidFont& font, int32_t subsetFont, std::string_view filePath) {
  const SubsetFontEntry& entry = font.subsetFont(subsetFont);
  std::string name = fontNameOf(font, subsetFont);
  std::string file(fileNameOnly(filePath));
  const char* lock = entry.locked ? cid_font_text::kLocked : cid_font_text::kNotLocked;
  int32_t unplaced = font.UnplacedCount(subsetFont);
  if (unplaced > 0)
    return formatText(cid_font_text::kFontWithUnplaced, subsetFont + 1, name.c_str(), file.c_str(),
                      entry.characterCount, unplaced, lock);
  return formatText(cid_font_text::kFontAllPlaced, subsetFont + 1, name.c_str(), file.c_str(),
                    entry.characterCount, lock);
}

std::string cidSelectionText(int32_t count, int32_t firstCid, int32_t lastCid) {
  return formatText(cid_font_text::kCidsSelected, count, firstCid, lastCid);
}

std::string oneCidText(const CCidFont& font, int32_t cid) {
  int32_t character = font.CharacterAt(cid);
  if (character < 0 || character >= font.characterCount()) return cid_font_text::kCidAbsent;
  const CharacterRecord& r = font.record(character);
  std::string name = fontNameOf(font, r.font);
  return formatText(cid_font_text::kOneCid, static_cast<unsigned>(cid),
                    static_cast<unsigned>(r.glyph), name.c_str(), static_cast<unsigned>(r.font + 1));
}

std::string unplacedSelectionText(int32_t count) {
  return formatText(cid_font_text::kUnplacedSelected, count);
}

std::string oneUnplacedText(const CCidFont& font, int32_t character) {
  const CharacterRecord& r = font.record(character);
  std::string name = fontNameOf(font, r.font);
  return formatText(cid_font_text::kOneUnplaced, static_cast<unsigned>(r.glyph), name.c_str(),
                    static_cast<unsigned>(r.font + 1));
}

std::string expandRangePrompt(int32_t newTop) {
  return formatText(cid_font_text::kExpandRangePrompt, newTop);
}

}  // namespace sorvella
