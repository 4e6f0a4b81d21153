// The batch tool's command line: parsing, the commands, and their exit statuses
// (0 success, 1 the command failed, 2 usage error or a file of an unknown kind).
#pragma once

#include <iosfwd>

namespace sorvella::cli {

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace sorvella::cli
