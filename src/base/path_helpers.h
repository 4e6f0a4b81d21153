// Path helpers shared by the texts that show file names.
#pragma once

#include <string_view>

namespace sorvella {

// The part after the last "\", "/" or ":", which is how messages show a file.
std::string_view fileNameOnly(std::string_view path);

}  // namespace sorvella
