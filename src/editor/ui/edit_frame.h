// CEditFrame: the glyph edit window ("Sorvella Glyph Edit") over one glyph of a subset font:
// its menus, tool bar, status bar, drawing surface and property window. The subset font it
// edits is the document's edited font, which the main window's Save writes.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "cidfont/document.h"
#include "editor/edit_geometry.h"
#include "editor/edit_menu.h"
#include "editor/glyph_editor.h"
#include "editor/line_hit.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/profile.h"
#include "platform/prompts.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace sorvella {

class CEditFrame;
class CGlyphPropety;
class CGlyphWindow;

struct GlyphEditEnvironment {
  Prompts& prompts;
  FileDialogs& fileDialogs;
  Profile& profile;
  // The window's view copies go back here when it closes.
  Options& options;
  Clipboard& clipboard;
  // The "Apply Actions" dialog on the window's glyph; empty: the item is disabled.
  std::function<void(CEditFrame& frame)> applyActions{};
  // "&Print glyph..." (empty: the system's print dialog) and "&Options" (empty: disabled).
  std::function<void(CEditFrame& frame)> printGlyph{};
  std::function<void(CEditFrame& frame)> showOptions{};
};

class CEditFrame : public QMainWindow {
  Q_OBJECT

 public:
  // Loads subset font `font` of the document's CID font; none (after telling the user why)
  // when its file cannot be read.
  static std::unique_ptr<CEditFrame> open(Document& document, GlyphEditEnvironment environment,
                                          int32_t font, int32_t glyph, QWidget* parent = nullptr);
  ~CEditFrame() override;

  GlyphEditor& editor() { return *editor_; }
  // For the document's editedFont hook while the window lives.
  EditedSubsetFont* editedFont() { return &editor_->edited(); }
  CGlyphWindow* glyphWindow() const { return canvas_; }
  CGlyphPropety* properties() const { return properties_; }
  QAction* action(EditCommand command) const;
  QMenu* menu(const char* title) const;
  QString selectionStatus() const;

  // Shows another glyph of the font (a chart's double click on a glyph of the same font).
  bool showGlyph(int32_t glyph);
  // After an outside change of the glyph (Apply Actions): redraws and updates the panels.
  void glyphChanged();
  // Runs a command as its menu item does.
  void run(EditCommand command);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  CEditFrame(Document& document, GlyphEditEnvironment environment,
             std::unique_ptr<GlyphEditor> editor, QWidget* parent);
  void buildMenus();
  void refresh();
  void showContextMenu(QPoint global, std::optional<Grab> grab, std::optional<LineGrab> line);
  void editPaintOptions();
  void showBrushKind();  // checks the brush kind's command
  void openEps();
  void saveEps();
  void tell(const std::string& text);

  Document& document_;
  GlyphEditEnvironment env_;
  std::unique_ptr<GlyphEditor> editor_;
  CGlyphWindow* canvas_ = nullptr;
  CGlyphPropety* properties_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* selectionLabel_ = nullptr;
  QLabel* xLabel_ = nullptr;
  QLabel* yLabel_ = nullptr;
  std::map<EditCommand, QAction*> actions_;
  std::map<std::string, QMenu*> menus_;
};

}  // namespace sorvella
