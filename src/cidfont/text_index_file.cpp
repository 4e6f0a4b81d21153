#include "cidfont/text_index_file.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "base/file_bytes.h"
#include "base/text_format.h"
#include "cidfont/font_info_block.h"
#include "cidfont/index_text_reader.h"
#include "platform/atomic_file_write.h"
#include "postscript/keyword_table.h"

namespace sorvella {

namespace {

struct Run {
  int64_t firstCid, lastCid;
  int32_t font, firstGlyph, lastGlyph;
};

void writeRun(std::string& out, const Run& r) {
  if (r.firstCid == r.lastCid)
    out += formatText("CID: %lld FONT: %i GLYPH: %i\r\n", static_cast<long long>(r.firstCid),
                      r.font + 1, r.firstGlyph);
  else
    out += formatText("CID: %lld:%lld FONT: %i GLYPH: %i:%i\r\n",
                      static_cast<long long>(r.firstCid), static_cast<long long>(r.lastCid),
                      r.font + 1, r.firstGlyph, r.lastGlyph);
}

// Every placed CID with its character, in CID order. Walking the placed CIDs rather than
// every CID up to the range top keeps a far-off overflow CID from taking minutes.
std::vector<std::pair<int32_t, int32_t>> placedCids(const CCidFont& font) {
  std::vector<std::pair<int32_t, int32_t>> placed;
  const auto& table = font.cidTable();
  for (std::size_t cid = 0; cid < table.size(); ++cid)
    if (table[cid] >= 0 && table[cid] < font.characterCount())
      placed.emplace_back(static_cast<int32_t>(cid), table[cid]);
  std::size_t tableEnd = placed.size();
  for (const OverflowPair& p : font.overflow())
    if (p.character >= 0 && p.character < font.characterCount())
      placed.emplace_back(p.cid, p.character);
  std::sort(placed.begin() + static_cast<std::ptrdiff_t>(tableEnd), placed.end());
  return placed;
}

}  // namespace

std::string textIndexBytes(CCidFont& font) {
  font.Refresh();
  std::string out = kTextIndexHeader;
  WriteFontInfo(font, out);
  out += "\r\nBeginIndexData\r\n\r\n";
  std::optional<Run> run;
  for (auto [cid, character] : placedCids(font)) {
    const CharacterRecord& r = font.record(character);
    if (run && run->font == r.font && run->lastCid == int64_t{cid} - 1 &&
        run->lastGlyph == r.glyph - 1) {
      run->lastCid = cid;
      run->lastGlyph = r.glyph;
      continue;
    }
    if (run) writeRun(out, *run);
    run = Run{cid, cid, r.font, r.glyph, r.glyph};
  }
  if (run) writeRun(out, *run);
  out += "\r\nEndIndexData\r\n";
  return out;
}

bool WriteTextIndex(CCidFont& font, const std::filesystem::path& path) {
  return writeFileAtomically(path, textIndexBytes(font));
}

namespace {

// "c" or "c1:c2" as unsigned numbers; nothing when a part is missing or negative.
std::optional<std::pair<int64_t, int64_t>> numberOrPair(std::string_view word) {
  auto number = [](std::string_view text) -> std::optional<int64_t> {
    uint32_t v = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr == text.data() || v > INT32_MAX) return std::nullopt;
    return v;
  };
  std::size_t colon = word.find(':');
  if (colon == std::string_view::npos) {
    auto v = number(word);
    if (!v) return std::nullopt;
    return std::make_pair(*v, *v);
  }
  auto a = number(word.substr(0, colon));
  auto b = number(word.substr(colon + 1));
  if (!a || !b) return std::nullopt;
  return std::make_pair(*a, *b);
}

std::optional<TextIndexEntry> parseIndexLine(std::string_view line) {
  std::vector<uint8_t> bytes(line.begin(), line.end());
  IndexTextReader words(bytes);
  TextIndexEntry l;
  bool cid = false, font = false, glyph = false;
  while (auto w = words.word()) {
    Keyword k = indexKeywordNumber(*w);
    if (k != kKwCID && k != kKwFONT && k != kKwGLYPH) continue;
    auto value = words.word();
    if (!value) break;
    auto numbers = numberOrPair(*value);
    if (!numbers) return std::nullopt;
    bool pair = value->find(':') != std::string_view::npos;
    if (k == kKwCID) {
      std::tie(l.firstCid, l.lastCid) = *numbers;
      l.cidRange = pair;
      cid = true;
    } else if (k == kKwFONT) {
      l.font = numbers->first;
      font = true;
    } else {
      std::tie(l.firstGlyph, l.lastGlyph) = *numbers;
      l.glyphRange = pair;
      glyph = true;
    }
  }
  if (!cid || !font || !glyph) return std::nullopt;
  return l;
}

// Calls `use` for every usable line up to "EndIndexData" (lines read up to 1024 bytes).
// False when the input ends before that line.
template <typename Use>
bool forEachIndexLine(IndexTextReader& in, Use use) {
  constexpr std::string_view kBlanks = " \t\n\v\f\r";
  while (!in.remaining().empty()) {
    std::string_view line = in.restOfLine();
    std::size_t start = std::min(line.size(), line.find_first_not_of(kBlanks));
    std::string_view first = line.substr(start, line.find_first_of(kBlanks, start) - start);
    if (indexKeywordNumber(first) == kKwEndIndexData) return true;
    if (auto entry = parseIndexLine(line)) use(*entry);
  }
  return false;
}

bool sameEntry(const SubsetFontEntry& open, const SubsetFontEntry& imported) {
  return !imported.name().empty() && !imported.fileStem().empty() &&
         equalsIgnoringAsciiCase(open.fileStem(), imported.fileStem()) &&
         equalsIgnoringAsciiCase(open.name(), imported.name());
}

// Works on a copy of the open font (see ImportTextIndex), so a failure may return at any step.
class TextIndexImport {
 public:
  TextIndexImport(CCidFont& font, TextIndexImportReport& report) : font_(font), report_(report) {}

