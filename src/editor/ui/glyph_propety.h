// CGlyphPropety: the "Glyph Properties" window beside the drawing surface, with one page per
// element kind (node, hint, guide, glyph, selection, metrics), each a CPropBase panel.
#pragma once

#include <QDockWidget>
#include <QWidget>
#include <functional>

#include "editor/glyph_editor.h"
#include "editor/line_hit.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace sorvella {

class CPropBase : public QWidget {
  Q_OBJECT

 public:
  CPropBase(GlyphEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {}
  // Shows the glyph as it is now.
  virtual void refresh() = 0;
  // After the panel changed the glyph.
  std::function<void()> changed;

 protected:
  void done() {
    if (changed) changed();
  }
  GlyphEditor& editor_;
};

class CNodeProp : public CPropBase {
  Q_OBJECT

 public:
  CNodeProp(GlyphEditor& editor, QWidget* parent);
  void refresh() override;
  QLabel* kind() const { return kind_; }
  QLineEdit* xField() const { return x_; }
  QLineEdit* yField() const { return y_; }

 private:
  void apply();
  void step(int by);
  QLabel* kind_;
  QLineEdit* x_;
  QLineEdit* y_;
  QComboBox* connection_;
  QPushButton* absolute_;
};

class CHintProp : public CPropBase {
  Q_OBJECT

 public:
  CHintProp(GlyphEditor& editor, QWidget* parent);
  void refresh() override;
  // Shows entry `index` of the list: the horizontal hints, then the vertical ones.
  void choose(int index);

 private:
  void apply();
  QComboBox* choice_;
  QLabel* kind_;
  QLineEdit* position_;
  QLineEdit* width_;
};

class CGuideProp : public CPropBase {
  Q_OBJECT

 public:
  CGuideProp(GlyphEditor& editor, QWidget* parent);
  void refresh() override;
  // Shows entry `index` of the list: the horizontal guides, then the vertical ones.
  void choose(int index);

 private:
  void apply();
  QComboBox* choice_;
  QLabel* kind_;
  QLineEdit* position_;
  QLineEdit* slope_;
};

class CPropGlyph : public CPropBase {
  Q_OBJECT

 public:
  CPropGlyph(GlyphEditor& editor, QWidget* parent);
  void refresh() override;

 private:
  QLabel* font_;
  QLabel* name_;
};

class CPropMetrics : public CPropBase {
  Q_OBJECT

 public:
  CPropMetrics(GlyphEditor& editor, QWidget* parent);
  void refresh() override;

 private:
  void apply();
  QLineEdit* left_;
  QLineEdit* advance_;
  QLineEdit* right_;
};

class CPropSelection : public CPropBase {
  Q_OBJECT

 public:
  CPropSelection(GlyphEditor& editor, QWidget* parent);
  void refresh() override;
  QComboBox* toDo() const { return toDo_; }
  QComboBox* center() const { return center_; }
  QLineEdit* amount() const { return amount_; }
  QPushButton* applyButton() const { return apply_; }

 private:
  void apply();
  QLabel* count_;
  QComboBox* toDo_;
  QComboBox* center_;
  QLineEdit* amount_;
  QPushButton* apply_;
};

class CGlyphPropety : public QDockWidget {
  Q_OBJECT

 public:
  CGlyphPropety(GlyphEditor& editor, QWidget* parent);
  void refresh();
  void showNodePage();
  void showSelectionPage();
  // The hint or guide page on the grabbed line.
  void showLinePage(const LineGrab& line);
  QTabWidget* pages() const { return pages_; }
  CNodeProp* nodePage() const { return node_; }
  CPropSelection* selectionPage() const { return selection_; }
  std::function<void()> changed;

 private:
  QTabWidget* pages_;
  CNodeProp* node_;
  CPropSelection* selection_;
  GlyphEditor& editor_;
  CHintProp* hint_;
  CGuideProp* guide_;
  std::vector<CPropBase*> panels_;
};

}  // namespace sorvella
