// COptionsSheet: the "Sorvella Options" sheet with its pages "Glyph Edit" and "Autohinting".
// OK takes the pages into the options record and saves it; any window may open it.
#pragma once

#include <QDialog>

#include "cidfont/options_pages.h"
#include "platform/profile.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace sorvella {

class COptionsSheet : public QDialog {
  Q_OBJECT

 public:
  explicit COptionsSheet(const Options& options, QWidget* parent = nullptr);

  QTabWidget* pages() const { return pages_; }
  // The pages as the user left them.
  GlyphEditPage glyphEdit() const;
  AutohintingPage autohinting() const;

  // OK closes the sheet only when both ratio fields hold a number from 0 to 1000.
  void accept() override;

 private:
  QWidget* makeGlyphEditPage(const GlyphEditPage& page);
  QWidget* makeAutohintingPage(const AutohintingPage& page);

  QTabWidget* pages_;
  QSpinBox *gridX_, *gridY_, *ascender_, *descender_;
  QCheckBox *snapToGrid_, *snapToMargins_, *correctOrientation_;
  QRadioButton *atmFill_, *postScriptFill_;
  QSpinBox *minHWidth_, *maxHWidth_, *minVWidth_, *maxVWidth_, *minHLength_, *minVLength_;
  QLineEdit *hRatio_, *vRatio_;
  QCheckBox* removeHints_;
};

// Shows the sheet over `parent`. On OK the options take the pages and are saved to the
// profile (a failed write is told); returns whether the sheet ended with OK.
bool runOptionsSheet(QWidget* parent, Options& options, Profile& profile);

}  // namespace sorvella