  TextIndexStatus run(std::span<const uint8_t> bytes) {
    IndexTextReader in(bytes);
    bool anySection = false;
    while (auto word = in.word()) {
      Keyword k = indexKeywordNumber(*word);
      if (k == kKwBeginFontInfo) {
        anySection = true;
        CCidFont imported;
        if (!ReadFontInfo(imported, in, true)) return kTextIndexBadFontInfo;
        if (!matchFonts(imported)) return kTextIndexNoFontMatches;
        clearArrangement();
        dropUnmatchedRecords();
        takeFontInfo(imported);
      } else if (k == kKwBeginIndexData) {
        anySection = true;
        clearArrangement();
        buildLookup();
        if (!forEachIndexLine(in, [&](const TextIndexEntry& e) { apply(e); }))
          return kTextIndexCutShort;
        if (report_.cidBeyondLimit >= 0) return kTextIndexCidBeyondLimit;
      }
    }
    // A real text index file with neither section places nothing; anything else is no index.
    if (!anySection) return kTextIndexNotAnIndex;
    clearArrangement();
    removeUnmatchedFonts();
    font_.RebuildTables();
    return kTextIndexOk;
  }

 private:
  bool matchFonts(const CCidFont& imported) {
    matched_.assign(static_cast<std::size_t>(font_.subsetFontCount()), false);
    bool any = false;
    for (int32_t f = 0; f < font_.subsetFontCount(); ++f) {
      bool same = f < imported.subsetFontCount() &&
                  sameEntry(font_.subsetFont(f), imported.subsetFont(f));
      matched_[static_cast<std::size_t>(f)] = same;
      any = any || same;
    }
    return any;
  }

  // Until the file has been found compatible, nothing of the open font is touched.
  void clearArrangement() {
    if (cleared_) return;
    cleared_ = true;
    CidFontInfo& info = font_.info();
    info.setFontName({});
    info.setFullName({});
    info.setNotice({});
    info.setRegistry({});
    info.setOrdering({});
    std::vector<CharacterRecord> records = font_.records();
    for (CharacterRecord& r : records) r.cid = -1;
    font_.setRecords(std::move(records));
  }

  bool unmatched(int32_t f) const {
    return !matched_.empty() && f >= 0 && static_cast<std::size_t>(f) < matched_.size() &&
           !matched_[static_cast<std::size_t>(f)];
  }

  void dropUnmatchedRecords() {
    std::vector<CharacterRecord> records = font_.records();
    report_.removedCharacters += static_cast<int32_t>(
        std::erase_if(records, [&](const CharacterRecord& r) { return unmatched(r.font); }));
    font_.setRecords(std::move(records));
  }

  void takeFontInfo(const CCidFont& imported) {
    CidFontInfo& info = font_.info();
    const CidFontInfo& from = imported.info();
    if (!from.fontName().empty()) info.setFontName(from.fontName());
    if (!from.fullName().empty()) info.setFullName(from.fullName());
    if (!from.notice().empty()) info.setNotice(from.notice());
    if (!from.registry().empty()) info.setRegistry(from.registry());
    if (!from.ordering().empty()) info.setOrdering(from.ordering());
    info.version = from.version;
    info.supplement = from.supplement;
    info.uidBase = from.uidBase;
    info.setXuid(from.xuid());
    font_.setModified(true);
  }

  // Glyph -> character per font; for a glyph named by several records the last one counts.
  // Each table reaches the highest glyph a record names, whatever count the font declares:
  // glyphs beyond it find no record either way.
  void buildLookup() {
    std::vector<SubsetFontEntry> fonts = font_.subsetFonts();
    lookup_.assign(fonts.size(), {});
    const auto& records = font_.records();
    for (std::size_t i = 0; i < records.size(); ++i) {
      const CharacterRecord& r = records[i];
      if (r.font < 0 || static_cast<std::size_t>(r.font) >= fonts.size() || r.glyph < 0) continue;
      auto f = static_cast<std::size_t>(r.font);
      auto g = static_cast<std::size_t>(r.glyph);
      if (r.glyph >= fonts[f].characterCount) fonts[f].characterCount = r.glyph + 1;
      if (lookup_[f].size() <= g) lookup_[f].resize(g + 1, -1);
      lookup_[f][g] = static_cast<int32_t>(i);
    }
    font_.setSubsetFonts(std::move(fonts));
  }


