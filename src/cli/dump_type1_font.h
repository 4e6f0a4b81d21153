// `dump` for Type 1 fonts (".pfb" and plain files): the subset font the reader makes of them,
// described like a native font file so that the two can be compared.
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

const Dumper& type1FontDumper();

}  // namespace sorvella::cli
