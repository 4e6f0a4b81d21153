// The "Apply Actions" dialog: builds an actions program from the available actions, edits each
// action's parameters, and on OK leaves the program and its target for the caller to run.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "outline/actions_program.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace sorvella {

class ApplyActionsDialog : public QDialog {
  Q_OBJECT

 public:
  // `openOptions` runs when "&Options..." is pressed (the application's options sheet).
  explicit ApplyActionsDialog(std::function<void()> openOptions, QWidget* parent = nullptr);

  const ActionsProgram& program() const { return program_; }
  ActionsProgram& program() { return program_; }
  // Shows the program as it is now (after the caller changed it).
  void refresh();

  QListWidget* availableList() const { return available_; }
  QListWidget* programList() const { return programList_; }
  QPlainTextEdit* description() const { return description_; }
  QLineEdit* field(int i) const { return fields_[static_cast<std::size_t>(i)]; }
  QLabel* fieldLabel(int i) const { return fieldLabels_[static_cast<std::size_t>(i)]; }
  QLabel* unitLabel(int i) const { return unitLabels_[static_cast<std::size_t>(i)]; }
  QCheckBox* check(int i) const { return checks_[static_cast<std::size_t>(i)]; }
  QButtonGroup* targets() const { return targets_; }
  QPushButton* button(const char* text) const;

 private:
  void add();
  void remove();
  void moveUp();
  void moveDown();
  void reset();
  void programSelected(int row);
  void availableSelected(int row);
  void fieldEdited(int field, const QString& text);
  void checkToggled(int box, bool on);
  void showControls();
  void refreshSummary(int row);

  ActionsProgram program_;
  std::function<void()> openOptions_;
  QListWidget* available_;
  QListWidget* programList_;
  QPlainTextEdit* description_;
  std::array<QLineEdit*, 3> fields_{};
  std::array<QLabel*, 3> fieldLabels_{};
  std::array<QLabel*, 3> unitLabels_{};
  std::array<QCheckBox*, 2> checks_{};
  QButtonGroup* targets_;
  bool loading_ = false;  // controls are being filled, not edited
};

}  // namespace sorvella
