// The 87 keys and operator words that the font-program readers act on, numbered from 1 as the
// readers expect; any other token has number 0. Lookup is exact and case-sensitive.
#pragma once

#include <cstddef>
#include <string_view>

namespace sorvella {

enum PSKeyword : int {
  kPSNoKeyword = 0,
  kPSPrivate,
  kPSFontInfo,
  kPSCharStrings,
  kPSFontMatrix,
  kPSEncoding,
  kPSBlueValues,
  kPSOtherBlues,
  kPSFamilyBlues,
  kPSFamilyOtherBlues,
  kPSBlueScale,  // 10
  kPSBlueShift,
  kPSBlueFuzz,
  kPSStdHW,
  kPSStdVW,
  kPSStemSnapH,
  kPSStemSnapV,
  kPSForceBold,
  kPSLanguageGroup,
  kPSRndStemUp,
  kPSLenIV,  // 20
  kPSMinFeature,
  kPSPassword,
  kPSExpansionFactor,
  kPSUniqueID,
  kPSOtherSubrs,
  kPSSubrs,
  kPSErode,
  kPSRD,
  kPSND,
  kPSNP,       // 30
  kPSDashBar,  // /-|
  kPSBarDash,  // /|-
  kPSBar,      // /|
  kPSFontBBox,
  kPSVersion,
  kPSItalicAngle,
  kPSNotice,
  kPSFullName,
  kPSFamilyName,
  kPSWeight,  // 40
  kPSIsFixedPitch,
  kPSUnderlinePosition,
  kPSUnderlineThickness,
  kPSPaintType,
  kPSFontName,
  kPSEnd,
  kPSEexec,
  kPSDef,
  kPSBlendDesignPositions,
  kPSBlendDesignMap,  // 50
  kPSBlendAxisTypes,
  kPSWeightVector,
  kPSBlend,
  kPSForceBoldThreshold,
  kPSCDevProc,
  kPSCIDCount,
  kPSCIDFontName,
  kPSCIDFontType,
  kPSCIDFontVersion,
  kPSCIDMapOffset,  // 60
  kPSCIDSystemInfo,
  kPSRegistry,
  kPSOrdering,
  kPSSupplement,
  kPSFDArray,
  kPSFDBytes,
  kPSGDBytes,
  kPSUIDBase,
  kPSXUID,
  kPSStartData,  // 70
  kPSBeginData,  // %%BeginData
  kPSADOBeginFontDict,
  kPSBinary,
  kPSADOEndFontDict,
  kPSADOBeginPrivateDict,
  kPSADOEndPrivateDict,
  kPSSubrMapOffset,
  kPSSDBytes,
  kPSSubrCount,
  kPSCopyright,  // 80
  kPSPut,
  kPSCurrentdict,
  kPSDict,
  kPSBegin,
  kPSFontType,
  kPSDup,
  kPSClosefile,  // 87
};

inline constexpr int kPSKeywordCount = 87;
inline constexpr std::size_t kPSKeywordMaxLength = 23;

// 0 for a token that is not one of the words, the leading slash of literal names included.
int psKeywordNumber(std::string_view token);
// The word of numbers 1..87; empty for anything else.
std::string_view psKeywordText(int number);

}  // namespace sorvella
