// A small CID font on disk for window tests: a font folder with its index file and the native
// files of two subset fonts.
#pragma once

#include <filesystem>
#include <string>

namespace sorvella::test {

// Writes <parent>/<name>/<name>.sqf, FontName `name`, with the subset fonts <name>A (CID 1 and
// one unplaced glyph) and <name>B (CID 5); returns the index file's path.
std::filesystem::path writeSampleIndexFont(const std::filesystem::path& parent,
                                           const std::string& name);

}  // namespace sorvella::test
