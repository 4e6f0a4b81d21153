// The CID font the benchmarks share: 65,535 characters in 128 subset fonts, all placed.
#pragma once

#include "cidfont/cid_font.h"

namespace sorvella::bench {

const CCidFont& bigFont();

}  // namespace sorvella::bench
