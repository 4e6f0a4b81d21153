// The encrypted part of a Type 1 font: entering eexec (binary or hexadecimal), the Subrs
// array and the CharStrings dictionary, each charstring interpreted into a glyph.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "postscript/keyword_table.h"
#include "postscript/ps_font_reader.h"

namespace sorvella {
namespace {

// Room reserved up front; a larger count still reads, the list just grows.
constexpr int32_t kMaxReservedGlyphs = 65536;

bool isHexDigit(uint8_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

void PSFontReader::enterType1Eexec() {
  // Line ends after the word are still clear text; in a segmented file the binary segment
  // has switched decryption on already.
  while (!decrypting_ && (peekRawByte() == '\r' || peekRawByte() == '\n')) readByte();
  if (!decrypting_) {
    setHexInput(hexDigitsFollow());
    setDecrypting(true);
  }
  for (int i = 0; i < 4; ++i) readByte();  // the lead-in
}

// Hexadecimal eexec text starts with four digits; binary fonts choose lead-in bytes that do not.
bool PSFontReader::hexDigitsFollow() {
  if (peekRawByte() < 0) return false;
  const std::size_t limit = plainFile_ ? end_ : std::min(end_, nextHeader_);
  if (position_ + 4 > limit) return false;
  return std::all_of(data_.begin() + static_cast<std::ptrdiff_t>(position_),
                     data_.begin() + static_cast<std::ptrdiff_t>(position_ + 4), isHexDigit);
}

// Block reads do not decode hexadecimal input, so such bytes come one at a time.
bool PSFontReader::readEncryptedBytes(std::span<uint8_t> bytes) {
  if (!decrypting_ || !hexInput_) return readBlock(bytes);
  for (uint8_t& byte : bytes) {
    byte = readByte();
    if (failed_ || status_ == PSFontStatus::kBadHexDigit) return false;
  }
  return true;
}

void PSFontReader::readType1Subroutines() {
  clearSubroutines();
  const int32_t count = readInteger();
  skipTo("array");
  std::string token;
  for (int32_t i = 0; i < count && status_ == PSFontStatus::kFine; ++i) {
    if (!skipTo("dup")) return;
    SubroutineRecord record;
    record.number = static_cast<uint16_t>(readInteger());
    const auto length = static_cast<uint16_t>(readInteger());
    if (length == 0) return;
    nextToken(token);  // RD or -|
    record.data.resize(length);
    if (!readEncryptedBytes(record.data)) return;
    // lenIV -1: the charstrings are not encrypted.
    if (lenIV_ >= 0) decryptCharstring(record.data);
    nextToken(token);  // NP or |
    if (!addSubroutine(std::move(record))) return;
  }
}

// The next key of the dictionary; "end" finishes it early (kFinished). A procedure word
// such as `noaccess def` in place of ND leaves words before the key, which are passed over.
bool PSFontReader::nextType1GlyphName(std::string& name) {
  while (nextToken(name)) {
    if (equalsIgnoringAsciiCase(name, "end")) {
      raiseStatus(PSFontStatus::kFinished);
      return false;
    }
    if (name[0] == '/') return true;
  }
  return false;
}

void PSFontReader::readType1CharStrings() {
  SubsetFont& font = *font_;
  font.clearSlots();
  glyphRecords_.clear();
  CharstringInterpreter interpreter(
      font.masterCount(), lenIV_,
      [this](int32_t number) -> std::optional<std::span<const uint8_t>> {
        if (number < 0 || number > 0xFFFF) return std::nullopt;
        const uint16_t index = findSubroutine(static_cast<uint16_t>(number));
        if (index == kNoSubroutine) return std::nullopt;
        return std::span<const uint8_t>(subroutines_[index].data);
      });

  const int32_t count = readInteger();
  skipTo("begin");
  font.reserveSlots(static_cast<std::size_t>(std::clamp(count, 0, kMaxReservedGlyphs)));
  std::string name;
  std::string token;
  std::vector<uint8_t> data;
  for (int32_t i = 0; i < count && status_ == PSFontStatus::kFine; ++i) {
    if (!nextType1GlyphName(name)) break;
    const auto length = static_cast<uint16_t>(readInteger());
    nextToken(token);  // RD or -|
    data.assign(length, 0);
    if (!readEncryptedBytes(data)) break;
    // lenIV + 1 bytes or fewer leave at most one byte after the lead-in: no glyph.
    if (lenIV_ + 1 < static_cast<int>(length)) {
      if (lenIV_ >= 0) decryptCharstring(data);
      CharstringGlyphRecord record;
      std::optional<Glyph> glyph = interpreter.interpret(data, true, &record);
      if (glyph) {
        glyph->setName(std::string_view(name).substr(1));
        glyph->boundingBox();
        font.appendSlot(std::make_unique<Glyph>(std::move(*glyph)));
        glyphRecords_.push_back(std::move(record));
      }
    }
    nextToken(token);  // ND or |-
  }
  if (!failed_) raiseStatus(PSFontStatus::kFinished);
}

}  // namespace sorvella
