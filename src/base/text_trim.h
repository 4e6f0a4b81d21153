// Owned texts of the model: trailing control and high bytes are dropped when a text is
// stored, and a text that is then empty counts as absent.
#pragma once

#include <string>
#include <string_view>

namespace sorvella {

// Removes trailing bytes that read below 32 as signed 8-bit values (0x00-0x1F, 0x80-0xFF).
std::string trimOwnedText(std::string_view text);

// Removes leading and trailing ASCII blanks (space, tab, CR, LF).
std::string_view trimBlanks(std::string_view text);

}  // namespace sorvella
