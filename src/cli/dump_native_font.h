// `dump` for native font files (".vtb"): the subset font they hold, recognised by the bytes
// its header begins with.
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

const Dumper& nativeFontDumper();

}  // namespace sorvella::cli
