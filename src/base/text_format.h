// printf-style filling of the program's message and file texts, which are kept as format
// constants ("%i", "%s", "%u") next to the code that shows them.
#pragma once

#include <string>

namespace sorvella {

std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace sorvella
