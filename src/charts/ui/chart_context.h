// What the chart windows share: the document, the loaded template, the highlighted subset
// font, the menus and dialogs they ask through (replaceable in tests), and the call that
// redraws every chart after a change.
#pragma once

#include <QPoint>
#include <functional>
#include <optional>
#include <span>

#include "charts/chart_kinds.h"
#include "charts/chart_template.h"
#include "cidfont/document.h"

namespace sorvella {

// How template images are combined with the font's thumbnails.
enum class TemplateStyle { kHidden = 0, kBehind = 1, kEmptyOnly = 2, kInstead = 3 };

struct ChartContext {
  explicit ChartContext(Document& d) : document(d) {}

  Document& document;
  std::optional<ChartTemplate> loadedTemplate;
  TemplateStyle templateStyle = TemplateStyle::kBehind;
  // The thumbnails' fit from the options, which built templates share.
  int fitAscender = 900;
  int fitDescender = -100;
  int32_t highlightedFont = -1;

  // Pops up a menu at a global point; the chosen command, or nothing.
  std::function<std::optional<ChartCommand>(std::span<const MenuItem> items, const QPoint& at,
                                            bool hasSelection)>
      chooseFromMenu;
  // The "Place at Code" dialog: the CID typed, or nothing on Cancel.
  std::function<std::optional<int32_t>()> askCid;
  // Redraws every chart from the document.
  std::function<void()> changed;
  // A double click in the Font chart.
  std::function<void(int32_t font, int32_t glyph)> editGlyph;
  // Jump of the CMap chart: the Characters chart shows the CID.
  std::function<void(int32_t cid)> showCid;
  // "Header...": the CMap header dialog; true after OK (the main window rebuilds its legend).
  std::function<bool()> editCMapHeader;

  CCidFont* font() const { return document.font(); }
  ChartClipboard& clipboard() { return document.chartClipboard(); }
};

// The menu and dialog used when a context does not replace them.
std::optional<ChartCommand> popUpChartMenu(std::span<const MenuItem> items, const QPoint& at,
                                           bool hasSelection);
std::optional<int32_t> askPlaceAtCode();

}  // namespace sorvella
