// The glyph window's commands as data: menu labels with their shortcut texts, and the status
// prompts with their tooltips ("prompt\ntooltip"), so the window builds its menus from them.
#pragma once

#include <array>
#include <span>

namespace sorvella {

enum class EditCommand {
  kNew,
  kOpenEps,
  kSaveEps,
  kPrint,
  kUndo,
  kRedo,
  kCut,
  kCopy,
  kPaste,
  kDelete,
  kSelectAll,
  kCopyGlyph,
  kPasteGlyph,
  kGrid,
  kGuidelines,
  kHints,
  kAlignmentZones,
  kNodes,
  kControlVectors,
  kConnections,
  kPreview,
  kRemoveHints,
  kAutohint,
  kRemoveOverlap,
  kSnap,
  kNodesAtExtremes,
  kApplyActions,
  kToolEdit,
  kToolErase,
  kToolPaint,
  kToolMeter,
  kTransform,
  kReverse,
  kStartPoint,
  kAdvancedHinting,
  kToolbar,
  kOptions,
  kPrevious,
  kNext,
  kZoomIn,
  kZoomOut,
  kPaintBlack,
  kPaintWhite,
  kPaintEmpty,
  kPaintRectangle,
  kPaintEllipse,
  kPaintBrush,
  kPaintLine,
  kPaintPolygon,
  kPaintPen,
  kBrushWidth80,
  kBrushWidth40,
  kBrushWidth10,
  kBrushCalligraphic,
  kBrushRound,
  kPaintOptions,
};

struct EditCommandText {
  EditCommand command;
  const char* label;   // "&Undo\tCtrl+Z": the text, a tab, the shortcut
  const char* prompt;  // "prompt\ntooltip", or empty
};

struct EditMenu {
  const char* title;
  std::span<const EditCommandText> items;
};

namespace edit_menu_text {
inline constexpr const char* kWindowTitle = "Sorvella Glyph Edit";
inline constexpr const char* kPropertiesTitle = "Glyph Properties";
inline constexpr const char* kIdlePrompt =
    "Use tools to modify glyph or press RB to select actions and operations";
inline constexpr const char* kPointerX = "X: %i";
inline constexpr const char* kPointerY = "Y: %i";
inline constexpr const char* kMeterWidth = "W: %i";
inline constexpr const char* kMeterHeight = "H: %i";
inline constexpr const char* kMeterAngle = "A: %.1f";
// Redo's usual bindings beside the window's own Ctrl+A.
inline constexpr const char* kRedoAlternatives[] = {"Ctrl+Y", "Ctrl+Shift+Z"};
}  // namespace edit_menu_text

inline constexpr EditCommandText kFileMenu[] = {
    {EditCommand::kNew, "&New\tCtrl+N", ""},
    {EditCommand::kOpenEps, "&Open EPS...\tCtrl+O", "Opens EPS (Adobe Illustrator) file\nOpen EPS"},
    {EditCommand::kSaveEps, "&Save EPS...\tCtrl+S",
     "Saves current glyph in EPS (Adobe Illustrator) format\nSave EPS"},
    {EditCommand::kPrint, "&Print glyph...\tCtrl+P", ""},
};

inline constexpr EditCommandText kEditMenu[] = {
    {EditCommand::kUndo, "&Undo\tCtrl+Z", "Undoes last action\nUndo (Ctrl+Z)"},
    {EditCommand::kRedo, "&Redo\tCtrl+A", "Redoes most recently undone action\nRedo (Ctrl+A)"},
    {EditCommand::kCut, "Cu&t\tCtrl+X",
     "Cuts the selection and puts it on the Clipboard\nCut (Ctrl+X)"},
    {EditCommand::kCopy, "&Copy\tCtrl+C", "Copies the selection to the Clipboard\nCopy (Ctrl+C)"},
    {EditCommand::kPaste, "&Paste\tCtrl+V",
     "Places the Clipboard contents and selects them\nPaste (Ctrl+V)"},
    {EditCommand::kDelete, "&Delete\tDel", "Deletes the selection\nDelete (Del)"},
    {EditCommand::kSelectAll, "Select Al&l", ""},
    {EditCommand::kCopyGlyph, "Cop&y Glyph", "Copies the whole glyph to the Clipboard\nCopy glyph"},
    {EditCommand::kPasteGlyph, "Pa&ste Glyph",
     "Replaces the current glyph with the Clipboard contents\nPaste glyph"},
};

inline constexpr EditCommandText kViewMenu[] = {
    {EditCommand::kGrid, "&Grid", "Shows grid lines\nGrid"},
    {EditCommand::kGuidelines, "G&uidelines", "Shows gudelines\nGuidelines"},
    {EditCommand::kHints, "&Hints", "Shows hints\nHints"},
    {EditCommand::kAlignmentZones, "Alignment &zones",
     "Shows alignment zones (BlueValues)\nAlignment zones"},
    {EditCommand::kNodes, "&Nodes", "Shows nodes\nNodes"},
    {EditCommand::kControlVectors, "&Control vectors",
     "Shows curve control vectors\nControl vectors"},
    {EditCommand::kConnections, "C&onnections",
     "Shows the types of connections between curves and lines\nConnections"},
    {EditCommand::kPreview, "Previe&w mode", "Activates preview editing mode\nPreview mode"},
};

inline constexpr EditCommandText kActionsMenu[] = {
    {EditCommand::kRemoveHints, "Remove &hints\tShift+F7", "Removes all hints\nRemove hints"},
    {EditCommand::kAutohint, "&Autohinting\tF7", "Automatically generates hints\nAutohinting"},
    {EditCommand::kRemoveOverlap, "Re&move Overlap\tShift+F10",
     "Removes the overlapping parts of a contour\nRemove overlap"},
    {EditCommand::kSnap, "Snap to &guides\tShift+F9",
     "Snaps all nodes to the closest guides\nSnap to guides"},
    {EditCommand::kNodesAtExtremes, "Nodes at e&xtremes\tShift+F8",
     "Automatically generates nodes at extreme points\nNodes at extremes"},
    {EditCommand::kApplyActions, "Apply A&ctions...", ""},
};

inline constexpr EditCommandText kToolsMenu[] = {
    {EditCommand::kToolEdit, "&Edit\tAlt+1", "Activates the Edit tool\nEdit (Alt+1)"},
    {EditCommand::kToolErase, "E&rase\tAlt+2", "Activates the Erase tool\nErase (Alt+2)"},
    {EditCommand::kToolPaint, "&DerevoZorov\tAlt+3",
     "Activates DerevoZorov tools\nDerevoZorov (Alt+3)"},
    {EditCommand::kToolMeter, "&Meter\tAlt+4", "Activates the Meter tool\nMeter (Alt+4)"},
    {EditCommand::kTransform, "Trans&form selection\tCtrl+9",
     "Transforms the selected part of a contour\nTransform"},
    {EditCommand::kReverse, "Re&verse contours\tCtrl+I",
     "Reverses contour direction\nReverse contours"},
    {EditCommand::kStartPoint, "Set new s&tartpoint\tCtrl+T",
     "Changes starting point of a contour\nSet startpoint"},
    {EditCommand::kAdvancedHinting, "Advanced h&inting\tCtrl+H",
     "Modification of hint replacement sequence\nAdvanced hinting"},
    {EditCommand::kToolbar, "Tool&bar", ""},
    {EditCommand::kOptions, "&Options", ""},
};

// Commands of the tool bar only.
inline constexpr EditCommandText kBarCommands[] = {
    {EditCommand::kPrevious, "Previous", "Previous character\nPrevious"},
    {EditCommand::kNext, "Next", "Next character\nNext"},
    {EditCommand::kZoomIn, "Zoom in", "Zoom in\nZoom in"},
    {EditCommand::kZoomOut, "Zoom out", "Resets zoom mode to default value\nZoom out"},
};

// The DerevoZorov tool's choices of colour and object.
inline constexpr EditCommandText kPaintCommands[] = {
    {EditCommand::kPaintBlack, "Black color",
     "All new objects are added to the existing glyph's image\nBlack color"},
    {EditCommand::kPaintWhite, "White color",
     "All new objects are subtracted from the existing glyph's image\nWhite color"},
    {EditCommand::kPaintEmpty, "Empty color",
     "New objects will not interact with existing contours\nEmpty color"},
    {EditCommand::kPaintRectangle, "Rectangle", "Draws rectangles\nRectangle"},
    {EditCommand::kPaintEllipse, "Ellipse", "Draws circles and ellipses\nEllipse"},
    {EditCommand::kPaintBrush, "Brush",
     "Draws freehand brush strokes with the current brush\nBrush"},
    {EditCommand::kPaintLine, "Line", "Draws straight lines using the current brush\nLine"},
    {EditCommand::kPaintPolygon, "Polygon",
     "Draws polygon contours as a sequence of lines and curves\nPolygon"},
    {EditCommand::kPaintPen, "Pen", "Draws freehand contours or edits existing ones\nPen"},
    {EditCommand::kBrushWidth80, "80 units", "Brush width is 80 units\n80 units"},
    {EditCommand::kBrushWidth40, "40 units", "Brush width is 40 units\n40 units"},
    {EditCommand::kBrushWidth10, "10 units", "Brush width is 10 units\n10 units"},
    {EditCommand::kBrushCalligraphic, "Calligraphic brush",
     "Calligraphic brush\nCalligraphic brush"},
    {EditCommand::kBrushRound, "Round brush", "Round brush\nRound brush"},
    {EditCommand::kPaintOptions, "Options", "Shows the DerevoZorov Options dialog box\nOptions"},
};

inline constexpr std::array<EditMenu, 5> kEditMenus{{
    {"&File", kFileMenu},
    {"&Edit", kEditMenu},
    {"&View", kViewMenu},
    {"&Actions", kActionsMenu},
    {"&Tools", kToolsMenu},
}};

}  // namespace sorvella
