// The glyph editor's session: the subset font it holds (the document's edited font), the
// glyph on show, its undo store, the view copies of the options, and the outline commands,
// each recorded for undo before it changes the glyph.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "cidfont/cid_font.h"
#include "cidfont/document_environment.h"
#include "cidfont/settings.h"
#include "editor/undo_store.h"
#include "glyph/glyph.h"
#include "glyph/subset_font.h"
#include "outline/autohint.h"
#include "outline/overlap_status.h"
#include "platform/clipboard.h"
#include "postscript/eps_exchange.h"

namespace sorvella {

// The kinds the undo store keeps with each entry.
enum class EditKind : int32_t {
  kDrag = 1,
  kDelete = 2,
  kCut = 3,
  kPaste = 4,
  kPasteGlyph = 5,
  kNewGlyph = 6,
  kRemoveHints = 7,
  kAutohint = 8,
  kRemoveOverlap = 9,
  kSnap = 10,
  kNodesAtExtremes = 11,
  kReverse = 12,
  kStartPoint = 13,
  kTransform = 14,
  kAdvancedHinting = 15,
  kConnection = 16,
  kContour = 17,
  kProperties = 18,
  kPaint = 19,
  kErase = 20,
  kEpsImport = 30,
};

// Bits of the editor's SnapStyle copy that the View menu flips.
namespace view_layer {
constexpr int32_t kNodes = 1 << 0;
constexpr int32_t kControlVectors = 1 << 1;
constexpr int32_t kConnections = 1 << 2;
constexpr int32_t kPreview = 1 << 8;
constexpr int32_t kHints = 1 << 16;
constexpr int32_t kGuidelines = 1 << 18;
constexpr int32_t kGrid = 1 << 19;
constexpr int32_t kAlignmentZones = 1 << 21;
}  // namespace view_layer

// Bits of the PaintStyle copy.
namespace paint_style {
constexpr int32_t kSnapToGrid = 1 << 3;
constexpr int32_t kSnapToMargins = 1 << 5;
}  // namespace paint_style

// How a DerevoZorov object meets the glyph.
enum class PaintColor { kBlack, kWhite, kEmpty };

namespace editor_text {
inline constexpr const char* kNoNodesSelected = "No nodes selected";
inline constexpr const char* kOneNodeSelected = "One node selected";
inline constexpr const char* kNodesSelected = "%i nodes selected";
inline constexpr const char* kSubsetFontUnreadable = "The subset font file %s can't be read.";
}  // namespace editor_text

class GlyphEditor {
 public:
  // Loads subset font `font` of the CID font from its file in `folder`; none when it cannot
  // be read (the message for the user in `error`).
  static std::unique_ptr<GlyphEditor> open(const CCidFont& cidFont,
                                           const std::filesystem::path& folder, int32_t font,
                                           int32_t glyph, const Options& options,
                                           std::string& error);

  // The document's hook for Save and its prompt.
  EditedSubsetFont& edited() { return edited_; }
  SubsetFont& font() { return *font_; }
  int32_t fontNumber() const { return fontNumber_; }
  int32_t glyphNumber() const { return glyphNumber_; }
  Glyph& glyph();
  bool modified() const { return edited_.modified; }

  // Another glyph of the same font; an empty slot gets an empty glyph when edited.
  bool showGlyph(int32_t glyph);
  // The nearest slot before or after that holds a glyph.
  bool previousGlyph();
  bool nextGlyph();

  // Called before every edit: keeps the undo copy and marks the font modified.
  void recordEdit(EditKind kind);
  // Records an edit and puts `result`, the glyph as the edit left it, in place.
  void commitEdit(EditKind kind, Glyph&& result);
  bool canUndo() const { return undo_.canUndo(glyphNumber_); }
  bool canRedo() const { return undo_.canRedo(glyphNumber_); }
  bool undo();
  bool redo();

  // View copies of the options.
  int32_t snapStyle() const { return snapStyle_; }
  int32_t paintStyle() const { return paintStyle_; }
  bool layerShown(int32_t bit) const { return (snapStyle_ & bit) != 0; }
  void toggleLayer(int32_t bit) { snapStyle_ ^= bit; }
  void setPaintStyle(int32_t style) { paintStyle_ = style; }
  int16_t gridX() const { return gridX_; }
  int16_t gridY() const { return gridY_; }
  void setGrid(int16_t x, int16_t y);
  // Writes SnapStyle, PaintStyle and the grid back into the options record.
  void storeViewOptions(Options& options) const;
  // The options as the options sheet left them: the view copies and what the commands use.
  void takeOptions(const Options& options);
  const Options& options() const { return options_; }

  // Commands on the glyph; each records an undo step first when it applies.
  void newGlyph();
  bool removeHints();
  AutohintStatus autohint();
  OverlapStatus removeOverlap();
  bool nodesAtExtremes();
  int snapToGuides(double viewScale);
  bool reverseContours();  // of the selected nodes, or all contours
  bool setStartPoint(int node);
  bool deleteSelection();
  void selectAll();
  bool copySelection(Clipboard& clipboard) const;
  bool cutSelection(Clipboard& clipboard);
  bool paste(const Clipboard& clipboard);
  bool copyGlyph(Clipboard& clipboard) const;
  bool pasteGlyph(const Clipboard& clipboard);
  // The contour of `node` cut out of the glyph's other contours.
  bool subtractContour(int node);
  // A finished DerevoZorov object (closed contours) applied to the glyph.
  bool applyPaintObject(const Outline& object, PaintColor color);

  // The thumbnails of the characters showing this glyph, remade after an edit; the CID font
  // is marked modified when one changed.
  bool refreshThumbnails(CCidFont& cidFont) const;

  EpsStatus importEps(const std::filesystem::path& path);
  bool exportEps(const std::filesystem::path& path) const;

  static std::string selectionText(int count);

 private:
  GlyphEditor() = default;

  std::unique_ptr<SubsetFont> font_;
  EditedSubsetFont edited_;
  int32_t fontNumber_ = 0;
  int32_t glyphNumber_ = 0;
  Glyph scratch_;  // shown for an empty slot until it is edited
  UndoStore undo_;
  Options options_;
  int32_t snapStyle_ = 0;
  int32_t paintStyle_ = 0;
  int16_t gridX_ = 100;
  int16_t gridY_ = 100;
};

}  // namespace sorvella
