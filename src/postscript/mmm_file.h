// The Multiple Master metrics (MMM) file written instead of AFM, INF and PFM for a subset
// font of several masters: a small header and every glyph's metrics in every master.
#pragma once

#include <cstdint>
#include <vector>

#include "glyph/subset_font.h"

namespace sorvella {

inline constexpr std::size_t kMmmNoticeBytes = 72;
inline constexpr std::size_t kMmmVersionBytes = 16;

// Little-endian throughout:
//   u16 263, u16 3, u16 master count, u16 axis count, u16 axis flags (1 an axis "weight",
//   2 "serif", 4 "italic", names compared without regard to case), 72 bytes notice (cut,
//   zero-padded), 16 bytes version ("%0.3u.%0.3u" or "Untitled", zero-padded), u16 glyph
//   count n; per glyph: i16 code (-1 none), u8 name length, the name; per master: the font
//   box (4 x i16) and per glyph i16 advance and its box (4 x i16).
std::vector<uint8_t> mmmBytes(const SubsetFont& font);

}  // namespace sorvella
