#include "editor/ui/edit_frame.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

#include "base/text_format.h"
#include "cidfont/remembered_folders.h"
#include "editor/advanced_hinting.h"
#include "editor/paint_settings.h"
#include "editor/paint_stroke.h"
#include "editor/segment_edits.h"
#include "editor/ui/glyph_printout.h"
#include "editor/ui/glyph_propety.h"
#include "editor/ui/glyph_window.h"
#include "editor/ui/paint_options_dialog.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

namespace context_text {
constexpr const char* kCancel = "Cancel";
constexpr const char* kConnection = "&Connection";
constexpr const char* kSharp = "Sha&rp";
constexpr const char* kSmooth = "&Smooth";
constexpr const char* kFixed = "&Fixed";
constexpr const char* kMakeNodeFirst = "&Make node first";
constexpr const char* kDeleteNode = "&Delete node";
constexpr const char* kSelectNode = "S&elect node";
constexpr const char* kMakeContourFirst = "Make &contour first";
constexpr const char* kDeleteContour = "De&lete contour";
constexpr const char* kReverseContour = "&Reverse contour";
constexpr const char* kSelectContour = "Se&lect contour";
constexpr const char* kProperties = "&Properties";
constexpr const char* kRemoveGuides = "Remove g&uides";
constexpr const char* kConvert = "Con&vert";
constexpr const char* kSubtractContour = "&Substract contour";
constexpr const char* kContourUp = "Move contour &up";
constexpr const char* kContourDown = "Move contour &down";
constexpr const char* kContourFirst = "Make contour &first";
constexpr const char* kContourLast = "Make contour &last";
constexpr const char* kInsertNode = "&Insert node";
constexpr const char* kConvertToVector = "&Convert to vector";
constexpr const char* kNormalize = "Normalize";
constexpr const char* kCut = "Cu&t";
constexpr const char* kCopy = "&Copy";
constexpr const char* kDelete = "&Delete";
constexpr const char* kRemoveReplacePoint = "&Remove this replace point";
constexpr const char* kAddReplacePoint = "&Add replace point here";
}  // namespace context_text

bool isLayer(EditCommand c) {
  return c >= EditCommand::kGrid && c <= EditCommand::kPreview;
}

int32_t layerBit(EditCommand c) {
  switch (c) {
    case EditCommand::kGrid:
      return view_layer::kGrid;
    case EditCommand::kGuidelines:
      return view_layer::kGuidelines;
    case EditCommand::kHints:
      return view_layer::kHints;
    case EditCommand::kAlignmentZones:
      return view_layer::kAlignmentZones;
    case EditCommand::kNodes:
      return view_layer::kNodes;
    case EditCommand::kControlVectors:
      return view_layer::kControlVectors;
    case EditCommand::kConnections:
      return view_layer::kConnections;
    default:
      return view_layer::kPreview;
  }
}

QAction* makeAction(QObject* parent, const EditCommandText& item) {
  const QString label = QString::fromLatin1(item.label);
  const qsizetype tab = label.indexOf('\t');
  auto* action = new QAction(tab < 0 ? label : label.left(tab), parent);
  if (tab >= 0) action->setShortcut(QKeySequence(label.mid(tab + 1)));
  const QString prompt = QString::fromLatin1(item.prompt);
  const qsizetype newline = prompt.indexOf('\n');
  if (newline >= 0) {
    action->setStatusTip(prompt.left(newline));
    action->setToolTip(prompt.mid(newline + 1));
  }
  return action;
}

}  // namespace

std::unique_ptr<CEditFrame> CEditFrame::open(Document& document, GlyphEditEnvironment environment,
                                             int32_t font, int32_t glyph, QWidget* parent) {
  if (!document.font()) return nullptr;
  std::string error;
  std::unique_ptr<GlyphEditor> editor = GlyphEditor::open(*document.font(), document.folder(), font,
                                                          glyph, environment.options, error);
  if (!editor) {
    if (!error.empty()) environment.prompts.tell(error);
    return nullptr;
  }
  return std::unique_ptr<CEditFrame>(
      new CEditFrame(document, std::move(environment), std::move(editor), parent));
}

