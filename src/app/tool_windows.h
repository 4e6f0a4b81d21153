// The main window's tool windows: the chart windows and the glyph editor, wired to the main
// window's hooks, opened from each other's commands and placed where the user left them.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_prompts.h"

class QMenu;

namespace sorvella {

class CEditFrame;
class CMainFrame;
class ChartWindows;

namespace window_menu_text {
inline constexpr const char* kWindow = "&Window";
inline constexpr const char* kCharactersChart = "&Characters Chart";
inline constexpr const char* kUnplacedChart = "&Unplaced Characters Chart";
inline constexpr const char* kGlyphEditor = "&Glyph Editor";
inline constexpr const char* kGlyphsMenu = "&Glyphs";
}  // namespace window_menu_text

class ToolWindows : public QObject {
  Q_OBJECT

 public:
  explicit ToolWindows(CMainFrame& frame);
  ~ToolWindows() override;

  ChartWindows& charts() { return *charts_; }
  // The glyph editor, or null before a glyph was opened.
  CEditFrame* glyphEditor() const { return editor_.get(); }

  // A double click in the Font chart: the glyph editor shows the glyph. Another subset font
  // replaces the edited one after the offer to save it; false when the font could not be read.
  bool editGlyph(int32_t font, int32_t glyph);
  // The "Apply Actions" dialog over subset font `font`, whose current glyph and selected
  // glyphs are the targets of one glyph and of the selected glyphs; true when a program ran.
  bool applyActions(int32_t font, int32_t currentGlyph, std::vector<int32_t> selectedGlyphs,
                    QWidget* parent);

 private:
  void closeAll();
  void closeFontWindows(int32_t font);
  void refresh();

  CMainFrame& frame_;
  QtPrompts prompts_;
  QtFileDialogs fileDialogs_;
  QtClipboard clipboard_;
  std::unique_ptr<ChartWindows> charts_;
  std::unique_ptr<CEditFrame> editor_;
  // The CID font the charts last showed, so that a newly opened one brings its chart up.
  const void* shownFont_ = nullptr;
};

}  // namespace sorvella
