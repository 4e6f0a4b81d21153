#include "charts/ui/chart_windows.h"

#include <QMenuBar>

#include "charts/ui/template_dialogs.h"
#include "cidfont/ui/widget_placement.h"
#include "platform/qt/qt_prompts.h"

namespace sorvella {

namespace {
template <typename Chart>
std::unique_ptr<QMainWindow> frameFor(const ChartKind& kind, ChartContext& context, Chart*& chart,
                                      QWidget* parent, int columns, int rows) {
  auto frame = std::make_unique<QMainWindow>(parent, Qt::Window);
  frame->setWindowTitle(QString::fromLatin1(kind.frameTitle));
  frame->setObjectName(QString::fromLatin1(kind.placementPrefix));
  chart = new Chart(context, frame.get());
  frame->setCentralWidget(chart);
  frame->resize(columns * kind.cellWidth + 20, rows * kind.cellHeight);
  return frame;
}
}  // namespace

ChartWindows::ChartWindows(Document& document,
                           std::function<void(int32_t font, int32_t glyph)> editGlyph,
                           QWidget* parent, Prompts* prompts)
    : QObject(parent), context_(document) {
  if (!prompts) ownPrompts_ = std::make_unique<QtPrompts>(parent);
  prompts_ = prompts ? prompts : ownPrompts_.get();
  context_.editGlyph = std::move(editGlyph);
  context_.changed = [this] { refresh(); };
  context_.showCid = [this](int32_t cid) { showCid(cid); };
  charactersWindow_ = frameFor(kCharactersChart, context_, characters_, parent, 16, 10);
  unplacedWindow_ = frameFor(kUnplacedChart, context_, unplaced_, parent, 16, 6);
  fontWindow_ = frameFor(kFontChart, context_, fontChart_, parent, 16, 8);
  QMenu* templates = charactersWindow_->menuBar()->addMenu(QStringLiteral("&Template"));
  connect(templates->addAction(QStringLiteral("&Build Template")), &QAction::triggered, this,
          [this] { buildTemplate(); });
  connect(templates->addAction(QStringLiteral("&Templates...")), &QAction::triggered, this,
          [this] { showTemplates(); });
  cmapWindow_ = std::make_unique<CMapFrame>(context_, parent);
  cmapWindow_->setWindowFlag(Qt::Window);
  cmapWindow_->setObjectName(QString::fromLatin1(kCMapChart.placementPrefix));
  refresh();
}

ChartWindows::~ChartWindows() = default;

void ChartWindows::refresh() {
  characters_->refresh();
  unplaced_->refresh();
  fontChart_->refresh();
  cmapWindow_->refresh();
}

void ChartWindows::editFont(int32_t subsetFont) {
  fontChart_->showFont(subsetFont);
  const CCidFont* font = context_.font();
  const std::string name = font ? font->subsetFont(subsetFont).name() : std::string();
  fontWindow_->setWindowTitle(QString::fromLatin1(kFontChart.frameTitle) +
                              (name.empty() ? QString() : " - " + QString::fromLatin1(name)));
  fontWindow_->showNormal();
  fontWindow_->raise();
}

void ChartWindows::setHighlightedFont(int32_t subsetFont) {
  context_.highlightedFont = subsetFont;
  characters_->viewport()->update();
  unplaced_->viewport()->update();
}

bool ChartWindows::buildTemplate() {
  return runBuildTemplate(context_, *prompts_, context_.fitAscender, context_.fitDescender,
                          charactersWindow_.get());
}

void ChartWindows::showTemplates() {
  runTemplatesCommand(context_, *prompts_, charactersWindow_.get());
}

void ChartWindows::showCid(int32_t cid) {
  characters_->setCurrent(cid);
  characters_->setSelection(cid, cid);
  characters_->ensureVisible(cid);
  charactersWindow_->show();
  charactersWindow_->raise();
}

void ChartWindows::restorePlacements(const Profile& profile) {
  for (QMainWindow* frame : frames())
    showAsPlaced(*frame, restoreWidgetPlacement(*frame, profile, frame->objectName().toStdString(),
                                                frame->isVisible()));
}

void ChartWindows::savePlacements(Profile& profile) const {
  for (const QMainWindow* frame : frames())
    saveWidgetPlacement(*frame, profile, frame->objectName().toStdString());
}

std::array<QMainWindow*, 4> ChartWindows::frames() const {
  return {charactersWindow_.get(), unplacedWindow_.get(), fontWindow_.get(), cmapWindow_.get()};
}

}  // namespace sorvella