  void apply(const TextIndexEntry& l) {
    int64_t f = l.font - 1;
    if (f < 0 || f >= static_cast<int64_t>(lookup_.size())) return;
    const std::vector<int32_t>& glyphs = lookup_[static_cast<std::size_t>(f)];
    int64_t count = 1;
    if (l.cidRange && l.glyphRange)
      count = std::min(l.lastCid - l.firstCid, l.lastGlyph - l.firstGlyph) + 1;
    else if (l.cidRange)
      count = l.lastCid - l.firstCid + 1;
    // Glyphs beyond the font find no record, so a huge count stops at the font's end.
    count = std::min(count, static_cast<int64_t>(glyphs.size()) - l.firstGlyph);
    for (int64_t k = 0; k < count; ++k) {
      int32_t character = glyphs[static_cast<std::size_t>(l.firstGlyph + k)];
      if (character < 0 || character >= font_.characterCount()) continue;
      if (l.firstCid + k > CCidFont::kMaxCid) {
        if (report_.cidBeyondLimit < 0) report_.cidBeyondLimit = l.firstCid + k;
        return;
      }
      // A glyph the file shows at several CIDs gets one character per CID, as copying it in
      // a chart would have made; one record can only hold one CID.
      if (assigned_.size() < static_cast<std::size_t>(font_.characterCount()))
        assigned_.resize(static_cast<std::size_t>(font_.characterCount()), false);
      if (assigned_[static_cast<std::size_t>(character)]) {
        character = font_.appendRecord(CharacterRecord(font_.record(character)));
        assigned_.push_back(false);
      }
      assigned_[static_cast<std::size_t>(character)] = true;
      font_.mutableRecord(character)->cid = static_cast<int32_t>(l.firstCid + k);
    }
  }

  void removeUnmatchedFonts() {
    if (matched_.empty()) return;
    std::vector<int32_t> newNumber(matched_.size(), -1);
    std::vector<SubsetFontEntry> kept;
    for (std::size_t f = 0; f < matched_.size(); ++f) {
      if (!matched_[f]) {
        report_.removedFonts.push_back(
            {static_cast<int32_t>(f) + 1, font_.subsetFont(static_cast<int32_t>(f)).name()});
        continue;
      }
      newNumber[f] = static_cast<int32_t>(kept.size());
      kept.push_back(font_.subsetFont(static_cast<int32_t>(f)));
    }
    std::vector<CharacterRecord> records = font_.records();
    for (CharacterRecord& r : records)
      if (r.font >= 0 && static_cast<std::size_t>(r.font) < newNumber.size())
        r.font = static_cast<int16_t>(newNumber[static_cast<std::size_t>(r.font)]);
    font_.setRecords(std::move(records));
    font_.setSubsetFonts(std::move(kept));
  }

  CCidFont& font_;
  TextIndexImportReport& report_;
  std::vector<bool> matched_;  // empty when the file had no font info to compare
  std::vector<std::vector<int32_t>> lookup_;
  std::vector<bool> assigned_;  // characters that already took a CID from this file
  bool cleared_ = false;
};

}  // namespace

std::vector<TextIndexEntry> TextIndexEntries(std::span<const uint8_t> bytes) {
  std::vector<TextIndexEntry> entries;
  IndexTextReader in(bytes);
  while (auto word = in.word()) {
    if (indexKeywordNumber(*word) != kKwBeginIndexData) continue;
    forEachIndexLine(in, [&](const TextIndexEntry& e) { entries.push_back(e); });
    break;
  }
  return entries;
}

TextIndexStatus ImportTextIndex(CCidFont& font, std::span<const uint8_t> bytes,
                                TextIndexImportReport* report) {
  TextIndexImportReport ignored;
  TextIndexImportReport& told = report ? *report : ignored;
  told = {};
  CCidFont work = font;
  TextIndexStatus status = TextIndexImport(work, told).run(bytes);
  if (status == kTextIndexOk) font = std::move(work);
  return status;
}

TextIndexStatus ImportTextIndex(CCidFont& font, const std::filesystem::path& path,
                                TextIndexImportReport* report) {
  auto bytes = readWholeFile(path);
  if (!bytes) return kTextIndexUnreadable;
  return ImportTextIndex(font, *bytes, report);
}

std::string removedFontsText(const TextIndexImportReport& report) {
  if (report.removedFonts.empty()) return "";
  std::string fonts;
  for (const auto& f : report.removedFonts) {
    if (!fonts.empty()) fonts += ", ";
    fonts +=
        formatText(kRemovedFontItem, f.name.empty() ? kUntitledFontName : f.name.c_str(), f.number);
  }
  return formatText(kUnmatchedFontsRemovedMessage, report.removedCharacters, fonts.c_str());
}

}  // namespace sorvella
