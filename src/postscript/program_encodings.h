// The encoding files shipped in the program's data folder, loaded once on first use and
// shared by everything that reads Type 1 fonts.
#pragma once

#include "postscript/encoding_registry.h"

namespace sorvella {

const EncodingRegistry& programEncodings();

}  // namespace sorvella
