#include "cidfont/binary_index_file.h"

#include <algorithm>

#include "base/byte_stream.h"
#include "base/file_bytes.h"
#include "base/text_format.h"
#include "cidfont/font_info_block.h"
#include "cidfont/index_text_reader.h"
#include "platform/atomic_file_write.h"
#include "postscript/keyword_table.h"

namespace sorvella {

std::string binaryIndexBytes(const CCidFont& font) {
  std::string out = kBinaryIndexHeader;
  WriteFontInfo(font, out);
  const auto& records = font.records();
  out += formatText("BeginCharacterData %u\r\n",
                    static_cast<unsigned>(records.size() * kCharacterRecordBytes));
  out.reserve(out.size() + records.size() * kCharacterRecordBytes);
  for (const CharacterRecord& r : records) {
    char fields[8];
    auto put = [&](int at, uint32_t v, int bytes) {
      for (int k = 0; k < bytes; ++k) fields[at + k] = static_cast<char>(v >> (8 * k));
    };
    put(0, static_cast<uint16_t>(r.font), 2);
    put(2, static_cast<uint16_t>(r.glyph), 2);
    put(4, static_cast<uint32_t>(r.cid), 4);
    out.append(fields, sizeof fields);
    out.append(reinterpret_cast<const char*>(r.thumbnail.data()), r.thumbnail.size());
  }
  return out;
}

bool WriteBinaryIndex(CCidFont& font, const std::filesystem::path& path) {
  std::filesystem::path file = path;
  file.replace_extension(".sqf");
  if (!writeFileAtomically(file, binaryIndexBytes(font))) return false;
  font.setModified(false);
  return true;
}

namespace {

// Tables are sized from the fonts' character counts, so a count beyond what glyph numbers
// reach is limited to them.
void limitFontCounts(CCidFont& font, BinaryIndexReadResult& result) {
  for (int32_t f = 0; f < font.subsetFontCount(); ++f) {
    SubsetFontEntry& e = *font.mutableSubsetFont(f);
    if (e.characterCount >= 0 && e.characterCount <= CCidFont::kMaxGlyphsPerFont) continue;
    e.characterCount = std::clamp(e.characterCount, 0, CCidFont::kMaxGlyphsPerFont);
    ++result.fontCountsOutOfRange;
  }
}

// Unplaces records beyond the highest CID, raises font counts to the records and drops
// unplaced records that repeat a glyph (those just unplaced too, as a reading of the saved
// file would).
void checkRecords(CCidFont& font, std::vector<CharacterRecord>& records,
                  BinaryIndexReadResult& result) {
  for (CharacterRecord& r : records) {
    if (r.cid <= CCidFont::kMaxCid) continue;
    r.cid = -1;
    ++result.unplacedBeyondLimit;
  }
  std::vector<SubsetFontEntry> fonts = font.subsetFonts();
  for (const CharacterRecord& r : records) {
    if (r.font < 0) continue;
    if (static_cast<std::size_t>(r.font) >= fonts.size()) fonts.resize(static_cast<std::size_t>(r.font) + 1);
    SubsetFontEntry& e = fonts[static_cast<std::size_t>(r.font)];
    if (r.glyph >= e.characterCount) e.characterCount = r.glyph + 1;
  }
  std::vector<std::vector<bool>> seen(fonts.size());
  std::size_t kept = 0;
  for (const CharacterRecord& r : records) {
    if (r.font >= 0 && r.cid == -1 && r.glyph >= 0) {
      auto& flags = seen[static_cast<std::size_t>(r.font)];
      if (flags.empty()) flags.resize(static_cast<std::size_t>(fonts[static_cast<std::size_t>(r.font)].characterCount));
      auto g = static_cast<std::size_t>(r.glyph);
      if (flags[g]) continue;
      flags[g] = true;
    }
    records[kept++] = r;
  }
  records.resize(kept);
  if (records.empty()) records.shrink_to_fit();
  font.setSubsetFonts(std::move(fonts));
}

}  // namespace

BinaryIndexReadResult ReadBinaryIndex(std::span<const uint8_t> bytes) {
  BinaryIndexReadResult result;
  result.font = std::make_unique<CCidFont>();
  result.opened = true;
  CCidFont& font = *result.font;
  IndexTextReader in(bytes);
  while (auto word = in.word()) {
    Keyword k = indexKeywordNumber(*word);
    if (k == kKwBeginFontInfo) {
      if (!ReadFontInfo(font, in, true)) break;
    } else if (k == kKwBeginCharacterData) {
      result.hadCharacterData = true;
      break;
    }
  }
  limitFontCounts(font, result);
  if (!result.hadCharacterData) return result;

  auto byteCount = parseCInteger(in.restOfLine());
  uint64_t count = byteCount ? static_cast<uint32_t>(*byteCount) / kCharacterRecordBytes : 0;
  // A count beyond the data is a file cut short or damaged: keep what the file holds.
  uint64_t held = in.remaining().size() / kCharacterRecordBytes;
  if (count > held) {
    result.missingRecords = static_cast<uint32_t>(count - held);
    count = held;
  }
  std::vector<CharacterRecord> records(static_cast<std::size_t>(count));
  ByteReader data(in.remaining());
  for (CharacterRecord& r : records) r = CharacterRecord::read(data);
  checkRecords(font, records, result);
  font.setRecords(std::move(records));
  return result;
}

BinaryIndexReadResult ReadBinaryIndex(const std::filesystem::path& path) {
  auto bytes = readWholeFile(path);
  if (!bytes) {
    BinaryIndexReadResult result;
    result.font = std::make_unique<CCidFont>();
    return result;
  }
  return ReadBinaryIndex(*bytes);
}

}  // namespace sorvella
