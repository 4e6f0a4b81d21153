// The 55 words of CMap files, EPS resources and the CID font's index files, numbered by
// position, with the two lookups: resources match the first character exactly, index files don't.
#pragma once

#include <array>
#include <string_view>

namespace sorvella {

enum Keyword : int {
  kKwNone = -1,
  kKwFontName = 0,
  kKwFullName,
  kKwNotice,
  kKwVersion,
  kKwRegistry,
  kKwOrdering,
  kKwSupplement,
  kKwUIDBase,
  kKwXUID,
  kKwBeginBaseFonts,
  kKwEndBaseFonts,
  kKwTotalCharacters,
  kKwBeginCharacterData,
  kKwBaseFont,
  kKwUsecmap,
  kKwUsefont,
  kKwBeginusematrix,
  kKwEndusematrix,
  kKwBegincodespacerange,
  kKwEndcodespacerange,
  kKwBegincmap,
  kKwEndcmap,
  kKwBegincidchar,
  kKwEndcidchar,
  kKwBegincidrange,
  kKwEndcidrange,
  kKwBeginnotdefchar,
  kKwEndnotdefchar,
  kKwBeginnotdefrange,
  kKwEndnotdefrange,
  kKwBegin,
  kKwEnd,
  kKwDef,
  kKwCIDSystemInfo,
  kKwCMapName,
  kKwCMapVersion,
  kKwCMapType,
  kKwUIDOffset,
  kKwWMode,
  kKwCIDInit,
  kKwBeginrearrangedfont,
  kKwEndrearrangedfont,
  kKwBeginbfchar,
  kKwEndbfchar,
  kKwBeginbfrange,
  kKwEndbfrange,
  kKwBeginIndexData,
  kKwCIDindex,
  kKwCIDrange,
  kKwEndIndexData,
  kKwBeginFontInfo,
  kKwEndFontInfo,
  kKwCID,
  kKwFONT,
  kKwGLYPH,
  kKeywordCount
};

extern const std::array<std::string_view, kKeywordCount> kKeywords;

// Resource lookup: first character exact, the whole word without regard to ASCII case.
Keyword keywordNumber(std::string_view word);
// Index-file lookup: the whole word without regard to ASCII case.
Keyword indexKeywordNumber(std::string_view word);

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace sorvella
