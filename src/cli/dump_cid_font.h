// `dump` for CIDFont resources (".cid"): the header, each font dictionary with its glyph count
// and subset fonts, and per CID its dictionary, advance, bounding box and contours.
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

const Dumper& cidFontDumper();

}  // namespace sorvella::cli
