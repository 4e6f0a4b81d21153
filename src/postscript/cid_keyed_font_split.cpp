#include <algorithm>
#include <optional>
#include <string>

#include "base/text_format.h"
#include "postscript/charstring_interpreter.h"
#include "postscript/cid_keyed_font_reader.h"

namespace sorvella {
namespace {

constexpr int kCidsPerCancelQuery = 10;
constexpr uint8_t kFdIndexBeyondAny = 255;  // stands for every index of 255 and more

uint32_t bigEndian(const uint8_t* bytes, int32_t count) {
  uint32_t value = 0;
  for (int32_t i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

// A new subset font that goes on where a full one ends: same names and Private values.
std::unique_ptr<SubsetFont> successorOf(const SubsetFont& font) {
  auto next = std::make_unique<SubsetFont>();
  next->info() = font.info();
  next->master(0) = font.master(0);
  return next;
}

// Entry i is glyph i; the font uses its own (empty) encoding table.
void buildCodeMapping(SubsetFont& font) {
  GlyphMapping& mapping = font.glyphMapping();
  mapping.clear();
  const int32_t glyphs = font.slotCount();
  for (int32_t i = 0; i < glyphs; ++i)
    mapping.set(i, {static_cast<uint16_t>(i), CidKeyedFontReader::kNoGlyph});
  if (glyphs == 0) mapping.set(0, {CidKeyedFontReader::kNoGlyph, CidKeyedFontReader::kNoGlyph});
  mapping.lastInUse = glyphs - 1;
  font.encoding().number = 0;
}

}  // namespace

int CidKeyedFontReader::report(int kind, int64_t a, int64_t b) {
  return progress_ ? progress_(kind, a, b) : 0;
}

bool CidKeyedFontReader::splitIntoSubsetFonts(const ProgressCallback& progress) {
  PSFontReader& in = source_;
  if (in.failed() || (in.status() != PSFontStatus::kFine && in.status() != PSFontStatus::kFinished))
    return false;
  in.setStatus(PSFontStatus::kFine);
  progress_ = progress;
  processedCids_ = 0;
  const std::size_t start = in.position();
  report(kProgressRange, 0, cidCount_);

  const bool mapsRead = readCidMap(start) && loadSubroutineMaps(start);
  if (mapsRead) {
    for (int fd = 0; fd < fdCount_ && !in.failed(); ++fd) splitFontDict(fd, start);
  }
  subroutines_.clear();
  loadedFd_ = -1;
  cidFd_.clear();
  cidOffset_.clear();
  charstring_ = {};
  fontDictInfo_.clear();
  if (!mapsRead) return false;
  if (!in.failed() && in.status() == PSFontStatus::kFine) {
    in.setStatus(PSFontStatus::kFinished);
    report(kProgressCancelQuery);
  }
  return !in.failed();
}

bool CidKeyedFontReader::readCidMap(std::size_t start) {
  PSFontReader& in = source_;
  if (fdBytes_ < 0 || fdBytes_ > 4 || gdBytes_ < 1 || gdBytes_ > 4 || cidCount_ < 0 ||
      cidMapOffset_ < 0 || cidMapOffset_ > offsetLimit()) {
    in.raiseStatus(PSFontStatus::kCidMapOutOfRange);
    return false;
  }
  const uint64_t entrySize = static_cast<uint64_t>(fdBytes_ + gdBytes_);
  const uint64_t entries = static_cast<uint64_t>(cidCount_) + 1;
  const uint64_t mapStart = start + static_cast<uint64_t>(cidMapOffset_);
  // A map that runs past the end of the file fails as reading it would, before any room is
  // made for an absurd count.
  if (mapStart > in.size() || entries * entrySize > in.size() - mapStart) {
    in.markFailed();
    return false;
  }
  std::vector<uint8_t> map(static_cast<std::size_t>(entries * entrySize));
  if (!in.seek(static_cast<std::size_t>(mapStart)) || !in.readBlock(map)) return false;
  cidFd_.resize(static_cast<std::size_t>(entries));
  cidOffset_.resize(static_cast<std::size_t>(entries));
  std::size_t longest = 0;
  for (std::size_t i = 0; i < entries; ++i) {
    const uint8_t* entry = map.data() + i * entrySize;
    const uint32_t fd = bigEndian(entry, fdBytes_);
    const uint32_t offset = bigEndian(entry + fdBytes_, gdBytes_);
    if (offset > offsetLimit()) {
      in.raiseStatus(PSFontStatus::kCidMapOutOfRange);
      return false;
    }
    cidFd_[i] = static_cast<uint8_t>(std::min<uint32_t>(fd, kFdIndexBeyondAny));
    cidOffset_[i] = offset;
    if (i > 0 && offset > cidOffset_[i - 1] && start + offset <= in.size())
      longest = std::max<std::size_t>(longest, offset - cidOffset_[i - 1]);
  }
  charstring_.reserve(longest);
  return true;
}

bool CidKeyedFontReader::loadSubroutineMaps(std::size_t start) {
  subroutines_.assign(static_cast<std::size_t>(fdCount_), SubroutineTable{});
  loadedFd_ = -1;
  for (int fd = 0; fd < fdCount_; ++fd) {
    if (fontDicts_[static_cast<std::size_t>(fd)].subrCount <= 0) continue;
    if (report(kProgressCancelQuery) != 0) {
      source_.raiseStatus(PSFontStatus::kSubrMapOutOfRange);  // nothing has been handed over yet
      return false;
    }
    if (!readSubroutineMap(start, fd)) return false;
  }
  return true;
}

bool CidKeyedFontReader::readSubroutineMap(std::size_t start, int fd) {
  PSFontReader& in = source_;
  const FontDictValues& values = fontDicts_[static_cast<std::size_t>(fd)];
  if (values.sdBytes < 1 || values.sdBytes > 4 || values.subrMapOffset < 0 ||
      values.subrMapOffset > offsetLimit()) {
    in.raiseStatus(PSFontStatus::kSubrMapOutOfRange);
    return false;
  }
  const uint64_t entries = static_cast<uint64_t>(values.subrCount) + 1;
  const uint64_t mapStart = start + static_cast<uint64_t>(values.subrMapOffset);
  const uint64_t mapBytes = entries * static_cast<uint64_t>(values.sdBytes);
  if (mapStart > in.size() || mapBytes > in.size() - mapStart) {
    in.markFailed();
    return false;
  }
  std::vector<uint8_t> map(static_cast<std::size_t>(mapBytes));
  if (!in.seek(static_cast<std::size_t>(mapStart)) || !in.readBlock(map)) return false;

  SubroutineTable& table = subroutines_[static_cast<std::size_t>(fd)];
  table.offsets.resize(static_cast<std::size_t>(entries));
  for (std::size_t j = 0; j < entries; ++j) {
    const uint32_t offset =
        bigEndian(map.data() + j * static_cast<std::size_t>(values.sdBytes), values.sdBytes);
    // Offsets that run backwards would make negative lengths.
    if (offset > offsetLimit() || (j > 0 && offset < table.offsets[j - 1])) {
      in.raiseStatus(PSFontStatus::kSubrMapOutOfRange);
      return false;
    }
    table.offsets[j] = offset;
  }
  const uint32_t first = table.offsets.front();
  const uint32_t last = table.offsets.back();
  if (start + last > in.size()) {
    in.markFailed();
    return false;
  }
  table.block.resize(last - first);
  if (!in.seek(start + first) || !in.readBlock(table.block)) return false;
  for (uint32_t& offset : table.offsets) offset -= first;
  if (values.lenIV >= 0) {
    for (std::size_t j = 0; j + 1 < entries; ++j) {
      PSFontReader::decryptCharstring(
          std::span<uint8_t>(table.block)
              .subspan(table.offsets[j], table.offsets[j + 1] - table.offsets[j]));
    }
  }
  return true;
}

void CidKeyedFontReader::handOver(std::unique_ptr<SubsetFont> font) {
  buildCodeMapping(*font);
  if (callback_) callback_(std::move(font));
}

void CidKeyedFontReader::splitFontDict(int fd, std::size_t start) {
  PSFontReader& in = source_;
  const auto fdIndex = static_cast<std::size_t>(fd);
  currentFd_ = fd;
  std::unique_ptr<SubsetFont> font = std::move(fontDictInfo_[fdIndex]);
  if (!fontDictSelected(fd) || in.status() != PSFontStatus::kFine) return;
  if (!font) font = std::make_unique<SubsetFont>();  // a dictionary the header never ended
  // A cancel finishes the import with the fonts handed over so far.
  if (report(kProgressCancelQuery) != 0) {
    in.raiseStatus(PSFontStatus::kFinished);
    return;
  }

  const auto cids = static_cast<std::size_t>(cidCount_);
  const std::size_t inDict = static_cast<std::size_t>(
      std::count(cidFd_.begin(), cidFd_.begin() + static_cast<std::ptrdiff_t>(cids), fd));
  const std::size_t room =
      glyphLimit_ > 0 ? std::min(inDict, static_cast<std::size_t>(glyphLimit_)) : inDict;
  font->reserveSlots(room);

  loadedFd_ = fd;
  const SubroutineTable& subroutines = subroutines_[fdIndex];
  const int16_t lenIV = fontDicts_[fdIndex].lenIV;
  CharstringInterpreter interpreter(
      1, lenIV, [&subroutines](int32_t number) -> std::optional<std::span<const uint8_t>> {
        if (number < 0 || static_cast<std::size_t>(number) + 1 >= subroutines.offsets.size())
          return std::nullopt;
        const auto index = static_cast<std::size_t>(number);
        return std::span<const uint8_t>(subroutines.block)
            .subspan(subroutines.offsets[index],
                     subroutines.offsets[index + 1] - subroutines.offsets[index]);
      });

  const std::string dictName = font->info().fontName();
  int number = 1;  // of the subset font within the dictionary
  for (std::size_t cid = 0; cid < cids; ++cid) {
    if (cid > 0 && cid % kCidsPerCancelQuery == 0 && report(kProgressCancelQuery) != 0) {
      in.raiseStatus(PSFontStatus::kFinished);
      break;
    }
    const int64_t length = int64_t{cidOffset_[cid + 1]} - int64_t{cidOffset_[cid]};
    const uint8_t owner = cidFd_[cid];
    if (length >= 1 && owner >= fdCount_) {
      in.raiseStatus(PSFontStatus::kFontDictOutOfRange);
      break;
    }
    if (owner != fd) continue;
    if (length > 0) {
      const uint64_t at = start + uint64_t{cidOffset_[cid]};
      if (at + static_cast<uint64_t>(length) > in.size()) {
        in.markFailed();
        break;
      }
      charstring_.resize(static_cast<std::size_t>(length));
      if (!in.seek(static_cast<std::size_t>(at)) || !in.readBlock(charstring_)) break;
      if (lenIV >= 0) PSFontReader::decryptCharstring(charstring_);
      if (std::optional<Glyph> glyph = interpreter.interpret(charstring_, false)) {
        auto made = std::make_unique<Glyph>(std::move(*glyph));
        made->setName(formatText(kCidGlyphNameFormat, static_cast<int>(cid)));
        made->boundingBox();
        font->appendSlot(std::move(made));
      }
    }
    ++processedCids_;
    if (glyphLimit_ > 0 && font->slotCount() >= glyphLimit_) {
      std::unique_ptr<SubsetFont> next = successorOf(*font);
      font->info().setText(FontText::kFontName,
                           dictName + formatText(kSubsetFontNumberFormat, number));
      handOver(std::move(font));
      report(kProgressPosition, processedCids_);
      font = std::move(next);
      font->reserveSlots(static_cast<std::size_t>(glyphLimit_));
      ++number;
    }
  }

  if (in.status() == PSFontStatus::kFine && !in.failed()) {
    if (number == 1) {
      handOver(std::move(font));  // even when empty, under the dictionary's own name
    } else if (font->slotCount() > 0) {
      font->info().setText(FontText::kFontName,
                           dictName + formatText(kSubsetFontNumberFormat, number));
      handOver(std::move(font));
    }
    report(kProgressPosition, processedCids_);
  }
  subroutines_[fdIndex] = SubroutineTable{};
  loadedFd_ = -1;
}

}  // namespace sorvella
