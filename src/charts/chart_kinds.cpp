#include "charts/chart_kinds.h"

#include <array>
#include <cstring>

namespace sorvella {

int32_t acceptsDrop(ChartId target, ChartId source) {
  bool accepted = false;
  switch (target) {
    case ChartId::kCharacters:
      accepted = source == ChartId::kCharacters || source == ChartId::kUnplaced ||
                 source == ChartId::kFont;
      break;
    case ChartId::kUnplaced:
      accepted = source == ChartId::kCharacters;
      break;
    case ChartId::kCMap:
      accepted = source == ChartId::kCharacters || source == ChartId::kCMap;
      break;
    case ChartId::kFont:
      break;
  }
  return accepted ? kDropAccepted : 0;
}

namespace {
using C = ChartCommand;
constexpr std::array kPlaced{
    MenuItem{"Cancel", C::kCancel, false, nullptr},
    MenuItem{"&Unselect", C::kUnselect, true, nullptr},
    MenuItem{"Cut", C::kCut, true, nullptr},
    MenuItem{"&Copy", C::kCopy, true, nullptr},
    MenuItem{"&Paste", C::kPaste, false, nullptr},
    MenuItem{"Paste specia&l", C::kCancel, false, chart_text::kPasteSpecialMenu},
    MenuItem{"&Delete", C::kDelete, true, nullptr},
};
constexpr std::array kPasteSpecial{
    MenuItem{"&Append", C::kAppend, false, nullptr},
    MenuItem{"&Paste to...", C::kPasteTo, false, nullptr},
};
constexpr std::array kUnplaced{
    MenuItem{"Cancel", C::kCancel, false, nullptr},
    MenuItem{"&Unselect", C::kUnselect, true, nullptr},
    MenuItem{"&Copy", C::kCopy, true, nullptr},
};
constexpr std::array kFont{
    MenuItem{"Cancel", C::kCancel, false, nullptr},
    MenuItem{"&Unselect", C::kUnselect, true, nullptr},
    MenuItem{"&Copy", C::kCopy, true, nullptr},
    MenuItem{"&Delete", C::kDelete, true, nullptr},
};
constexpr std::array kMap{
    MenuItem{"Cancel", C::kCancel, false, nullptr},
    MenuItem{"&Unselect", C::kUnselect, true, nullptr},
    MenuItem{"&Jump", C::kJump, false, nullptr},
    MenuItem{"C&ut", C::kCut, true, nullptr},
    MenuItem{"&Copy", C::kCopy, true, nullptr},
    MenuItem{"&Paste", C::kPaste, false, nullptr},
    MenuItem{"&Delete", C::kDelete, true, nullptr},
};
constexpr std::array kDropPlaced{
    MenuItem{"&Copy", C::kCopy, false, nullptr},
    MenuItem{"&Move", C::kMove, false, nullptr},
    MenuItem{"&Exchange", C::kExchange, false, nullptr},
};
constexpr std::array kDropUnplaced{
    MenuItem{"&Place", C::kPlace, false, nullptr},
    MenuItem{"&Append", C::kAppend, false, nullptr},
    MenuItem{"&Place to..", C::kPasteTo, false, nullptr},
};

struct NamedMenu {
  const char* name;
  std::span<const MenuItem> items;
};
constexpr std::array kMenus{
    NamedMenu{"PLACED", kPlaced},
    NamedMenu{chart_text::kPasteSpecialMenu, kPasteSpecial},
    NamedMenu{"UNPLACED", kUnplaced},
    NamedMenu{"FONT", kFont},
    NamedMenu{"MAP", kMap},
    NamedMenu{chart_text::kDropPlacedMenu, kDropPlaced},
    NamedMenu{chart_text::kDropUnplacedMenu, kDropUnplaced},
};
}  // namespace

std::span<const MenuItem> chartMenu(const char* name) {
  for (const NamedMenu& menu : kMenus)
    if (name && std::strcmp(menu.name, name) == 0) return menu.items;
  return {};
}

}  // namespace sorvella
