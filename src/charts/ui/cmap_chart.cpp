#include "charts/ui/cmap_chart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include "charts/chart_cells.h"
#include "charts/chart_commands.h"
#include "charts/ui/cmap_satellite.h"

namespace sorvella {

namespace {
QString latin1(const std::string& text) {
  return QString::fromLatin1(text.c_str());
}
constexpr int kCMapLabelHeight = 10;
}  // namespace

CMapChart::CMapChart(ChartContext& context, QWidget* parent)
    : ChartGridWidget(static_cast<int32_t>(ChartId::kCMap), parent), context_(context) {
  setCellSize(kCMapChart.cellWidth, kCMapChart.cellHeight);
  setItemCount(kCMapPageCells);
  QFont small = viewport()->font();
  small.setPixelSize(kCMapLabelHeight - 1);
  viewport()->setFont(small);
}

void CMapChart::setPage(uint8_t page) {
  page_ = page;
  viewport()->update();
}

void CMapChart::drawCell(QPainter& painter, int32_t item, const QRect& rect, bool selected,
                         bool current) {
  const CellColours colours = cellColours(selected, current);
  const auto colour = [](uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); };
  painter.fillRect(rect, colour(colours.paper));
  painter.setPen(colour(colours.label));
  const auto low = static_cast<uint8_t>(item);
  painter.drawText(QRect(rect.left(), rect.top(), rect.width(), kCMapLabelHeight), Qt::AlignCenter,
                   latin1(cmapCellLabel(low)));
  const CCodeMap* map = cmap();
  const uint16_t cid = map ? map->Lookup(page_, low) : CCodeMap::kNoCid;
  if (cid == CCodeMap::kNoCid) return;
  cellPainter_.drawNumber(
      painter,
      QRect(rect.left(), rect.bottom() - kCMapLabelHeight + 1, rect.width(), kCMapLabelHeight), cid,
      colours.label, colours.paper);
  const CCidFont* cidFont = context_.font();
  if (!cidFont) return;
  const int32_t character = cidFont->CharacterAt(cid);
  if (character < 0) return;
  cellPainter_.drawMono(painter,
                        QPoint((rect.left() + rect.right() + 1) / 2 - kThumbnailWidth / 2,
                               rect.top() + kCMapLabelHeight),
                        cidFont->record(character).thumbnail.data(), kThumbnailWidth,
                        kThumbnailHeight, kThumbnailRowBytes, colours.ink);
}

void CMapChart::showContextMenu(const QPoint& globalPos) {
  if (!cmap()) return;
  const auto chooser = context_.chooseFromMenu ? context_.chooseFromMenu : popUpChartMenu;
  if (std::optional<ChartCommand> command =
          chooser(chartMenu(kCMapChart.contextMenu), globalPos, !grid().selection().empty()))
    run(*command);
}

void CMapChart::activate(int32_t) {}

int32_t CMapChart::acceptsDrop(int32_t sourceChartId) const {
  return sorvella::acceptsDrop(ChartId::kCMap, static_cast<ChartId>(sourceChartId));
}

void CMapChart::paste(int32_t target) {
  CCodeMap* map = cmap();
  if (!map) return;
  if (std::optional<CellRange> pasted = pasteIntoCMap(*map, page_, target, context_.clipboard()))
    setSelection(pasted->first, pasted->last);
  emit edited();
  viewport()->update();
}

void CMapChart::run(ChartCommand command) {
  CCodeMap* map = cmap();
  if (!map) return;
  const ItemRange s = grid().selection();
  switch (command) {
    case ChartCommand::kUnselect:
      clearSelection();
      break;
    case ChartCommand::kJump:
      if (auto cid = cmapJumpTarget(*map, page_, static_cast<uint8_t>(grid().current())))
        if (context_.showCid) context_.showCid(*cid);
      break;
    case ChartCommand::kCut:
    case ChartCommand::kCopy:
      if (!s.empty())
        context_.clipboard() =
            copyCMapCells(page_, {s.first, s.last}, command == ChartCommand::kCut);
      break;
    case ChartCommand::kPaste:
      if (!context_.clipboard().empty()) paste(s.empty() ? grid().current() : s.first);
      break;
    case ChartCommand::kDelete:
      deleteCMapCells(*map, page_, {s.first, s.last});
      emit edited();
      viewport()->update();
      break;
    default:
      break;
  }
}

