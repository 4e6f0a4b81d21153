// The encrypted part of a Type 1 font: entering eexec (binary or hexadecimal), the Subrs
// array and the CharStrings dictionary, each charstring interpreted into a glyph.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "postscript/keyword_table.h"
#include "postscript/type1_font_parser.h"

namespace sorvella {
namespace {

// Room reserved up front; a larger count still reads, the list just grows.
constexpr int32_t kMaxReservedGlyphs = 65536;

}  // namespace

void Type1FontParser::enterType1Eexec() {
  // Line ends after the word are still clear text; in a segmented file the binary segment
  // has switched decryption on already.
  while (!in_.decrypting() && (in_.peekRawByte() == '\r' || in_.peekRawByte() == '\n'))
    in_.readByte();
  if (!in_.decrypting()) {
    in_.setHexInput(in_.hexDigitsFollow());
    in_.setDecrypting(true);
  }
  for (int i = 0; i < 4; ++i) in_.readByte();  // the lead-in
}

void Type1FontParser::readType1Subroutines() {
  in_.clearSubroutines();
  const int32_t count = in_.readInteger();
  in_.skipTo("array");
  std::string token;
  for (int32_t i = 0; i < count && in_.status() == PSFontStatus::kFine; ++i) {
    if (!in_.skipTo("dup")) return;
    SubroutineRecord record;
    record.number = static_cast<uint16_t>(in_.readInteger());
    const auto length = static_cast<uint16_t>(in_.readInteger());
    if (length == 0) return;
    in_.nextToken(token);  // RD or -|
    record.data.resize(length);
    if (!in_.readEncryptedBytes(record.data)) return;
    // lenIV -1: the charstrings are not encrypted.
    if (in_.lenIV() >= 0) PSFontReader::decryptCharstring(record.data);
    in_.nextToken(token);  // NP or |
    if (!in_.addSubroutine(std::move(record))) return;
  }
}

// The next key of the dictionary; "end" finishes it early (kFinished). A procedure word
// such as `noaccess def` in place of ND leaves words before the key, which are passed over.
bool Type1FontParser::nextType1GlyphName(std::string& name) {
  while (in_.nextToken(name)) {
    if (equalsIgnoringAsciiCase(name, "end")) {
      in_.raiseStatus(PSFontStatus::kFinished);
      return false;
    }
    if (name[0] == '/') return true;
  }
  return false;
}

void Type1FontParser::readType1CharStrings() {
  SubsetFont& font = *font_;
  font.clearSlots();
  glyphRecords_.clear();
  CharstringInterpreter interpreter(
      font.masterCount(), in_.lenIV(),
      [this](int32_t number) -> std::optional<std::span<const uint8_t>> {
        if (number < 0 || number > 0xFFFF) return std::nullopt;
        const uint16_t index = in_.findSubroutine(static_cast<uint16_t>(number));
        if (index == PSFontReader::kNoSubroutine) return std::nullopt;
        return std::span<const uint8_t>(in_.subroutines()[index].data);
      });

  const int32_t count = in_.readInteger();
  in_.skipTo("begin");
  font.reserveSlots(static_cast<std::size_t>(std::clamp(count, 0, kMaxReservedGlyphs)));
  std::string name;
  std::string token;
  std::vector<uint8_t> data;
  for (int32_t i = 0; i < count && in_.status() == PSFontStatus::kFine; ++i) {
    if (!nextType1GlyphName(name)) break;
    const auto length = static_cast<uint16_t>(in_.readInteger());
    in_.nextToken(token);  // RD or -|
    data.assign(length, 0);
    if (!in_.readEncryptedBytes(data)) break;
    // lenIV + 1 bytes or fewer leave at most one byte after the lead-in: no glyph.
    if (in_.lenIV() + 1 < static_cast<int>(length)) {
      if (in_.lenIV() >= 0) PSFontReader::decryptCharstring(data);
      CharstringGlyphRecord record;
      std::optional<Glyph> glyph = interpreter.interpret(data, true, &record);
      if (glyph) {
        glyph->setName(std::string_view(name).substr(1));
        glyph->boundingBox();
        font.appendSlot(std::make_unique<Glyph>(std::move(*glyph)));
        glyphRecords_.push_back(std::move(record));
      }
    }
    in_.nextToken(token);  // ND or |-
  }
  if (!in_.failed()) in_.raiseStatus(PSFontStatus::kFinished);
}

}  // namespace sorvella
