// The "Paint Options" dialog: the DerevoZorov brush (width, angle, cap, join) and how the
// Polygon tool applies its polygons, edited as a PaintOptions value.
#pragma once

#include <QDialog>

#include "editor/paint_objects.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace sorvella {

class PaintOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  PaintOptionsDialog(const PaintOptions& options, QWidget* parent = nullptr);
  PaintOptions options() const;

  QSpinBox* widthField() const { return width_; }
  QSpinBox* angleField() const { return angle_; }
  QComboBox* capBox() const { return cap_; }
  QComboBox* joinBox() const { return join_; }
  QRadioButton* traceButton() const { return trace_; }
  QCheckBox* autoTransformBox() const { return autoTransform_; }

 private:
  PaintOptions initial_;
  QSpinBox* width_;
  QSpinBox* angle_;
  QComboBox* cap_;
  QComboBox* join_;
  QRadioButton* contour_;
  QRadioButton* trace_;
  QCheckBox* autoTransform_;
};

}  // namespace sorvella