void CMapChart::drop(ChartGridWidget& source, ItemRange target) {
  // A drag pastes like Copy and Paste, without touching the shared clipboard.
  CCodeMap* map = cmap();
  if (!map) return;
  const ItemRange dragged = source.grid().dragSource().range;
  ChartClipboard dragClipboard = source.chartId() == static_cast<int32_t>(ChartId::kCMap)
                                     ? copyCMapCells(static_cast<CMapChart&>(source).page(),
                                                     {dragged.first, dragged.last}, false)
                                     : copyFromCharacters(dragged, false);
  if (std::optional<CellRange> pasted = pasteIntoCMap(*map, page_, target.first, dragClipboard))
    setSelection(pasted->first, pasted->last);
  emit edited();
  viewport()->update();
}

void CMapChart::printPage(QPrinter& printer) const {
  QPainter painter(&printer);
  const CCodeMap* map = cmap();
  const QRect page = painter.viewport();
  QFont font = painter.font();
  font.setPointSize(10);
  painter.setFont(font);
  const int line = painter.fontMetrics().height();
  int y = line;
  const auto text = [&](const std::string& s) {
    painter.drawText(0, y, latin1(s));
    y += line;
  };
  text(cmap_chart_text::kPrintHeading);
  if (map) {
    text(map->cmapName);
    text(cmapPrintCodes(page_));
    text(cmapPrintSource(*map));
  }
  y += line;
  // The 256 cells as 16 rows of 16, scaled to the page's width.
  const int cell = std::max(page.width() / 16, 1);
  for (int low = 0; low < kCMapPageCells; ++low) {
    const QRect r((low % 16) * cell, y + (low / 16) * cell, cell, cell);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.drawText(r.adjusted(2, 2, -2, -2), Qt::AlignTop | Qt::AlignLeft,
                     latin1(cmapCellLabel(static_cast<uint8_t>(low))));
    const uint16_t cid = map ? map->Lookup(page_, static_cast<uint8_t>(low)) : CCodeMap::kNoCid;
    if (cid != CCodeMap::kNoCid)
      painter.drawText(r.adjusted(2, 2, -2, -2), Qt::AlignBottom | Qt::AlignRight,
                       QString::number(cid));
  }
}

// The frame.

CMapFrame::CMapFrame(ChartContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
  QWidget* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* bar = new QHBoxLayout;
  page_ = new QSpinBox(central);
  page_->setRange(0, 255);
  page_->setDisplayIntegerBase(16);
  page_->setPrefix("Page ");
  set_ = new QPushButton(QStringLiteral("Set"), central);
  rowWidth_ = new QComboBox(central);
  for (int k = 0; k <= 4; ++k) rowWidth_->addItem(QString::number(4 << k));
  rowWidth_->setCurrentIndex(2);
  header_ = new QPushButton(QStringLiteral("Header..."), central);
  showSatellite_ = new QPushButton(QStringLiteral("Show Satelliite"), central);
  showSample_ = new QPushButton(QStringLiteral("Show Sample"), central);
  print_ = new QPushButton(QStringLiteral("&Print page"), central);
  set_->setProperty("controlId", 1012);
  rowWidth_->setProperty("controlId", 1013);
  header_->setProperty("controlId", 1011);
  showSatellite_->setProperty("controlId", 1014);
  showSample_->setProperty("controlId", 1015);
  print_->setProperty("controlId", 1016);
  for (QWidget* w : std::initializer_list<QWidget*>{page_, set_, rowWidth_, header_, showSatellite_,
                                                    showSample_, print_})
    bar->addWidget(w);
  bar->addStretch();
  layout->addLayout(bar);
  chart_ = new CMapChart(context, central);
  layout->addWidget(chart_);
  setCentralWidget(central);
  statusBar()->showMessage(QString::fromLatin1(cmap_chart_text::kPrompt));
  code_ = new QLabel(this);
  cid_ = new QLabel(this);
  code_->setMinimumWidth(fontMetrics().horizontalAdvance(cmap_chart_text::kCodePaneSize));
  cid_->setMinimumWidth(fontMetrics().horizontalAdvance(cmap_chart_text::kCidPaneSize));
  statusBar()->addPermanentWidget(code_);
  statusBar()->addPermanentWidget(cid_);

  satellite_ =
      new CMapSatellite([this] { return static_cast<const CCodeMap*>(chart_->cmap()); }, this);
  sample_ = new QWidget(this, Qt::Tool);
  sample_->setWindowTitle(QStringLiteral("CMap Sample"));
  sample_->setObjectName(QStringLiteral("CMapSample"));
  auto* sampleLayout = new QVBoxLayout(sample_);
  sampleText_ = new QLineEdit(sample_);
  sampleCids_ = new QLabel(sample_);
  sampleLayout->addWidget(sampleText_);
  sampleLayout->addWidget(sampleCids_);

  connect(page_, &QSpinBox::valueChanged, this, [this](int page) { setPage(page); });
  connect(satellite_, &CMapSatellite::pageChosen, this, [this](int page) { setPage(page); });
  connect(chart_, &ChartGridWidget::currentChanged, this, [this] { showStatus(); });
  connect(chart_, &CMapChart::edited, this, [this] {
    showStatus();
    satellite_->update();
    showSample();
  });
  connect(set_, &QPushButton::clicked, this, [this] { setRowWidth(rowWidth_->currentIndex()); });
  connect(header_, &QPushButton::clicked, this, [this] {
    if (context_.editCMapHeader && context_.editCMapHeader()) refresh();
  });
  connect(showSatellite_, &QPushButton::clicked, this,
          [this] { satellite_->setVisible(!satellite_->isVisible()); });
  connect(showSample_, &QPushButton::clicked, this, [this] {
    sample_->show();
    sample_->raise();
  });
  connect(sampleText_, &QLineEdit::textChanged, this, [this] { showSample(); });
  connect(print_, &QPushButton::clicked, this, &CMapFrame::printWithDialog);
  resize(16 * kCMapChart.cellWidth + 40, 8 * kCMapChart.cellHeight + 80);
  refresh();
}

