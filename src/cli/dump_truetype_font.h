// `dump` for TrueType fonts (".ttf"): the table directory and every table's fields, and with
// --records every glyph, glyph name, name record and kerning pair.
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

const Dumper& trueTypeFontDumper();

}  // namespace sorvella::cli
