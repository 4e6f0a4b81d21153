// `dump` for CMap resource files (".cmp"): the header, the basing, the number of mapped codes
// and, with --map, every mapping.
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

const Dumper& cmapDumper();

}  // namespace sorvella::cli
