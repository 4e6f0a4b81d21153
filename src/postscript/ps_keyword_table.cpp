#include "postscript/ps_keyword_table.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sorvella {
namespace {

constexpr std::array<std::string_view, kPSKeywordCount> kWords = {
    "/Private",
    "/FontInfo",
    "/CharStrings",
    "/FontMatrix",
    "/Encoding",
    "/BlueValues",
    "/OtherBlues",
    "/FamilyBlues",
    "/FamilyOtherBlues",
    "/BlueScale",
    "/BlueShift",
    "/BlueFuzz",
    "/StdHW",
    "/StdVW",
    "/StemSnapH",
    "/StemSnapV",
    "/ForceBold",
    "/LanguageGroup",
    "/RndStemUp",
    "/lenIV",
    "/MinFeature",
    "/password",
    "/ExpansionFactor",
    "/UniqueID",
    "/OtherSubrs",
    "/Subrs",
    "/Erode",
    "/RD",
    "/ND",
    "/NP",
    "/-|",
    "/|-",
    "/|",
    "/FontBBox",
    "/version",
    "/ItalicAngle",
    "/Notice",
    "/FullName",
    "/FamilyName",
    "/Weight",
    "/isFixedPitch",
    "/UnderlinePosition",
    "/UnderlineThickness",
    "/PaintType",
    "/FontName",
    "end",
    "eexec",
    "def",
    "/BlendDesignPositions",
    "/BlendDesignMap",
    "/BlendAxisTypes",
    "/WeightVector",
    "/Blend",
    "/ForceBoldThreshold",
    "/CDevProc",
    "/CIDCount",
    "/CIDFontName",
    "/CIDFontType",
    "/CIDFontVersion",
    "/CIDMapOffset",
    "/CIDSystemInfo",
    "/Registry",
    "/Ordering",
    "/Supplement",
    "/FDArray",
    "/FDBytes",
    "/GDBytes",
    "/UIDBase",
    "/XUID",
    "StartData",
    "%%BeginData",
    "%ADOBeginFontDict",
    "Binary",
    "%ADOEndFontDict",
    "%ADOBeginPrivateDict",
    "%ADOEndPrivateDict",
    "/SubrMapOffset",
    "/SDBytes",
    "/SubrCount",
    "/Copyright",
    "put",
    "currentdict",
    "dict",
    "begin",
    "/FontType",
    "dup",
    "closefile",
};

// Every token of a font program is looked up, so only the words of its length are compared.
using LengthGroups = std::array<std::vector<uint8_t>, kPSKeywordMaxLength + 1>;

const LengthGroups& lengthGroups() {
  static const LengthGroups groups = [] {
    LengthGroups built;
    for (std::size_t i = 0; i < kWords.size(); ++i)
      built[kWords[i].size()].push_back(static_cast<uint8_t>(i + 1));
    return built;
  }();
  return groups;
}

}  // namespace

int psKeywordNumber(std::string_view token) {
  if (token.size() > kPSKeywordMaxLength) return kPSNoKeyword;
  for (uint8_t number : lengthGroups()[token.size()])
    if (kWords[number - 1u] == token) return number;
  return kPSNoKeyword;
}

std::string_view psKeywordText(int number) {
  if (number < 1 || number > kPSKeywordCount) return {};
  return kWords[static_cast<std::size_t>(number - 1)];
}

}  // namespace sorvella
