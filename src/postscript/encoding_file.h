// Encoding files (*.enc): a first line "%%VANTREL ENCODING: <number>; <display name>" and
// then entries of a glyph name and a decimal character code, read into an EncodingTable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "postscript/encoding_table.h"

namespace sorvella {

inline constexpr char kEncodingFilePrefix[] = "%%VANTREL ENCODING: ";
// Only this many characters of the first line are looked at.
inline constexpr std::size_t kEncodingFirstLineLimit = 253;

struct EncodingFileHeader {
  int32_t number = 0;
  std::string displayName;
};

// The first line as read (at most the limit, no line end): the exact prefix, then a number
// read as "%d" from the text before the first semicolon, then white space skipped and the
// rest as the display name. None when the line does not have that form.
std::optional<EncodingFileHeader> parseEncodingFirstLine(std::string_view line);

// Reads and parses the first line of a regular file; none when it cannot be read.
std::optional<EncodingFileHeader> readEncodingFileHeader(const std::filesystem::path& file);

// Resets the table, skips the first line and stores every entry the table accepts (see
// EncodingTable::assign). A word that is not a whole decimal number where a code is expected
// is taken as the next entry's name.
void readEncodingEntries(std::istream& in, EncodingTable& table);

// The same over a regular file; false, with the table untouched, when it cannot be opened.
bool readEncodingFile(const std::filesystem::path& file, EncodingTable& table);

}  // namespace sorvella
