#include "app/tool_windows.h"

#include <QMenuBar>

#include "app/main_frame.h"
#include "charts/ui/chart_windows.h"
#include "cidfont/actions_run.h"
#include "cidfont/document.h"
#include "cidfont/ui/apply_actions_dialog.h"
#include "editor/edit_menu.h"
#include "editor/ui/edit_frame.h"

namespace sorvella {

namespace {
// The glyph window's own caption of the command, so that both windows read the same.
const char* applyActionsLabel() {
  for (const EditCommandText& item : kActionsMenu)
    if (item.command == EditCommand::kApplyActions) return item.label;
  return "";
}

void bringUp(QWidget& window) {
  if (window.isMinimized()) window.showNormal();
  window.show();
  window.raise();
  window.activateWindow();
}
}  // namespace

ToolWindows::ToolWindows(CMainFrame& frame)
    : QObject(&frame), frame_(frame), prompts_(&frame), fileDialogs_(&frame) {
  charts_ = std::make_unique<ChartWindows>(
      frame.document(), [this](int32_t font, int32_t glyph) { editGlyph(font, glyph); }, &frame,
      &prompts_);
  ChartContext& context = charts_->context();
  context.fitAscender = frame.options().fitAscender;
  context.fitDescender = frame.options().fitDescender;
  context.editCMapHeader = [this] { return frame_.editCMapHeader(); };
  // A chart command changed the font: the pages, the title and every chart follow.
  context.changed = [this] { frame_.refreshPages(); };
  charts_->restorePlacements(frame.profile());

  frame.setEditHook([this](int32_t font) { charts_->editFont(font); });
  frame.setShowCMapHook([this] { bringUp(charts_->cmapWindow()); });
  frame.setHighlightHook([this](int32_t font) { charts_->setHighlightedFont(font); });
  frame.setCloseWindowsHooks([this] { closeAll(); },
                             [this](int32_t font) { closeFontWindows(font); });
  frame.setEditedFontHook(
      [this]() -> EditedSubsetFont* { return editor_ ? editor_->editedFont() : nullptr; });
  frame.setRefreshHook([this] { refresh(); });
  frame.setExitHook([this] {
    charts_->savePlacements(frame_.profile());
    if (editor_) editor_->close();
  });

  QMenu* menu = frame.menuBar()->addMenu(QString::fromLatin1(window_menu_text::kWindow));
  connect(menu->addAction(QString::fromLatin1(window_menu_text::kCharactersChart)),
          &QAction::triggered, this, [this] { bringUp(charts_->charactersWindow()); });
  connect(menu->addAction(QString::fromLatin1(window_menu_text::kUnplacedChart)),
          &QAction::triggered, this, [this] { bringUp(charts_->unplacedWindow()); });
  QAction* glyphEditor = menu->addAction(QString::fromLatin1(window_menu_text::kGlyphEditor));
  connect(glyphEditor, &QAction::triggered, this, [this] {
    if (editor_) bringUp(*editor_);
  });
  connect(menu, &QMenu::aboutToShow, this,
          [this, glyphEditor] { glyphEditor->setEnabled(editor_ != nullptr); });

  QMainWindow& fontWindow = charts_->fontWindow();
  QMenu* glyphs = fontWindow.menuBar()->addMenu(QString::fromLatin1(window_menu_text::kGlyphsMenu));
  connect(glyphs->addAction(QString::fromLatin1(applyActionsLabel())), &QAction::triggered, this,
          [this, &fontWindow] {
            FontChart& chart = charts_->fontChart();
            if (chart.subsetFont() < 0) return;
            std::vector<int32_t> selected;
            const ItemRange range = chart.grid().selection();
            for (int32_t glyph = range.first; glyph <= range.last && glyph >= 0; ++glyph)
              selected.push_back(glyph);
            applyActions(chart.subsetFont(), chart.grid().current(), std::move(selected),
                         &fontWindow);
          });
  refresh();
}

ToolWindows::~ToolWindows() = default;

bool ToolWindows::editGlyph(int32_t font, int32_t glyph) {
  if (editor_ && editor_->editor().fontNumber() == font) {
    editor_->showGlyph(glyph);
    bringUp(*editor_);
    return true;
  }
  // One subset font is edited at a time; its edits are offered for saving before it goes.
  if (editor_) {
    if (!frame_.document().saveEditedFont()) return false;
    editor_.reset();
  }
  GlyphEditEnvironment env{prompts_, fileDialogs_, frame_.profile(), frame_.options(), clipboard_};
  env.applyActions = [this](CEditFrame& editFrame) {
    const GlyphEditor& editor = editFrame.editor();
    applyActions(editor.fontNumber(), editor.glyphNumber(), {editor.glyphNumber()}, &editFrame);
  };
  env.showOptions = [this](CEditFrame& editFrame) {
    editFrame.editor().storeViewOptions(frame_.options());
    if (!frame_.showOptions()) return;
    editFrame.editor().takeOptions(frame_.options());
    editFrame.glyphChanged();
  };
  editor_ = CEditFrame::open(frame_.document(), std::move(env), font, glyph, &frame_);
  if (!editor_) return false;
  editor_->setWindowFlag(Qt::Window);
  bringUp(*editor_);
  return true;
}

bool ToolWindows::applyActions(int32_t font, int32_t currentGlyph,
                               std::vector<int32_t> selectedGlyphs, QWidget* parent) {
  ApplyActionsDialog dialog([this] { frame_.showOptions(); }, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  ActionsRun run;
  run.program = dialog.program().actions();
  run.target = dialog.program().target();
  run.font = font;
  if (run.target == ActionsTarget::kOneGlyph)
    run.glyphs = {currentGlyph};
  else if (run.target == ActionsTarget::kSelectedGlyphs)
    run.glyphs = std::move(selectedGlyphs);
  const bool ran = frame_.document().ApplyActions(run);
  // The editor's font took the program in memory; its window and the charts show the result.
  if (editor_) editor_->glyphChanged();
  frame_.refreshPages();
  return ran;
}

void ToolWindows::closeAll() {
  // The document already offered to save the edited font with the CID font.
  editor_.reset();
  charts_->charactersWindow().hide();
  charts_->unplacedWindow().hide();
  charts_->fontWindow().hide();
  frame_.document().chartClipboard() = ChartClipboard{};
}

void ToolWindows::closeFontWindows(int32_t font) {
  // The fonts after the removed one move down a number, which an open editor would not
  // follow: its edits are offered for saving and it closes.
  if (editor_ && editor_->editor().fontNumber() != font) frame_.document().saveEditedFont();
  editor_.reset();
  charts_->fontWindow().hide();
}

void ToolWindows::refresh() {
  charts_->refresh();
  const CCidFont* font = frame_.document().font();
  if (font && font != shownFont_ && !charts_->charactersWindow().isVisible())
    bringUp(charts_->charactersWindow());
  shownFont_ = font;
}

}  // namespace sorvella
