// The four charts: their ids, window texts, cell sizes, saved placements, context menus and
// which chart accepts a drop from which.
#pragma once

#include <cstdint>
#include <span>

namespace sorvella {

enum class ChartId : int32_t {
  kUnplaced = 12001,
  kCharacters = 12002,
  kCMap = 12003,
  kFont = 12004,
};

// What Accepts drop answers for a source it takes.
inline constexpr int32_t kDropAccepted = 12345;

struct ChartKind {
  ChartId id;
  const char* windowClass;
  const char* frameTitle;
  const char* placementPrefix;
  int32_t cellWidth;
  int32_t cellHeight;
  const char* contextMenu;
};

inline constexpr ChartKind kCharactersChart{ChartId::kCharacters,
                                            "GLYPHSCHART",
                                            "Sorvella Characters Chart",
                                            "CharsChart",
                                            38,
                                            48,
                                            "PLACED"};
inline constexpr ChartKind kUnplacedChart{ChartId::kUnplaced,
                                          "UNPLACEDCHART",
                                          "Sorvella Unplaced Characters Chart",
                                          "UnplacedChart",
                                          38,
                                          38,
                                          "UNPLACED"};
inline constexpr ChartKind kFontChart{
    ChartId::kFont, "FONTCHART", "Sorvella Font Chart", "FontChart", 38, 48, "FONT"};
inline constexpr ChartKind kCMapChart{
    ChartId::kCMap, "", "Sorvella CMap Chart", "CMapChart", 38, 52, "MAP"};

// kDropAccepted when `target` takes a drop from `source`, else 0.
int32_t acceptsDrop(ChartId target, ChartId source);

// Context menu and drop menu commands.
enum class ChartCommand {
  kCancel,
  kUnselect,
  kCut,
  kCopy,
  kPaste,
  kAppend,   // "Paste specia&l" > "&Append"; "&Append" of DROP_UNPLACED
  kPasteTo,  // "Paste specia&l" > "&Paste to..."; "&Place to.." of DROP_UNPLACED
  kDelete,
  kJump,
  kMove,      // DROP_PLACED
  kExchange,  // DROP_PLACED
  kPlace,     // DROP_UNPLACED
};

struct MenuItem {
  const char* text;
  ChartCommand command;
  bool needsSelection;  // enabled only with a selection
  const char* submenu;  // non-null: this item opens the named submenu
};

// The entries of a named menu: "PLACED", "UNPLACED", "FONT", "MAP", "DROP_PLACED",
// "DROP_UNPLACED" and the submenu "PASTE_SPECIAL"; empty for another name.
std::span<const MenuItem> chartMenu(const char* name);

namespace chart_text {
inline constexpr const char* kPasteSpecialMenu = "PASTE_SPECIAL";
inline constexpr const char* kDropPlacedMenu = "DROP_PLACED";
inline constexpr const char* kDropUnplacedMenu = "DROP_UNPLACED";
inline constexpr const char* kPlaceAtCodeTitle = "Place at Code";
inline constexpr const char* kPlaceAtCodePrompt =
    "Enter a CID code at which you want to place selected characters:";
inline constexpr const char* kPlaceAtCodeNote =
    "This code may be greater than current top code in a CID table. In that case necessary "
    "amount of empty characters will be added.";
inline constexpr const char* kCellNumber = "%u";
}  // namespace chart_text

}  // namespace sorvella
