// The real TrueType fonts the tests read (Debian's DejaVu and IPA Mincho), and fontTools run
// over them as the peer that says what they hold.
#pragma once

#include <string>
#include <vector>

namespace sorvella::test {

inline constexpr const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr const char* kDejaVuSansMono =
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
inline constexpr const char* kIpaMincho = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";

// Runs a Python script with fontTools, the font and `argument` as its arguments, and hands
// back the words of every line it printed that starts with one of `tags` (so that warnings
// in between are left out). Empty, with a failed expectation, when the script fails.
std::vector<std::vector<std::string>> fontToolsLines(const std::string& script,
                                                     const std::string& font,
                                                     const std::string& tags,
                                                     const std::string& argument = "");

}  // namespace sorvella::test
