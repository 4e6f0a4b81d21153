// The Encoding of a Type 1 font: a named built-in encoding taken from the encoding files, or
// an array of `dup code /name put` entries that becomes the font's own table.
#include <algorithm>
#include <array>
#include <string>

#include "glyph/placeholder_name.h"
#include "postscript/encoding_registry.h"
#include "postscript/keyword_table.h"
#include "postscript/type1_font_parser.h"

namespace sorvella {

void Type1FontParser::readType1Encoding() {
  std::string first;
  std::string second;
  in_.nextToken(first);
  in_.nextToken(second);
  if (equalsIgnoringAsciiCase(second, "def")) {
    selectNamedType1Encoding(first);
  } else {
    readType1EncodingArray();
  }
}

void Type1FontParser::selectNamedType1Encoding(std::string_view name) {
  SubsetFontEncoding& encoding = font_->encoding();
  encoding.number = kStandardEncodingNumber;
  int32_t number = 0;
  if (equalsIgnoringAsciiCase(name, "StandardEncoding")) {
    number = kStandardEncodingNumber;
  } else if (equalsIgnoringAsciiCase(name, "SymbolEncoding")) {
    number = kSymbolEncodingNumber;
  } else if (equalsIgnoringAsciiCase(name, "ISOLatin1Encoding")) {
    number = kIsoLatin1EncodingNumber;
  } else {
    return;
  }
  // The table is loaded even for number 1, so that the names match the number.
  EncodingTable table;
  if (!encodings_->loadEncoding(number, table, false))
    encodings_->loadEncoding(kStandardEncodingNumber, table, true);
  std::copy(table.names().begin(), table.names().end(), encoding.glyphNames.begin());
  encoding.number = number;
}

void Type1FontParser::readType1EncodingArray() {
  std::array<std::string, SubsetFontEncoding::kSize> names;
  std::string token;
  while (in_.status() == PSFontStatus::kFine && in_.nextToken(token)) {
    if (equalsIgnoringAsciiCase(token, "def")) {
      SubsetFontEncoding& encoding = font_->encoding();
      for (int code = 0; code < SubsetFontEncoding::kSize; ++code) {
        const std::string& name = names[static_cast<std::size_t>(code)];
        encoding.glyphNames[static_cast<std::size_t>(code)] =
            name.empty() ? placeholderName(code) : name;
      }
      encoding.number = 0;
      return;
    }
    if (!equalsIgnoringAsciiCase(token, "dup")) continue;
    const int32_t code = in_.readInteger();
    if (!in_.nextToken(token)) return;
    const std::string_view name = std::string_view(token).substr(token[0] == '/' ? 1 : 0);
    // The first code that names a glyph keeps it.
    if (name.empty() || std::find(names.begin(), names.end(), name) != names.end()) continue;
    if (code >= SubsetFontEncoding::kSize) {
      in_.raiseStatus(PSFontStatus::kEncodingCodeTooLarge);
      return;
    }
    if (code >= 0) names[static_cast<std::size_t>(code)] = name;
  }
}

}  // namespace sorvella