CEditFrame::CEditFrame(Document& document, GlyphEditEnvironment environment,
                       std::unique_ptr<GlyphEditor> editor, QWidget* parent)
    : QMainWindow(parent),
      document_(document),
      env_(std::move(environment)),
      editor_(std::move(editor)) {
  setWindowTitle(edit_menu_text::kWindowTitle);
  canvas_ = new CGlyphWindow(*editor_, this);
  setCentralWidget(canvas_);
  properties_ = new CGlyphPropety(*editor_, this);
  addDockWidget(Qt::RightDockWidgetArea, properties_);
  selectionLabel_ = new QLabel(this);
  xLabel_ = new QLabel(this);
  yLabel_ = new QLabel(this);
  statusBar()->addPermanentWidget(selectionLabel_);
  statusBar()->addPermanentWidget(xLabel_);
  statusBar()->addPermanentWidget(yLabel_);
  statusBar()->showMessage(edit_menu_text::kIdlePrompt);
  buildMenus();
  canvas_->edited = [this] { refresh(); };
  canvas_->finished = [this] { glyphChanged(); };
  canvas_->pointerMoved = [this](int x, int y) {
    xLabel_->setText(QString::fromStdString(formatText(edit_menu_text::kPointerX, x)));
    yLabel_->setText(QString::fromStdString(formatText(edit_menu_text::kPointerY, y)));
  };
  canvas_->measured = [this](const QString& text) { statusBar()->showMessage(text); };
  canvas_->contextMenu = [this](QPoint global, std::optional<Grab> grab,
                                std::optional<LineGrab> line) {
    showContextMenu(global, grab, line);
  };
  canvas_->polygonApplied = [this] {
    if (canvas_->paintOptions().autoTransform) run(EditCommand::kTransform);
  };
  properties_->changed = [this] {
    canvas_->glyphChanged();
    refresh();
  };
  resize(900, 700);
  refresh();
}

CEditFrame::~CEditFrame() = default;

void CEditFrame::buildMenus() {
  auto* tools = new QActionGroup(this);
  toolBar_ = addToolBar("Toolbar");
  for (const EditMenu& m : kEditMenus) {
    QMenu* menu = menuBar()->addMenu(QString::fromLatin1(m.title));
    menus_[m.title] = menu;
    for (const EditCommandText& item : m.items) {
      QAction* action = makeAction(this, item);
      actions_[item.command] = action;
      menu->addAction(action);
      connect(action, &QAction::triggered, this, [this, c = item.command] { run(c); });
      if (isLayer(item.command)) {
        action->setCheckable(true);
        action->setChecked(editor_->layerShown(layerBit(item.command)));
      }
    }
  }
  for (const EditCommandText& item : kBarCommands) {
    QAction* action = makeAction(this, item);
    actions_[item.command] = action;
    addAction(action);
    connect(action, &QAction::triggered, this, [this, c = item.command] { run(c); });
  }
  // Redo keeps the window's Ctrl+A and takes the usual bindings too.
  QList<QKeySequence> redoKeys{action(EditCommand::kRedo)->shortcut()};
  for (const char* key : edit_menu_text::kRedoAlternatives) redoKeys.append(QKeySequence(key));
  action(EditCommand::kRedo)->setShortcuts(redoKeys);
  for (EditCommand c : {EditCommand::kToolEdit, EditCommand::kToolErase, EditCommand::kToolPaint,
                        EditCommand::kToolMeter, EditCommand::kTransform}) {
    action(c)->setCheckable(true);
    tools->addAction(action(c));
    toolBar_->addAction(action(c));
  }
  action(EditCommand::kToolEdit)->setChecked(true);
  action(EditCommand::kAdvancedHinting)->setCheckable(true);
  action(EditCommand::kToolbar)->setCheckable(true);
  action(EditCommand::kToolbar)->setChecked(true);
  toolBar_->addSeparator();
  for (EditCommand c :
       {EditCommand::kPrevious, EditCommand::kNext, EditCommand::kZoomIn, EditCommand::kZoomOut})
    toolBar_->addAction(action(c));
  // The DerevoZorov choices sit on a bar of their own, one of each group checked.
  QToolBar* paintBar = addToolBar("DerevoZorov");
  auto* colors = new QActionGroup(this);
  auto* shapes = new QActionGroup(this);
  auto* widths = new QActionGroup(this);
  auto* nibs = new QActionGroup(this);
  for (const EditCommandText& item : kPaintCommands) {
    QAction* a = makeAction(this, item);
    actions_[item.command] = a;
    if (item.command != EditCommand::kPaintOptions) {
      a->setCheckable(true);
      QActionGroup* group = item.command <= EditCommand::kPaintEmpty     ? colors
                            : item.command <= EditCommand::kPaintPen     ? shapes
                            : item.command <= EditCommand::kBrushWidth10 ? widths
                                                                         : nibs;
      group->addAction(a);
    }
    paintBar->addAction(a);
    connect(a, &QAction::triggered, this, [this, c = item.command] { run(c); });
  }
  action(EditCommand::kPaintBlack)->setChecked(true);
  action(EditCommand::kPaintRectangle)->setChecked(true);
  canvas_->setPaintOptions(paintOptionsFrom(env_.options));
  for (auto [c, width] : {std::pair{EditCommand::kBrushWidth80, kBrushWidths[0]},
                          std::pair{EditCommand::kBrushWidth40, kBrushWidths[1]},
                          std::pair{EditCommand::kBrushWidth10, kBrushWidths[2]}})
    action(c)->setChecked(width == env_.options.brushWidth);
  showBrushKind();
  action(EditCommand::kApplyActions)->setEnabled(static_cast<bool>(env_.applyActions));
  action(EditCommand::kOptions)->setEnabled(static_cast<bool>(env_.showOptions));
}

