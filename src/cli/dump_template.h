// `dump` for chart template files (".ctp"): the header and, with --records, every record's
// CID and image rows.
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

const Dumper& templateDumper();

}  // namespace sorvella::cli
