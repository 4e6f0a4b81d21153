// The batch tool's command line: parsing, the commands, and their exit statuses
// (0 success, 1 the command failed, 2 usage error or a file of an unknown kind).
#pragma once

#include <iosfwd>

namespace sorvella::cli {

// What the tool says of an error that no command turned into its own message.
inline constexpr const char* kUnexpectedErrorMessage =
    "The command stopped because of an unexpected error: %s";

// Never throws: an exception that escapes a command is told with kUnexpectedErrorMessage.
int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace sorvella::cli