QAction* CEditFrame::action(EditCommand command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* CEditFrame::menu(const char* title) const {
  auto it = menus_.find(title);
  return it == menus_.end() ? nullptr : it->second;
}

QString CEditFrame::selectionStatus() const {
  return selectionLabel_->text();
}

bool CEditFrame::showGlyph(int32_t glyph) {
  if (!editor_->showGlyph(glyph)) return false;
  glyphChanged();
  return true;
}

void CEditFrame::glyphChanged() {
  if (editor_->modified() && document_.font()) editor_->refreshThumbnails(*document_.font());
  canvas_->glyphChanged();
  refresh();
}

void CEditFrame::refresh() {
  Glyph& g = editor_->glyph();
  selectionLabel_->setText(QString::fromStdString(GlyphEditor::selectionText(g.countSelected())));
  action(EditCommand::kUndo)->setEnabled(editor_->canUndo());
  action(EditCommand::kRedo)->setEnabled(editor_->canRedo());
  const bool selected = g.anySelected();
  for (EditCommand c : {EditCommand::kCut, EditCommand::kCopy, EditCommand::kDelete})
    action(c)->setEnabled(selected);
  properties_->refresh();
}

void CEditFrame::tell(const std::string& text) {
  env_.prompts.tell(text);
}

void CEditFrame::run(EditCommand command) {
  GlyphEditor& e = *editor_;
  bool changed = true;
  switch (command) {
    case EditCommand::kNew:
      e.newGlyph();
      break;
    case EditCommand::kOpenEps:
      openEps();
      break;
    case EditCommand::kSaveEps:
      saveEps();
      changed = false;
      break;
    case EditCommand::kPrint:
      if (env_.printGlyph) {
        env_.printGlyph(*this);
      } else {
        QPrinter printer;
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted) printGlyph(printer, e);
      }
      changed = false;
      break;
    case EditCommand::kUndo:
      e.undo();
      break;
    case EditCommand::kRedo:
      e.redo();
      break;
    case EditCommand::kCut:
      e.cutSelection(env_.clipboard);
      break;
    case EditCommand::kCopy:
      e.copySelection(env_.clipboard);
      changed = false;
      break;
    case EditCommand::kPaste:
      e.paste(env_.clipboard);
      break;
    case EditCommand::kDelete:
      e.deleteSelection();
      break;
    case EditCommand::kSelectAll:
      e.selectAll();
      break;
    case EditCommand::kCopyGlyph:
      e.copyGlyph(env_.clipboard);
      changed = false;
      break;
    case EditCommand::kPasteGlyph:
      e.pasteGlyph(env_.clipboard);
      break;
    case EditCommand::kGrid:
    case EditCommand::kGuidelines:
    case EditCommand::kHints:
    case EditCommand::kAlignmentZones:
    case EditCommand::kNodes:
    case EditCommand::kControlVectors:
    case EditCommand::kConnections:
    case EditCommand::kPreview:
      e.toggleLayer(layerBit(command));
      action(command)->setChecked(e.layerShown(layerBit(command)));
      break;
    case EditCommand::kRemoveHints:
      e.removeHints();
      break;
    case EditCommand::kAutohint:
      e.autohint();
      break;
    case EditCommand::kRemoveOverlap:
      e.removeOverlap();
      break;
    case EditCommand::kSnap:
      e.snapToGuides(canvas_->mapping().scale());
      break;
    case EditCommand::kNodesAtExtremes:
      e.nodesAtExtremes();
      break;
    case EditCommand::kApplyActions:
      if (env_.applyActions) env_.applyActions(*this);
      break;
    case EditCommand::kToolEdit:
      canvas_->setTool(EditTool::kEdit);
      changed = false;
      break;
    case EditCommand::kToolErase:
      canvas_->setTool(EditTool::kErase);
      changed = false;
      break;
    case EditCommand::kToolPaint:
      canvas_->setTool(EditTool::kPaint);
      changed = false;
      break;
    case EditCommand::kToolMeter:
      canvas_->setTool(EditTool::kMeter);
      changed = false;
      break;
    case EditCommand::kTransform:
      canvas_->setTool(EditTool::kTransform);
      action(EditCommand::kTransform)->setChecked(true);
      properties_->showSelectionPage();
      changed = false;
      break;
    case EditCommand::kReverse:
      e.reverseContours();
      break;
    case EditCommand::kStartPoint: {
      const Glyph& g = e.glyph();
      int node = g.highlightedNode();
      for (int i = 0; node < 0 && i < g.nodeCount(); ++i)
        if (g.isSelected(i)) node = i;
      e.setStartPoint(node);
      break;
    }
    case EditCommand::kAdvancedHinting:
      changed = false;
      break;
    case EditCommand::kToolbar:
      toolBar_->setVisible(!toolBar_->isVisible());
      action(command)->setChecked(toolBar_->isVisible());
      changed = false;
      break;
    case EditCommand::kOptions:
      if (env_.showOptions) env_.showOptions(*this);
      break;
    case EditCommand::kPrevious:
      e.previousGlyph();
      break;
    case EditCommand::kNext:
      e.nextGlyph();
      break;
    case EditCommand::kZoomIn:
      canvas_->setZoom(zoomedIn(canvas_->zoom()));
      break;
    case EditCommand::kZoomOut:
      canvas_->setZoom(kFitZoom);
      break;
    case EditCommand::kPaintBlack:
    case EditCommand::kPaintWhite:
    case EditCommand::kPaintEmpty:
      canvas_->setPaintColor(command == EditCommand::kPaintBlack   ? PaintColor::kBlack
                             : command == EditCommand::kPaintWhite ? PaintColor::kWhite
                                                                   : PaintColor::kEmpty);
      changed = false;
      break;
    case EditCommand::kPaintRectangle:
    case EditCommand::kPaintEllipse:
    case EditCommand::kPaintBrush:
    case EditCommand::kPaintLine:
    case EditCommand::kPaintPolygon:
    case EditCommand::kPaintPen:
      canvas_->setPaintShape(command == EditCommand::kPaintRectangle ? PaintShape::kRectangle
                             : command == EditCommand::kPaintEllipse ? PaintShape::kEllipse
                             : command == EditCommand::kPaintBrush   ? PaintShape::kBrush
                             : command == EditCommand::kPaintLine    ? PaintShape::kLine
                             : command == EditCommand::kPaintPolygon ? PaintShape::kPolygon
                                                                     : PaintShape::kPen);
      changed = false;
      break;
    case EditCommand::kPaintOptions:
      editPaintOptions();
      changed = false;
      break;
    case EditCommand::kBrushWidth80:
    case EditCommand::kBrushWidth40:
    case EditCommand::kBrushWidth10:
      canvas_->setBrushWidth(
          kBrushWidths[static_cast<int>(command) - static_cast<int>(EditCommand::kBrushWidth80)]);
      env_.options.brushWidth = canvas_->brushWidth();
      changed = false;
      break;
    case EditCommand::kBrushCalligraphic:
    case EditCommand::kBrushRound: {
      PaintOptions paint = canvas_->paintOptions();
      paint.kind =
          command == EditCommand::kBrushCalligraphic ? BrushKind::kCalligraphic : BrushKind::kRound;
      canvas_->setPaintOptions(paint);
      storePaintOptions(paint, env_.options);
      changed = false;
      break;
    }
  }
  if (changed) glyphChanged();
}

