// CCodeMap::Read: the CMap resource file reader and the check for rearranged-font resources.
#include <functional>
#include <optional>

#include "base/text_trim.h"
#include "cmap/cmap_resource_probe.h"
#include "cmap/code_map.h"
#include "postscript/keyword_table.h"
#include "postscript/resource_text_scanner.h"

namespace sorvella {
namespace {

using Scanner = ResourceTextScanner;
using OpenScanner = std::function<bool(Scanner&)>;

struct Code {
  uint8_t high = 0;
  uint8_t low = 0;
};

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;  // the scanner hands over hexadecimal digits only
}

// The last two digits are the low byte and those before them the high byte, which is the
// value of the digits taken as one number; codes of more than two bytes cannot be held.
std::optional<Code> codeFromHex(std::string_view digits) {
  if (digits.size() > 4) return std::nullopt;
  unsigned value = 0;
  for (char c : digits) value = value * 16 + static_cast<unsigned>(hexDigitValue(c));
  return Code{static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value & 0xFF)};
}

class CMapFileReader {
 public:
  CMapFileReader(CCodeMap& cmap, Scanner& scanner) : cmap_(cmap), in_(scanner) {}

  // Reads from after the first comment to endcmap or the end of the input.
  bool run() {
    for (;;) {
      const int kind = next();
      if (kind == Scanner::kEnd) return endOfInput();
      if (kind == Scanner::kWord || kind == Scanner::kLiteralName) {
        switch (keywordNumber(in_.text())) {
          case kKwEndcmap:
            return true;
          case kKwRegistry:
            if (!readString(cmap_.registry)) return false;
            continue;
          case kKwOrdering:
            if (!readString(cmap_.ordering)) return false;
            continue;
          case kKwSupplement:
            if (!readInteger(cmap_.supplement)) return false;
            continue;
          case kKwUIDOffset:
            if (!readInteger(cmap_.uidOffset)) return false;
            continue;
          case kKwWMode:
            if (!readInteger(cmap_.wMode)) return false;
            continue;
          case kKwCMapName:
            if (next() != Scanner::kLiteralName) return fail(kCMapWrongToken);
            cmap_.cmapName = trimOwnedText(in_.text());
            continue;
          case kKwCMapVersion:
            // Taken whatever the token is, an integer giving its real value.
            if (next() == Scanner::kEnd) return endOfInput();
            cmap_.cmapVersion = in_.realValue();
            continue;
          case kKwXUID:
            if (!readXuid()) return false;
            continue;
          case kKwUsecmap:
            if (previousKind_ != Scanner::kLiteralName) return fail(kCMapWrongToken);
            cmap_.baseName = trimOwnedText(previousText_);
            continue;
          case kKwBegincidchar:
          case kKwBegincidrange:
          case kKwBeginnotdefchar:
          case kKwBeginnotdefrange:
            if (!readSection(keywordNumber(in_.text()))) return false;
            continue;
          default:
            break;
        }
      }
      previousKind_ = kind;
      previousText_.assign(in_.text());
      previousInteger_ = in_.integerValue();
    }
  }

 private:
  // Comments never take part in the grammar, wherever they stand.
  int next() {
    int kind;
    do kind = in_.next();
    while (kind == Scanner::kComment);
    return kind;
  }

  bool fail(int32_t status) {
    cmap_.status = status;
    return false;
  }

  // The scanner ends with the input or at a number it cannot convert; only the first is the
  // end of the file, the second would drop everything after it.
  bool endOfInput() { return in_.atEndOfInput() || fail(kCMapBadNumber); }

  bool readString(std::string& into) {
    if (next() != Scanner::kString) return fail(kCMapWrongToken);
    into = trimOwnedText(in_.text());
    return true;
  }

  bool readInteger(int32_t& into) {
    if (next() != Scanner::kInteger) return fail(kCMapWrongToken);
    into = in_.integerValue();
    return true;
  }

  bool readCode(int32_t badCodeStatus, Code& code) {
    if (next() != Scanner::kHexString) return fail(kCMapWrongToken);
    std::optional<Code> converted = codeFromHex(in_.text());
    if (!converted) return fail(badCodeStatus);
    code = *converted;
    return true;
  }

  // Values past the twentieth are read and dropped: the model holds twenty.
  bool readXuid() {
    if (next() != Scanner::kArrayOpen) return fail(kCMapBadXuid);
    for (;;) {
      const int kind = next();
      if (kind == Scanner::kArrayClose) return true;
      if (kind == Scanner::kEnd) return fail(kCMapBadXuid);
      if (cmap_.xuidCount >= 0 && cmap_.xuidCount < CCodeMap::kMaxXuid)
        cmap_.xuid[static_cast<std::size_t>(cmap_.xuidCount++)] = in_.integerValue();
    }
  }

  bool readSection(Keyword section) {
    if (previousKind_ != Scanner::kInteger) return fail(kCMapWrongToken);
    const bool single = section == kKwBegincidchar || section == kKwBeginnotdefchar;
    const bool notdef = section == kKwBeginnotdefchar || section == kKwBeginnotdefrange;
    const int32_t badCode = single ? kCMapBadCharCode : kCMapBadRangeCode;
    for (int32_t n = 0; n < previousInteger_; ++n) {
      Code first, last;
      if (!readCode(badCode, first)) return false;
      if (single) {
        last = first;
      } else {
        if (!readCode(badCode, last)) return false;
        if (!notdef && first.high != last.high) return fail(kCMapBadRangeCode);
      }
      if (next() != Scanner::kInteger) return fail(kCMapWrongToken);
      const int32_t cid = in_.integerValue();
      if (notdef) {
        cmap_.notdefs.push_back(
            {first.low, last.low, first.high, last.high, static_cast<uint32_t>(cid)});
      } else {
        cmap_.SetRange(first.high, first.low, last.low, cid);
      }
    }
    return true;
  }

  CCodeMap& cmap_;
  Scanner& in_;
  int previousKind_ = -1;  // none yet
  std::string previousText_;
  int32_t previousInteger_ = 0;
};

bool readCMap(CCodeMap& cmap, const OpenScanner& open) {
  cmap.status = kCMapOk;
  cmap.notdefs.clear();
  Scanner scanner;
  if (!open(scanner)) return false;
  if (scanner.next() != Scanner::kComment) return false;
  if (!beginsWithIgnoringAsciiCase(scanner.text(), kCMapResourceComment)) {
    cmap.status = kCMapNotACMap;
    if (beginsWithIgnoringAsciiCase(scanner.text(), kFontResourceComment)) {
      Scanner probe;
      if (open(probe) && isRearrangedFont(probe)) cmap.status = kCMapRearrangedFont;
    }
    return false;
  }
  return CMapFileReader(cmap, scanner).run();
}

}  // namespace

bool CCodeMap::Read(const std::filesystem::path& path) {
  filePath = path;
  return readCMap(*this, [&path](Scanner& scanner) { return scanner.open(path); });
}

bool CCodeMap::ReadBytes(std::span<const uint8_t> bytes) {
  return readCMap(*this, [bytes](Scanner& scanner) {
    scanner = Scanner(bytes);
    return true;
  });
}

}  // namespace sorvella
