// Path helpers shared by the texts that show file names.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvella {

// The part after the last "\", "/" or ":", which is how messages show a file.
std::string_view fileNameOnly(std::string_view path);

// The extension with its dot, ASCII letters in lower case (".pfb" for "A.PFB").
std::string lowerExtension(const std::filesystem::path& file);

}  // namespace sorvella
