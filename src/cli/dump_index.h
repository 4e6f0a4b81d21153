// `dump` for the CID font's index files: the binary index (".sqf") and the text index (".sci").
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

const Dumper& binaryIndexDumper();
const Dumper& textIndexDumper();

}  // namespace sorvella::cli
