// The font info block that both index files carry: the CID font's names, character
// collection, unique IDs and subset font list, from "BeginFontInfo" to "EndFontInfo".
#pragma once

#include <string>

#include "cidfont/cid_font.h"
#include "cidfont/index_text_reader.h"

namespace sorvella {

inline constexpr const char* kUntitledFontName = "Untitled";
inline constexpr const char* kUnknownFileStem = "Unknown";

void WriteFontInfo(const CCidFont& font, std::string& out);
// Reads up to and including "EndFontInfo" (the "BeginFontInfo" word already read). With
// `store` off the BaseFont lines are read but not stored. False when the input ran out.
bool ReadFontInfo(CCidFont& font, IndexTextReader& in, bool store);

}  // namespace sorvella
