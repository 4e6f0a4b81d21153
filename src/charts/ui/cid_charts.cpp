#include "charts/ui/cid_charts.h"

#include <QImage>
#include <QPainter>

#include "charts/chart_commands.h"

namespace sorvella {

namespace {
constexpr QRgb kLockColour = qRgb(192, 0, 0);
constexpr QRgb kHighlightColour = qRgb(0, 160, 0);
constexpr QRgb kTemplateColour = qRgb(128, 160, 255);

QColor colour(uint32_t rgb) {
  return QColor::fromRgb(static_cast<QRgb>(rgb) | 0xFF000000u);
}

}  // namespace

CidChartView::CidChartView(const ChartKind& kind, ChartContext& context, QWidget* parent)
    : ChartGridWidget(static_cast<int32_t>(kind.id), parent), kind_(kind), context_(context) {
  setCellSize(kind.cellWidth, kind.cellHeight);
}

void CidChartView::drawCell(QPainter& painter, int32_t item, const QRect& rect, bool selected,
                            bool current) {
  const ChartCell cell = cellOf(item);
  const CellColours colours = cellColours(selected, current);
  const GridRect r{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
  const CellLayout layout = cellLayout(r);
  painter.fillRect(rect, colour(colours.paper));
  cellPainter_.drawNumber(painter, QRect(rect.left(), rect.top(), rect.width(), kCellLabelHeight),
                          cell.number, colours.label, colours.paper);
  const std::vector<uint8_t>* image = templateImage(item);
  if (cell.character < 0 && hatchEmpty()) {
    const QRect below(rect.left(), rect.top() + kCellLabelHeight, rect.width(),
                      rect.height() - kCellLabelHeight);
    painter.fillRect(below, colour(colours.hatchPaper));
    painter.fillRect(below, QBrush(colour(colours.hatch), Qt::BDiagPattern));
  }
  if (image && context_.loadedTemplate) {
    const uint32_t cellSize = context_.loadedTemplate->cellSize();
    const int size = static_cast<int>(cellSize);
    cellPainter_.drawMono(
        painter,
        QPoint((r.left + r.right) / 2 - size / 2, (layout.label.bottom + r.bottom) / 2 - size / 2),
        image->data(), size, size, static_cast<int>(ChartTemplate::drawRowBytes(cellSize)),
        kTemplateColour);
  }
  if (cell.thumbnail && !(image && context_.templateStyle == TemplateStyle::kInstead)) {
    cellPainter_.drawMono(painter, QPoint(layout.thumbnailLeft, layout.thumbnailTop),
                          cell.thumbnail->data(), kThumbnailWidth, kThumbnailHeight,
                          kThumbnailRowBytes, colours.ink,
                          image ? std::nullopt : std::optional<QRgb>(colours.paper));
  }
  const auto mark = [&](const GridRect& m, QRgb c) {
    painter.fillRect(QRect(m.left, m.top, m.right - m.left, m.bottom - m.top), QColor::fromRgb(c));
  };
  if (cell.locked) mark(layout.lockMark, kLockColour);
  if (cell.highlighted) mark(layout.highlightMark, kHighlightColour);
}

void CidChartView::showContextMenu(const QPoint& globalPos) {
  if (!context_.font()) return;
  const auto chooser = context_.chooseFromMenu ? context_.chooseFromMenu : popUpChartMenu;
  if (std::optional<ChartCommand> command =
          chooser(chartMenu(kind_.contextMenu), globalPos, !grid().selection().empty()))
    run(*command);
}

// Characters chart.

CharactersChart::CharactersChart(ChartContext& context, QWidget* parent)
    : CidChartView(kCharactersChart, context, parent) {}

void CharactersChart::refresh() {
  const CCidFont* font = context_.font();
  setItemCount(font ? characterItemCount(*font) : 0);
  if (context_.loadedTemplate && font) context_.loadedTemplate->rebuildLookup(font->rangeTop());
  viewport()->update();
}

ChartCell CharactersChart::cellOf(int32_t item) const {
  return characterCell(*context_.font(), item, context_.highlightedFont);
}

const std::vector<uint8_t>* CharactersChart::templateImage(int32_t item) const {
  const auto& loaded = context_.loadedTemplate;
  if (!loaded || context_.templateStyle == TemplateStyle::kHidden) return nullptr;
  if (context_.templateStyle == TemplateStyle::kEmptyOnly &&
      context_.font()->CharacterAt(item) >= 0)
    return nullptr;
  const int32_t index = loaded->ImageOf(item);
  if (index < 0) return nullptr;
  templateRows_ = loaded->image(static_cast<uint32_t>(index));
  return &templateRows_;
}

int32_t CharactersChart::acceptsDrop(int32_t sourceChartId) const {
  return sorvella::acceptsDrop(ChartId::kCharacters, static_cast<ChartId>(sourceChartId));
}

void CharactersChart::showResult(std::optional<ItemRange> placed) {
  if (context_.changed) context_.changed();
  if (placed) {
    setItemCount(characterItemCount(*context_.font()));
    setSelection(placed->first, placed->last);
  }
}

void CharactersChart::run(ChartCommand command) {
  CCidFont* font = context_.font();
  if (!font) return;
  const ItemRange selection = grid().selection();
  switch (command) {
    case ChartCommand::kUnselect:
      clearSelection();
      return;
    case ChartCommand::kCut:
    case ChartCommand::kCopy:
      if (!selection.empty())
        context_.clipboard() = copyFromCharacters(selection, command == ChartCommand::kCut);
      return;
    case ChartCommand::kPaste: {
      const int32_t target = selection.empty() ? grid().current() : selection.first;
      showResult(pasteCharacters(*font, context_.clipboard(), target));
      return;
    }
    case ChartCommand::kAppend:
      showResult(pasteCharacters(*font, context_.clipboard(), appendTarget(*font)));
      return;
    case ChartCommand::kPasteTo: {
      const auto ask = context_.askCid ? context_.askCid : askPlaceAtCode;
      if (std::optional<int32_t> cid = ask())
        showResult(pasteCharacters(*font, context_.clipboard(), *cid));
      return;
    }
    case ChartCommand::kDelete:
      clearCharacters(*font, selection);
      showResult(std::nullopt);
      return;
    default:
      return;
  }
}

void CharactersChart::drop(ChartGridWidget& source, ItemRange target) {
  CCidFont* font = context_.font();
  if (!font) return;
  const ChartId sourceId = static_cast<ChartId>(source.chartId());
  const ItemRange dragged = source.grid().dragSource().range;
  if (!dropOffered(sourceId, dragged, target)) return;
  const char* menu = sourceId == ChartId::kCharacters ? chart_text::kDropPlacedMenu
                                                      : chart_text::kDropUnplacedMenu;
  const auto chooser = context_.chooseFromMenu ? context_.chooseFromMenu : popUpChartMenu;
  const std::optional<ChartCommand> command = chooser(chartMenu(menu), QCursor::pos(), true);
  if (!command) return;
  int32_t cid = target.first;
  if (sourceId != ChartId::kCharacters) {
    if (*command == ChartCommand::kAppend) cid = appendTarget(*font);
    if (*command == ChartCommand::kPasteTo) {
      const auto ask = context_.askCid ? context_.askCid : askPlaceAtCode;
      const std::optional<int32_t> asked = ask();
      if (!asked) return;
      cid = *asked;
    }
  }
  const int32_t subsetFont =
      sourceId == ChartId::kFont ? static_cast<FontChart&>(source).subsetFont() : -1;
  showResult(dropOnCharacters(*font, sourceId, dragged, subsetFont, *command, cid));
}

// Unplaced chart.

UnplacedChart::UnplacedChart(ChartContext& context, QWidget* parent)
    : CidChartView(kUnplacedChart, context, parent) {}

void UnplacedChart::refresh() {
  const CCidFont* font = context_.font();
  setItemCount(font ? unplacedItemCount(*font) : 0);
  viewport()->update();
}

ChartCell UnplacedChart::cellOf(int32_t item) const {
  return unplacedCell(*context_.font(), item, context_.highlightedFont);
}

int32_t UnplacedChart::acceptsDrop(int32_t sourceChartId) const {
  return sorvella::acceptsDrop(ChartId::kUnplaced, static_cast<ChartId>(sourceChartId));
}

void UnplacedChart::run(ChartCommand command) {
  if (command == ChartCommand::kUnselect) clearSelection();
  if (command == ChartCommand::kCopy && !grid().selection().empty())
    context_.clipboard() = copyFromUnplaced(grid().selection());
}

void UnplacedChart::drop(ChartGridWidget& source, ItemRange) {
  if (!context_.font()) return;
  clearCharacters(*context_.font(), source.grid().dragSource().range);
  if (context_.changed) context_.changed();
}

// Font chart.

FontChart::FontChart(ChartContext& context, QWidget* parent)
    : CidChartView(kFontChart, context, parent) {}

void FontChart::showFont(int32_t subsetFont) {
  subsetFont_ = subsetFont;
  clearSelection();
  setCurrent(0);
  refresh();
}

void FontChart::refresh() {
  const CCidFont* font = context_.font();
  characters_ =
      font && subsetFont_ >= 0 ? fontChartCharacters(*font, subsetFont_) : std::vector<int32_t>{};
  setItemCount(static_cast<int32_t>(characters_.size()));
  viewport()->update();
}

ChartCell FontChart::cellOf(int32_t item) const {
  return fontChartCell(*context_.font(), characters_, item);
}

void FontChart::activate(int32_t item) {
  if (context_.editGlyph && subsetFont_ >= 0) context_.editGlyph(subsetFont_, item);
}

void FontChart::run(ChartCommand command) {
  CCidFont* font = context_.font();
  if (!font) return;
  if (command == ChartCommand::kUnselect) clearSelection();
  if (command == ChartCommand::kCopy && !grid().selection().empty())
    context_.clipboard() = copyFromFont(subsetFont_, grid().selection());
  if (command == ChartCommand::kDelete) {
    unplaceGlyphs(*font, subsetFont_, grid().selection());
    if (context_.changed) context_.changed();
  }
}

}  // namespace sorvella
