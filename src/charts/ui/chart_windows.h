// The chart windows of a document: the Characters, Unplaced, Font and CMap chart frames,
// sharing one chart context, redrawn together after every change. The main window owns one.
#pragma once

#include <QMainWindow>
#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "charts/ui/chart_context.h"
#include "charts/ui/cid_charts.h"
#include "charts/ui/cmap_chart.h"
#include "platform/profile.h"

namespace sorvella {

class ChartWindows : public QObject {
  Q_OBJECT

 public:
  // `editGlyph` is called for a double click in the Font chart; the template commands ask
  // through `prompts` (Qt message boxes when null).
  ChartWindows(Document& document, std::function<void(int32_t font, int32_t glyph)> editGlyph,
               QWidget* parent = nullptr, Prompts* prompts = nullptr);
  ~ChartWindows() override;

  ChartContext& context() { return context_; }
  QMainWindow& charactersWindow() { return *charactersWindow_; }
  QMainWindow& unplacedWindow() { return *unplacedWindow_; }
  QMainWindow& fontWindow() { return *fontWindow_; }
  CMapFrame& cmapWindow() { return *cmapWindow_; }
  CharactersChart& characters() { return *characters_; }
  UnplacedChart& unplaced() { return *unplaced_; }
  FontChart& fontChart() { return *fontChart_; }

  // Re-reads every chart from the document (after the main window changed it).
  void refresh();
  // "&Edit..." of the Subset Fonts page: the Font chart shows the font and comes to the front.
  void editFont(int32_t subsetFont);
  // "&Highlight glyphs": -1 for none.
  void setHighlightedFont(int32_t subsetFont);
  // "&Build Template" and "&Templates..." of the Characters chart window.
  bool buildTemplate();
  void showTemplates();
  // The Characters chart shows the CID and comes to the front.
  void showCid(int32_t cid);

  // Where the four frames stood, under their prefixes in the settings.
  void restorePlacements(const Profile& profile);
  void savePlacements(Profile& profile) const;

 private:
  std::array<QMainWindow*, 4> frames() const;

  ChartContext context_;
  std::unique_ptr<Prompts> ownPrompts_;
  Prompts* prompts_;
  std::unique_ptr<QMainWindow> charactersWindow_, unplacedWindow_, fontWindow_;
  std::unique_ptr<CMapFrame> cmapWindow_;
  CharactersChart* characters_;
  UnplacedChart* unplaced_;
  FontChart* fontChart_;
};

}  // namespace sorvella
