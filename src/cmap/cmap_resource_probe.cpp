#include "cmap/cmap_resource_probe.h"

#include "base/text_trim.h"
#include "postscript/keyword_table.h"
#include "postscript/resource_text_scanner.h"

namespace sorvella {
namespace {

using Scanner = ResourceTextScanner;

bool startsWithComment(Scanner& scanner, std::string_view comment) {
  return scanner.next() == Scanner::kComment && equalsIgnoringAsciiCase(scanner.text(), comment);
}

bool isWordOrName(int kind) {
  return kind == Scanner::kWord || kind == Scanner::kLiteralName;
}

}  // namespace

bool beginsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool isRearrangedFont(Scanner& scanner) {
  if (!startsWithComment(scanner, kFontResourceComment)) return false;
  for (int kind = scanner.next(); kind != Scanner::kEnd; kind = scanner.next()) {
    if (isWordOrName(kind) && keywordNumber(scanner.text()) == kKwBeginrearrangedfont) return true;
  }
  return false;
}

std::optional<std::string> baseCMapName(Scanner& scanner) {
  if (!startsWithComment(scanner, kCMapResourceComment)) return std::nullopt;
  std::string name;
  for (int kind = scanner.next(); kind != Scanner::kEnd; kind = scanner.next()) {
    if (!isWordOrName(kind)) continue;
    switch (keywordNumber(scanner.text())) {
      case kKwCMapName: {
        int value;
        do value = scanner.next();
        while (value == Scanner::kComment);
        if (value != Scanner::kLiteralName) return std::nullopt;
        name = trimOwnedText(scanner.text());
        break;
      }
      case kKwUsecmap:
        return std::nullopt;  // itself based
      case kKwBegincidchar:
      case kKwBegincidrange:
      case kKwBeginnotdefchar:
      case kKwBeginnotdefrange:
        return name;
      default:
        break;
    }
  }
  return std::nullopt;
}

}  // namespace sorvella
