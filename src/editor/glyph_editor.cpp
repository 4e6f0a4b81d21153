#include "editor/glyph_editor.h"

#include <algorithm>
#include <new>

#include "base/text_format.h"
#include "cidfont/autohint_settings.h"
#include "cidfont/font_folder.h"
#include "cidfont/settings_overlap.h"
#include "cidfont/thumbnail.h"
#include "editor/nodes_at_extremes.h"
#include "editor/snapping.h"
#include "glyph/glyph_clipboard.h"
#include "glyph/native_font_file.h"
#include "glyph/outline_pen.h"
#include "outline/contour_connections.h"
#include "outline/hint_zones.h"
#include "outline/overlap_engine.h"

namespace sorvella {

namespace {

// Unites the object with the glyph (black), cuts it out (white) or just adds its contours
// (empty); false, glyph unchanged, when the overlap engine fails.
bool paintInto(Glyph& glyph, const Outline& object, PaintColor color) {
  if (object.empty()) return false;
  if (color == PaintColor::kEmpty) return glyph.appendNodes(object, 0, object.nodeCount());
  Outline result(1);
  try {
    OverlapEngine shape;
    glyph.enumerate(shape, 0);
    OverlapEngine added;
    object.enumerate(added, 0);
    const OverlapStatus status =
        color == PaintColor::kWhite ? subtract(shape, added, 2) : unite(shape, added, 2);
    if (status != OverlapStatus::kOk) return false;
    OutlineBuilder builder(result);
    shape.writeResult(builder);
  } catch (const std::bad_alloc&) {
    return false;
  }
  recomputeConnections(result, 0);
  if (result.empty())
    glyph.clearNodes();
  else
    glyph.replaceNodes(0, glyph.nodeCount(), result);
  if (glyph.hints()) glyph.hints()->replacement.clear();
  return true;
}

}  // namespace

std::unique_ptr<GlyphEditor> GlyphEditor::open(const CCidFont& cidFont,
                                               const std::filesystem::path& folder, int32_t font,
                                               int32_t glyph, const Options& options,
                                               std::string& error) {
  if (font < 0 || font >= cidFont.subsetFontCount()) return nullptr;
  const std::filesystem::path file =
      SubsetFontFilePath(folder, cidFont.subsetFont(font).fileStem());
  std::unique_ptr<SubsetFont> loaded = ReadNativeFont(file);
  if (!loaded) {
    error = formatText(editor_text::kSubsetFontUnreadable, file.string().c_str());
    return nullptr;
  }
  std::unique_ptr<GlyphEditor> editor(new GlyphEditor());
  editor->font_ = std::move(loaded);
  editor->edited_ = EditedSubsetFont{editor->font_.get(), file, false};
  editor->fontNumber_ = font;
  editor->takeOptions(options);
  editor->showGlyph(std::max(glyph, 0));
  return editor;
}

Glyph& GlyphEditor::glyph() {
  Glyph* g = font_->glyph(glyphNumber_);
  return g ? *g : scratch_;
}

bool GlyphEditor::showGlyph(int32_t glyph) {
  if (glyph < 0 || glyph >= std::max(font_->slotCount(), 1)) return false;
  glyphNumber_ = glyph;
  scratch_ = Glyph(std::max(font_->masterCount(), 1));
  scratch_.makeRoomForAdvances();
  this->glyph().setHighlight(-1, 0);
  return true;
}

bool GlyphEditor::previousGlyph() {
  for (int32_t g = glyphNumber_ - 1; g >= 0; --g)
    if (font_->glyph(g)) return showGlyph(g);
  return false;
}

bool GlyphEditor::nextGlyph() {
  for (int32_t g = glyphNumber_ + 1; g < font_->slotCount(); ++g)
    if (font_->glyph(g)) return showGlyph(g);
  return false;
}

void GlyphEditor::recordEdit(EditKind kind) {
  if (!font_->glyph(glyphNumber_)) font_->setGlyph(glyphNumber_, std::make_unique<Glyph>(scratch_));
  undo_.record(static_cast<int32_t>(kind), glyphNumber_, glyph());
  edited_.modified = true;
}

void GlyphEditor::commitEdit(EditKind kind, Glyph&& result) {
  recordEdit(kind);
  result.trueTypeData().reset();
  glyph() = std::move(result);
}

bool GlyphEditor::undo() {
  if (!undo_.undo(glyphNumber_, glyph())) return false;
  edited_.modified = true;
  return true;
}

bool GlyphEditor::redo() {
  if (!undo_.redo(glyphNumber_, glyph())) return false;
  edited_.modified = true;
  return true;
}

void GlyphEditor::setGrid(int16_t x, int16_t y) {
  gridX_ = std::max<int16_t>(x, 1);
  gridY_ = std::max<int16_t>(y, 1);
}

void GlyphEditor::takeOptions(const Options& options) {
  options_ = options;
  snapStyle_ = options.snapStyle;
  paintStyle_ = options.paintStyle;
  gridX_ = options.editGridX;
  gridY_ = options.editGridY;
}

void GlyphEditor::storeViewOptions(Options& options) const {
  options.snapStyle = snapStyle_;
  options.paintStyle = paintStyle_;
  options.editGridX = gridX_;
  options.editGridY = gridY_;
}

void GlyphEditor::newGlyph() {
  recordEdit(EditKind::kNewGlyph);
  Glyph& g = glyph();
  const std::string name = g.name();
  const std::vector<Point> advances = g.advances();
  g = Glyph(std::max(font_->masterCount(), 1));
  g.setName(name);
  g.makeRoomForAdvances();
  for (std::size_t m = 0; m < advances.size() && m < g.advances().size(); ++m)
    g.setAdvance(static_cast<int>(m), advances[m]);
}

bool GlyphEditor::removeHints() {
  if (!glyph().hints()) return false;
  recordEdit(EditKind::kRemoveHints);
  glyph().hints().reset();
  return true;
}

AutohintStatus GlyphEditor::autohint() {
  Glyph trial = glyph();
  const AutohintStatus status =
      sorvella::autohint(trial, 0, alignmentZones(*font_, 0), autohintParameters(options_));
  if (status != AutohintStatus::kOk) return status;
  commitEdit(EditKind::kAutohint, std::move(trial));
  return status;
}

OverlapStatus GlyphEditor::removeOverlap() {
  Glyph trial = glyph();
  const OverlapStatus status = sorvella::removeOverlap(trial, 0, options_);
  if (status != OverlapStatus::kOk) return status;
  commitEdit(EditKind::kRemoveOverlap, std::move(trial));
  return status;
}

bool GlyphEditor::nodesAtExtremes() {
  Glyph trial = glyph();
  if (!addNodesAtExtremes(trial)) return false;
  commitEdit(EditKind::kNodesAtExtremes, std::move(trial));
  return true;
}

int GlyphEditor::snapToGuides(double viewScale) {
  SnapSettings settings;
  settings.viewScale = viewScale;
  settings.toGrid = (paintStyle_ & paint_style::kSnapToGrid) && layerShown(view_layer::kGrid);
  settings.gridX = gridX_;
  settings.gridY = gridY_;
  settings.toMargins = (paintStyle_ & paint_style::kSnapToMargins) != 0;
  settings.toHints = layerShown(view_layer::kHints);
  settings.toGuides = layerShown(view_layer::kGuidelines);
  Glyph trial = glyph();
  const int moved = snapNodes(trial, settings);
  if (moved == 0) return 0;
  commitEdit(EditKind::kSnap, std::move(trial));
  return moved;
}

bool GlyphEditor::reverseContours() {
  Glyph& g = glyph();
  if (g.empty()) return false;
  recordEdit(EditKind::kReverse);
  const bool some = g.anySelected();
  for (int c = 0; c < g.contourCount(); ++c) {
    const int start = g.contourStartByNumber(c);
    bool chosen = !some;
    for (int i = start; !chosen && i <= g.contourEnd(start); ++i) chosen = g.isSelected(i);
    if (chosen) g.reverseContour(start);
  }
  return true;
}

bool GlyphEditor::setStartPoint(int node) {
  if (!glyph().hasNode(node)) return false;
  recordEdit(EditKind::kStartPoint);
  return glyph().setStartNode(node);
}

bool GlyphEditor::deleteSelection() {
  Glyph& g = glyph();
  if (!g.anySelected()) return false;
  recordEdit(EditKind::kDelete);
  Outline kept(g.masterCount());
  int contour = -1, lastKeptContour = -1;
  for (int i = 0; i < g.nodeCount(); ++i) {
    if (i == 0 || g.type(i) == node_type::kMove) ++contour;
    if (g.isSelected(i)) continue;
    Node n = g.node(i);
    // A contour whose move node went starts at its first remaining node.
    if (contour != lastKeptContour && n.type() != node_type::kMove) {
      Node move = Node::make(node_type::kMove, g.masterCount(), Point{});
      for (int m = 0; m < g.masterCount(); ++m)
        move.points[static_cast<std::size_t>(m)] = g.point(i, 0, m);
      n = move;
    }
    lastKeptContour = contour;
    kept.appendNode(n);
  }
  if (kept.empty())
    g.clearNodes();
  else
    g.replaceNodes(0, g.nodeCount(), kept);
  if (g.hints()) g.hints()->replacement.clear();
  return true;
}

void GlyphEditor::selectAll() {
  glyph().selectAll();
}

bool GlyphEditor::copySelection(Clipboard& clipboard) const {
  const Glyph* g = font_->glyph(glyphNumber_);
  const Glyph& shown = g ? *g : scratch_;
  return shown.anySelected() && sorvella::copySelection(shown, clipboard);
}

bool GlyphEditor::cutSelection(Clipboard& clipboard) {
  if (!copySelection(clipboard)) return false;
  return deleteSelection();
}

bool GlyphEditor::paste(const Clipboard& clipboard) {
  if (!canPasteSelection(clipboard)) return false;
  Glyph trial = glyph();
  if (!pasteSelection(trial, clipboard)) return false;
  commitEdit(EditKind::kPaste, std::move(trial));
  return true;
}

bool GlyphEditor::copyGlyph(Clipboard& clipboard) const {
  const Glyph* g = font_->glyph(glyphNumber_);
  return sorvella::copyGlyph(g ? *g : scratch_, clipboard);
}

bool GlyphEditor::pasteGlyph(const Clipboard& clipboard) {
  Glyph trial = glyph();
  if (!sorvella::pasteGlyph(trial, clipboard)) return false;
  // The pasted glyph's own TrueType data still fits it.
  recordEdit(EditKind::kPasteGlyph);
  glyph() = std::move(trial);
  return true;
}

bool GlyphEditor::subtractContour(int node) {
  const Glyph& g = glyph();
  if (!g.hasNode(node) || g.masterCount() != 1 || g.contourCount() < 2) return false;
  const int start = g.contourStart(node), end = g.contourEnd(node);
  Outline contour(1);
  contour.appendNodes(g, start, end - start + 1);
  Glyph rest = g;
  rest.deleteNodes(start, end - start + 1);
  if (!paintInto(rest, contour, PaintColor::kWhite)) return false;
  commitEdit(EditKind::kPaint, std::move(rest));
  return true;
}

bool GlyphEditor::applyPaintObject(const Outline& object, PaintColor color) {
  if (glyph().masterCount() != 1) return false;
  Glyph trial = glyph();
  if (!paintInto(trial, object, color)) return false;
  commitEdit(EditKind::kPaint, std::move(trial));
  return true;
}

bool GlyphEditor::refreshThumbnails(CCidFont& cidFont) const {
  const Glyph* g = font_->glyph(glyphNumber_);
  if (!g) return false;
  const Thumbnail thumbnail = makeThumbnail(*g, options_.fitAscender, options_.fitDescender);
  bool changed = false;
  for (int32_t c = 0; c < cidFont.characterCount(); ++c) {
    const CharacterRecord& r = cidFont.record(c);
    if (r.font != fontNumber_ || r.glyph != glyphNumber_ || r.thumbnail == thumbnail) continue;
    cidFont.mutableRecord(c)->thumbnail = thumbnail;
    changed = true;
  }
  if (changed) cidFont.setModified(true);
  return changed;
}

EpsStatus GlyphEditor::importEps(const std::filesystem::path& path) {
  EpsImport read = ImportEps(path, 1);
  if (!read.glyph) return read.status;
  if (glyph().masterCount() != read.glyph->masterCount()) return EpsStatus::kMasterCount;
  recordEdit(EditKind::kEpsImport);
  appendImportedNodes(glyph(), *read.glyph);
  return EpsStatus::kOk;
}

bool GlyphEditor::exportEps(const std::filesystem::path& path) const {
  const Glyph* g = font_->glyph(glyphNumber_);
  return g && ExportEps(path, *g, 0);
}

std::string GlyphEditor::selectionText(int count) {
  if (count == 0) return editor_text::kNoNodesSelected;
  if (count == 1) return editor_text::kOneNodeSelected;
  return formatText(editor_text::kNodesSelected, count);
}

}  // namespace sorvella
