// The batch tool's TrueType paths, which the document subcommands call: a TrueType font
// imported into a new font folder, and an index font added to a CID font.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

#include "cli/document_session.h"

namespace sorvella::cli {

// import FONT.ttf FOLDER [--replace]: the exit status.
int importTrueTypeFontInto(const std::filesystem::path& source, const std::filesystem::path& folder,
                           bool replace, std::ostream& err);

// new-font FONT.sqf NAME --index FIRST LAST, on an opened session: the exit status.
int addIndexFont(DocumentSession& session, const std::string& name, uint32_t first, uint32_t last);

}  // namespace sorvella::cli
