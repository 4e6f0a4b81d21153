// The dump of encoding files (*.enc): their number, display name and the glyph name of every
// code the file names.
#pragma once

#include "cli/dump_command.h"

namespace sorvella::cli {

inline constexpr const char* kInvalidEncodingHeaderMessage =
    "the first line is not a valid encoding file header";
inline constexpr const char* kUnreadableEncodingMessage = "cannot be read";

Dumper encodingDumper();

}  // namespace sorvella::cli
