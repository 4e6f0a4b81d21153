// The "Current CMap legend:" text of the "Characters" page: the current CMap's name, file,
// writing mode, basing and whether it suits the current CID font.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvella {

class CCodeMap;

namespace cmap_legend_text {
inline constexpr const char* kNoCMap = "There is no CMap loaded now.";
inline constexpr const char* kWithCidFont =
    "The current CMap is called %s and is imported from file %s. This CMap is for %s writing "
    "mode. The CMap is%s compatible with the current CID font.";
inline constexpr const char* kWithoutCidFont =
    "The current CMap is called %s and is imported from file %s. This CMap is for %s writing "
    "mode";
inline constexpr const char* kBasedOn = " This CMap is based on %s.";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kUnknownFile = "<unknown>";
inline constexpr const char* kHorizontal = "horizontal";
inline constexpr const char* kVertical = "vertical";
inline constexpr const char* kCompatible = " ";
inline constexpr const char* kNotCompatible = " not ";
}  // namespace cmap_legend_text

// Either may be absent: `fontOrdering` is the current CID font's Ordering, none when no CID
// font is open.
std::string cmapLegend(const CCodeMap* cmap, std::optional<std::string_view> fontOrdering);

// Orderings match without regard to ASCII case; an empty one suits anything.
bool isCompatibleOrdering(std::string_view cmapOrdering, std::string_view fontOrdering);

}  // namespace sorvella
