// `dump` for CIDFont resources (".cid"): the header, each font dictionary with its glyph count
// and subset fonts, and per CID its dictionary, advance and bounding box (and, with
// --outlines, its nodes, hints and hint replacement program).
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

const Dumper& cidFontDumper();

}  // namespace sorvella::cli
