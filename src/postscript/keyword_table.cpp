#include "postscript/keyword_table.h"

namespace sorvella {

const std::array<std::string_view, kKeywordCount> kKeywords = {
    "FontName",       "FullName",         "Notice",
    "Version",        "Registry",         "Ordering",
    "Supplement",     "UIDBase",          "XUID",
    "BeginBaseFonts", "EndBaseFonts",     "TotalCharacters",
    "BeginCharacterData", "BaseFont",     "usecmap",
    "usefont",        "beginusematrix",   "endusematrix",
    "begincodespacerange", "endcodespacerange", "begincmap",
    "endcmap",        "begincidchar",     "endcidchar",
    "begincidrange",  "endcidrange",      "beginnotdefchar",
    "endnotdefchar",  "beginnotdefrange", "endnotdefrange",
    "begin",          "end",              "def",
    "CIDSystemInfo",  "CMapName",         "CMapVersion",
    "CMapType",       "UIDOffset",        "WMode",
    "CIDInit",        "beginrearrangedfont", "endrearrangedfont",
    "beginbfchar",    "endbfchar",        "beginbfrange",
    "endbfrange",     "BeginIndexData",   "CIDindex",
    "CIDrange",       "EndIndexData",     "BeginFontInfo",
    "EndFontInfo",    "CID:",             "FONT:",
    "GLYPH:",
};

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

Keyword keywordNumber(std::string_view word) {
  for (int k = 0; k < kKeywordCount; ++k) {
    std::string_view entry = kKeywords[static_cast<std::size_t>(k)];
    if (!word.empty() && word[0] == entry[0] && equalsIgnoringAsciiCase(word, entry))
      return static_cast<Keyword>(k);
  }
  return kKwNone;
}

Keyword indexKeywordNumber(std::string_view word) {
  for (int k = 0; k < kKeywordCount; ++k)
    if (equalsIgnoringAsciiCase(word, kKeywords[static_cast<std::size_t>(k)]))
      return static_cast<Keyword>(k);
  return kKwNone;
}

}  // namespace sorvella
