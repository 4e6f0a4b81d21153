// Type 1 fonts from anywhere must read to an end: as found, and wrapped as the private part of
// a plain font (binary and hexadecimal eexec) so that mutations reach the charstrings. A read
// reports one of the reader's statuses and hands back a whole font or none.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "postscript/eexec_cipher.h"
#include "postscript/program_encodings.h"
#include "postscript/ps_font_reader.h"
#include "postscript/type1_font_parser.h"

namespace {

using sorvella::PSFontReader;
using sorvella::PSFontStatus;
using sorvella::SubsetFont;

void check(bool condition) {
  if (!condition) std::abort();
}

bool knownStatus(PSFontStatus status) {
  switch (status) {
    case PSFontStatus::kFine:
    case PSFontStatus::kBooleanExpected:
    case PSFontStatus::kFinished:
    case PSFontStatus::kEncodingCodeTooLarge:
    case PSFontStatus::kDesignMapNotPairs:
    case PSFontStatus::kAxesUnknown:
    case PSFontStatus::kWrongMasterCount:
    case PSFontStatus::kBracketExpected:
    case PSFontStatus::kBadHexDigit:
    case PSFontStatus::kCancelled:
      return true;
    default:
      return false;
  }
}

void checkFont(const SubsetFont& font) {
  check(font.masterCount() >= 1 && font.masterCount() <= SubsetFont::kMaxMasters);
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    const sorvella::Glyph* glyph = font.glyph(slot);
    check(glyph != nullptr);
    check(glyph->masterCount() == font.masterCount());
    (void)glyph->boundingBox();
    for (const sorvella::Component& component : glyph->components()) {
      check(component.glyphIndex >= 0 && component.glyphIndex < font.slotCount());
      check(component.glyphIndex != slot);
      check(static_cast<int>(component.offset.size()) == font.masterCount());
    }
  }
}

void readOnce(std::vector<uint8_t> bytes) {
  PSFontReader reader(std::move(bytes));
  sorvella::Type1FontParser parser(reader);
  const bool read = parser.readType1Font(nullptr, sorvella::programEncodings());
  std::unique_ptr<SubsetFont> font = parser.takeType1Font();
  check(knownStatus(reader.status()));
  check(read == (font != nullptr));
  if (!font) return;
  check(reader.status() == PSFontStatus::kFine || reader.status() == PSFontStatus::kFinished);
  checkFont(*font);
}

void readCancelled(std::vector<uint8_t> bytes) {
  PSFontReader reader(std::move(bytes));
  sorvella::Type1FontParser parser(reader);
  const bool read =
      parser.readType1Font(nullptr, sorvella::programEncodings(),
                           [](int kind, int64_t, int64_t) { return kind == 1 ? 1 : 0; });
  check(!read && !parser.takeType1Font());
  check(reader.status() == PSFontStatus::kCancelled);
}

std::vector<uint8_t> encrypted(std::span<const uint8_t> plain) {
  std::vector<uint8_t> cipher;
  uint16_t r = sorvella::kEexecKey;
  for (uint8_t p : plain) {
    const auto c = static_cast<uint8_t>(p ^ (r >> 8));
    r = static_cast<uint16_t>((uint32_t{c} + r) * sorvella::kCipherMultiplier +
                              sorvella::kCipherIncrement);
    cipher.push_back(c);
  }
  return cipher;
}

std::vector<uint8_t> wrapped(std::span<const uint8_t> privatePart, bool hex) {
  constexpr std::string_view kClear =
      "%!PS-AdobeFont-1.0: Fuzz 001.000\n/FontName /Fuzz def\n/Encoding StandardEncoding def\n"
      "currentfile eexec\n";
  std::vector<uint8_t> plain = {0xC5, 0x1A, 0x0B, 0x77};  // lead-in
  plain.insert(plain.end(), privatePart.begin(), privatePart.end());
  std::vector<uint8_t> out(kClear.begin(), kClear.end());
  const std::vector<uint8_t> cipher = encrypted(plain);
  if (!hex) {
    out.insert(out.end(), cipher.begin(), cipher.end());
    return out;
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < cipher.size(); ++i) {
    out.push_back(static_cast<uint8_t>(kDigits[cipher[i] >> 4]));
    out.push_back(static_cast<uint8_t>(kDigits[cipher[i] & 15]));
    if (i % 32 == 31) out.push_back('\n');
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  readOnce(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  readCancelled(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  readOnce(wrapped(bytes, false));
  readOnce(wrapped(bytes, true));
  return 0;
}