QPushButton* CMapFrame::button(int id) const {
  for (QPushButton* b : {set_, header_, showSatellite_, showSample_, print_})
    if (b->property("controlId").toInt() == id) return b;
  return nullptr;
}

void CMapFrame::setPage(int page) {
  page = std::clamp(page, 0, 255);
  chart_->setPage(static_cast<uint8_t>(page));
  if (page_->value() != page) page_->setValue(page);
  satellite_->setPage(page);
  showStatus();
}

void CMapFrame::setRowWidth(int k) {
  const int columns = 4 << std::clamp(k, 0, 4);
  const int extra = width() - chart_->viewport()->width();
  resize(columns * kCMapChart.cellWidth + extra, height());
}

void CMapFrame::showSample() {
  // The CIDs of the typed text, read as codes of one byte each, or of two where a one-byte
  // code has none.
  const CCodeMap* map = chart_->cmap();
  const QByteArray bytes = sampleText_->text().toLatin1();
  QStringList cids;
  for (int i = 0; map && i < bytes.size(); ++i) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    uint16_t cid = map->Lookup(0, b);
    if (cid == CCodeMap::kNoCid && i + 1 < bytes.size()) {
      cid = map->Lookup(b, static_cast<uint8_t>(bytes[i + 1]));
      if (cid != CCodeMap::kNoCid) ++i;
    }
    cids << (cid == CCodeMap::kNoCid ? QStringLiteral("-") : QString::number(cid));
  }
  sampleCids_->setText(cids.join(' '));
}

void CMapFrame::refresh() {
  const CCodeMap* map = chart_->cmap();
  setWindowTitle(latin1(cmapChartTitle(map)));
  for (QWidget* w :
       std::initializer_list<QWidget*>{page_, set_, rowWidth_, header_, showSatellite_, print_})
    w->setEnabled(map != nullptr);
  showSample_->setEnabled(map != nullptr && context_.font() != nullptr);
  satellite_->update();
  chart_->viewport()->update();
  showStatus();
}

QString CMapFrame::codeText() const {
  return code_->text();
}
QString CMapFrame::cidText() const {
  return cid_->text();
}

void CMapFrame::showStatus() {
  const CCodeMap* map = chart_->cmap();
  const auto low = static_cast<uint8_t>(chart_->grid().current());
  code_->setText(latin1(cmapCodeText(chart_->page(), low)));
  cid_->setText(map ? latin1(cmapCidText(map->Lookup(chart_->page(), low))) : QString());
}

void CMapFrame::printWithDialog() {
  QPrinter printer;
  printer.setDocName(QString::fromLatin1(cmap_chart_text::kPrintDocument));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  statusBar()->showMessage(QString::fromLatin1(cmap_chart_text::kPrinting));
  chart_->printPage(printer);
  statusBar()->showMessage(QString::fromLatin1(cmap_chart_text::kPrompt));
}

}  // namespace sorvella
