// Whole files as bytes: the readers of the program's formats work on files held in memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace sorvella {

// Nothing when the file cannot be opened or read, or is a folder.
std::optional<std::vector<uint8_t>> readWholeFile(const std::filesystem::path& path);

}  // namespace sorvella