void CEditFrame::editPaintOptions() {
  PaintOptionsDialog dialog(canvas_->paintOptions(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const PaintOptions chosen = dialog.options();
  canvas_->setPaintOptions(chosen);
  storePaintOptions(chosen, env_.options);
  for (auto [c, width] : {std::pair{EditCommand::kBrushWidth80, kBrushWidths[0]},
                          std::pair{EditCommand::kBrushWidth40, kBrushWidths[1]},
                          std::pair{EditCommand::kBrushWidth10, kBrushWidths[2]}})
    action(c)->setChecked(width == chosen.width);
}

void CEditFrame::showBrushKind() {
  const bool calligraphic = canvas_->paintOptions().kind == BrushKind::kCalligraphic;
  action(calligraphic ? EditCommand::kBrushCalligraphic : EditCommand::kBrushRound)
      ->setChecked(true);
}

void CEditFrame::openEps() {
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kOpen;
  request.title = eps_text::kOpenTitle;
  request.filter = eps_text::kDialogFilter;
  request.fileMustExist = true;
  request.initialFolder = getFolder(env_.profile, kEpsFolderKey);
  std::optional<std::filesystem::path> file = env_.fileDialogs.choose(request);
  if (!file) return;
  setFolder(env_.profile, kEpsFolderKey, file->parent_path());
  if (editor_->importEps(*file) != EpsStatus::kOk) tell(eps_text::kCannotImport);
}

void CEditFrame::saveEps() {
  FileDialogRequest request;
  request.mode = FileDialogRequest::Mode::kSave;
  request.title = eps_text::kSaveTitle;
  request.filter = eps_text::kDialogFilter;
  request.defaultExtension = "eps";
  request.overwritePrompt = true;
  request.initialFolder = getFolder(env_.profile, kEpsFolderKey);
  std::optional<std::filesystem::path> file = env_.fileDialogs.choose(request);
  if (!file) return;
  if (!editor_->exportEps(*file))
    tell(formatText(document_text::kFileNotWritten, file->string().c_str()));
}

void CEditFrame::showContextMenu(QPoint global, std::optional<Grab> grab,
                                 std::optional<LineGrab> line) {
  QMenu menu(this);
  menu.addAction(context_text::kCancel);
  menu.addSeparator();
  GlyphEditor& e = *editor_;
  Glyph& g = e.glyph();
  auto add = [&](QMenu* m, const char* label, auto&& act) {
    QAction* a = m->addAction(label);
    connect(a, &QAction::triggered, this, [this, act] {
      act();
      glyphChanged();
    });
    return a;
  };
  if (grab && action(EditCommand::kAdvancedHinting)->isChecked()) {
    const int node = grab->node;
    const int point = replacePointAt(g, node);
    add(&menu, context_text::kRemoveReplacePoint, [&e, point] {
      e.recordEdit(EditKind::kAdvancedHinting);
      removeReplacePoint(e.glyph(), static_cast<std::size_t>(point));
    })->setEnabled(point >= 0);
    add(&menu, context_text::kAddReplacePoint, [&e, node] {
      e.recordEdit(EditKind::kAdvancedHinting);
      addReplacePoint(e.glyph(), node);
    })->setEnabled(point < 0 && g.hints().has_value());
  } else if (grab && grab->part == GrabPart::kSegment) {
    const int node = grab->node;
    const double t = grab->t;
    add(&menu, context_text::kInsertNode, [&e, node, t] {
      Glyph trial = e.glyph();
      if (!insertNodeAt(trial, node, t)) return;
      e.commitEdit(EditKind::kContour, std::move(trial));
    });
    const bool curve = g.type(node) == node_type::kCurve;
    add(&menu, context_text::kConvertToVector, [&e, node] {
      e.recordEdit(EditKind::kContour);
      convertToLine(e.glyph(), node);
    })->setEnabled(curve);
    add(&menu, context_text::kNormalize, [&e, node] {
      Glyph trial = e.glyph();
      if (!normalizeCurve(trial, node)) return;
      e.commitEdit(EditKind::kContour, std::move(trial));
    })->setEnabled(curve);
  } else if (grab && g.isSelected(grab->node) && g.countSelected() > 1) {
    add(&menu, context_text::kCut, [this, &e] { e.cutSelection(env_.clipboard); });
    add(&menu, context_text::kCopy, [this, &e] { e.copySelection(env_.clipboard); });
    add(&menu, context_text::kDelete, [&e] { e.deleteSelection(); });
    add(&menu, context_text::kProperties, [this] { properties_->showSelectionPage(); });
  } else if (grab) {
    const int node = grab->node;
    QMenu* connection = menu.addMenu(context_text::kConnection);
    connection->setEnabled(g.canSetConnection(node));
    const uint16_t current = nodeConnectionOf(g.header(node));
    for (auto [label, value] : {std::pair{context_text::kSharp, node_flag::kSharp},
                                std::pair{context_text::kSmooth, node_flag::kSmooth},
                                std::pair{context_text::kFixed, node_flag::kFixed}}) {
      QAction* a = add(connection, label, [&e, node, value] {
        e.recordEdit(EditKind::kConnection);
        e.glyph().setConnection(node, value);
      });
      a->setCheckable(true);
      a->setChecked(current == value);
    }
    add(&menu, context_text::kMakeNodeFirst, [&e, node] { e.setStartPoint(node); });
    add(&menu, context_text::kDeleteNode, [&e, node] {
      e.glyph().deselectAll();
      e.glyph().setSelected(node, true);
      e.deleteSelection();
    });
    add(&menu, context_text::kConvert, [&e, node] {
      Glyph trial = e.glyph();
      if (convertNode(trial, node)) e.commitEdit(EditKind::kContour, std::move(trial));
    });
    add(&menu, context_text::kSelectNode, [&e, node] { e.glyph().setSelected(node, true); });
    add(&menu, context_text::kMakeContourFirst, [&e, node] {
      e.recordEdit(EditKind::kContour);
      e.glyph().moveContour(node, 0);
    });
    add(&menu, context_text::kDeleteContour, [&e, node] {
      e.recordEdit(EditKind::kContour);
      e.glyph().deleteContour(node);
    });
    add(&menu, context_text::kReverseContour, [&e, node] {
      e.recordEdit(EditKind::kReverse);
      e.glyph().reverseContour(node);
    });
    add(&menu, context_text::kSubtractContour, [&e, node] { e.subtractContour(node); });
    add(&menu, context_text::kSelectContour, [&e, node] {
      Glyph& glyph = e.glyph();
      for (int i = glyph.contourStart(node); i <= glyph.contourEnd(node); ++i)
        glyph.setSelected(i, true);
    });
    add(&menu, context_text::kProperties, [this] { properties_->showNodePage(); });
    if (g.type(node) == node_type::kMove) {
      // The start point of a contour also places the contour among the others.
      menu.addSeparator();
      const int number = g.contourNumberOf(node);
      for (auto [label, position] :
           {std::pair{context_text::kContourUp, number > 0 ? number - 1 : -2},
            std::pair{context_text::kContourDown, number + 1},
            std::pair{context_text::kContourFirst, 0}, std::pair{context_text::kContourLast, -1}}) {
        add(&menu, label, [&e, node, position] {
          if (position < -1 || position >= e.glyph().contourCount()) return;  // -2: none
          e.recordEdit(EditKind::kContour);
          e.glyph().moveContour(node, position);
        });
      }
    }
  } else if (line) {
    const LineGrab found = *line;
    add(&menu, context_text::kDelete, [&e, found] {
      Glyph trial = e.glyph();
      if (deleteLine(trial, found)) e.commitEdit(EditKind::kDelete, std::move(trial));
    });
    add(&menu, context_text::kProperties, [this, found] { properties_->showLinePage(found); });
  } else {
    for (EditCommand c : {EditCommand::kRemoveHints}) menu.addAction(action(c));
    add(&menu, context_text::kRemoveGuides, [&e] {
      if (!e.glyph().guides()) return;
      e.recordEdit(EditKind::kContour);
      e.glyph().guides().reset();
    });
    for (EditCommand c :
         {EditCommand::kAutohint, EditCommand::kRemoveOverlap, EditCommand::kSnap,
          EditCommand::kNodesAtExtremes, EditCommand::kTransform, EditCommand::kReverse,
          EditCommand::kStartPoint, EditCommand::kAdvancedHinting, EditCommand::kToolbar,
          EditCommand::kOptions})
      menu.addAction(action(c));
  }
  menu.exec(global);
}

void CEditFrame::closeEvent(QCloseEvent* event) {
  editor_->storeViewOptions(env_.options);
  QMainWindow::closeEvent(event);
}

}  // namespace sorvella
