// Quick looks at resource files: whether a font resource is a rearranged font, and whether a
// CMap file can serve as a base CMap, and under which name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvella {

class ResourceTextScanner;

// The first comment of each kind of resource, without its "%".
inline constexpr std::string_view kCMapResourceComment = "!PS-Adobe-3.0 Resource-CMap";
inline constexpr std::string_view kFontResourceComment = "!PS-Adobe-3.0 Resource-Font";

bool beginsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

// A scanner at the start of a font resource that holds the word beginrearrangedfont.
bool isRearrangedFont(ResourceTextScanner& scanner);

// The CMapName of a CMap file that has mappings and no usecmap (possibly empty when the name
// comes after the first mapping section); nothing for a file that cannot be a base.
std::optional<std::string> baseCMapName(ResourceTextScanner& scanner);

}  // namespace sorvella
