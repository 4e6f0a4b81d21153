#include "cidfont/ui/apply_actions_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

// What the unit label beside an edit field says for its field type.
const char* unitText(char type) {
  switch (type) {
    case field_type::kUnits:
      return actions_text::kUnits;
    case field_type::kPercent:
      return "%";
    case field_type::kAngle:
      return "deg.";
    default:
      return "";
  }
}

QString fieldText(double value, char type) {
  return type == field_type::kUnits ? QString::number(static_cast<long long>(value))
                                    : QString::number(value, 'g', 10);
}

}  // namespace

ApplyActionsDialog::ApplyActionsDialog(std::function<void()> openOptions, QWidget* parent)
    : QDialog(parent),
      openOptions_(std::move(openOptions)),
      available_(new QListWidget(this)),
      programList_(new QListWidget(this)),
      description_(new QPlainTextEdit(this)),
      targets_(new QButtonGroup(this)) {
  setWindowTitle(actions_text::kTitle);
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(actions_text::kIntro, this);
  intro->setWordWrap(true);
  layout->addWidget(intro);

  auto* targetBox = new QGroupBox(actions_text::kApplyTo, this);
  auto* targetLayout = new QVBoxLayout(targetBox);
  for (int t = 0; t < 4; ++t) {
    auto* radio = new QRadioButton(actions_text::kTargets[t], targetBox);
    targets_->addButton(radio, t);
    targetLayout->addWidget(radio);
  }
  targets_->button(0)->setChecked(true);
  connect(targets_, &QButtonGroup::idClicked, this,
          [this](int id) { program_.setTarget(static_cast<ActionsTarget>(id)); });
  layout->addWidget(targetBox);

  auto* lists = new QGridLayout;
  auto* availableLabel = new QLabel(actions_text::kAvailable, this);
  availableLabel->setBuddy(available_);
  auto* programLabel = new QLabel(actions_text::kProgram, this);
  programLabel->setBuddy(programList_);
  lists->addWidget(availableLabel, 0, 0);
  lists->addWidget(programLabel, 0, 2);
  lists->addWidget(available_, 1, 0);
  lists->addWidget(programList_, 1, 2);
  for (int k = 0; k < kActionKindCount; ++k)
    available_->addItem(actionKindInfo(static_cast<ActionKind>(k)).name);
  auto* middle = new QVBoxLayout;
  auto* side = new QVBoxLayout;
  auto addButton = [this](QBoxLayout* to, const char* text, auto slot) {
    auto* b = new QPushButton(text, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    to->addWidget(b);
  };
  addButton(middle, actions_text::kAdd, [this] { add(); });
  addButton(middle, actions_text::kDel, [this] { remove(); });
  middle->addStretch();
  addButton(side, actions_text::kUp, [this] { moveUp(); });
  addButton(side, actions_text::kDown, [this] { moveDown(); });
  addButton(side, actions_text::kReset, [this] { reset(); });
  side->addStretch();
  lists->addLayout(middle, 1, 1);
  lists->addLayout(side, 1, 3);
  layout->addLayout(lists);

  auto* controls = new QGridLayout;
  for (int i = 0; i < 3; ++i) {
    fieldLabels_[i] = new QLabel(this);
    fields_[i] = new QLineEdit(this);
    unitLabels_[i] = new QLabel(actions_text::kUnits, this);
    fieldLabels_[i]->setBuddy(fields_[i]);
    controls->addWidget(fieldLabels_[i], i, 0);
    controls->addWidget(fields_[i], i, 1);
    controls->addWidget(unitLabels_[i], i, 2);
    connect(fields_[i], &QLineEdit::textEdited, this,
            [this, i](const QString& text) { fieldEdited(i, text); });
  }
  for (int i = 0; i < 2; ++i) {
    checks_[i] = new QCheckBox(this);
    controls->addWidget(checks_[i], 3 + i, 0, 1, 3);
    connect(checks_[i], &QCheckBox::toggled, this, [this, i](bool on) { checkToggled(i, on); });
  }
  auto* descriptionLabel = new QLabel(actions_text::kDescription, this);
  descriptionLabel->setBuddy(description_);
  description_->setReadOnly(true);
  auto* lower = new QHBoxLayout;
  lower->addLayout(controls);
  auto* descriptionColumn = new QVBoxLayout;
  descriptionColumn->addWidget(descriptionLabel);
  descriptionColumn->addWidget(description_);
  lower->addLayout(descriptionColumn);
  layout->addLayout(lower);

  auto* buttons = new QHBoxLayout;
  addButton(buttons, actions_text::kOptions, [this] {
    if (openOptions_) openOptions_();
  });
  buttons->addStretch();
  auto* ok = new QPushButton(actions_text::kOk, this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(ok);
  addButton(buttons, actions_text::kCancel, [this] { reject(); });
  layout->addLayout(buttons);

  connect(available_, &QListWidget::currentRowChanged, this,
          [this](int row) { availableSelected(row); });
  connect(programList_, &QListWidget::currentRowChanged, this,
          [this](int row) { programSelected(row); });
  available_->setCurrentRow(0);
  showControls();
}

QPushButton* ApplyActionsDialog::button(const char* text) const {
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->text() == QString(text)) return b;
  return nullptr;
}

void ApplyActionsDialog::refresh() {
  loading_ = true;
  programList_->clear();
  for (const std::string& line : program_.summaries()) programList_->addItem(toQString(line));
  programList_->setCurrentRow(program_.selected());
  targets_->button(static_cast<int>(program_.target()))->setChecked(true);
  loading_ = false;
  showControls();
}

void ApplyActionsDialog::add() {
  const int row = available_->currentRow();
  if (row < 0 || !program_.add(static_cast<ActionKind>(row))) return;
  refresh();
}

void ApplyActionsDialog::remove() {
  program_.remove();
  refresh();
}

void ApplyActionsDialog::moveUp() {
  program_.moveUp();
  refresh();
}

void ApplyActionsDialog::moveDown() {
  program_.moveDown();
  refresh();
}

void ApplyActionsDialog::reset() {
  program_.reset();
  refresh();
}

void ApplyActionsDialog::programSelected(int row) {
  if (loading_) return;
  program_.select(row);
  showControls();
}

void ApplyActionsDialog::availableSelected(int row) {
  if (row < 0) return;
  description_->setPlainText(actionKindInfo(static_cast<ActionKind>(row)).shortDescription);
}

void ApplyActionsDialog::fieldEdited(int field, const QString& text) {
  if (loading_ || program_.selected() < 0) return;
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok) return;  // a half-typed number; the last value stays
  const GlyphAction before = program_.action(program_.selected());
  program_.setField(field, value);
  const GlyphAction& after = program_.action(program_.selected());
  // Show a coupled field's copy, never rewrite the field being typed in.
  loading_ = true;
  const char* types = actionKindInfo(after.kind).fieldTypes;
  for (int i = 0; i < 3; ++i)
    if (i != field && after.fields[i] != before.fields[i])
      fields_[i]->setText(fieldText(after.fields[i], types[i]));
  loading_ = false;
  refreshSummary(program_.selected());
}

void ApplyActionsDialog::checkToggled(int box, bool on) {
  if (loading_ || program_.selected() < 0) return;
  program_.setCheck(box, on);
  refreshSummary(program_.selected());
}

void ApplyActionsDialog::refreshSummary(int row) {
  if (QListWidgetItem* item = programList_->item(row))
    item->setText(toQString(program_.action(row).summary()));
}

void ApplyActionsDialog::showControls() {
  loading_ = true;
  const int selected = program_.selected();
  const GlyphAction* action = selected >= 0 ? &program_.action(selected) : nullptr;
  const uint8_t mask = action ? actionKindInfo(action->kind).mask : 0;
  const auto labels = action ? actionControlLabels(action->kind) : std::array<std::string, 5>{};
  for (int i = 0; i < 3; ++i) {
    const bool used = (mask & (1u << i)) != 0;
    const char type = action ? actionKindInfo(action->kind).fieldTypes[i] : field_type::kUnused;
    fieldLabels_[i]->setText(toQString(labels[i]));
    fields_[i]->setEnabled(used);
    fields_[i]->setText(used ? fieldText(action->fields[i], type) : QString());
    unitLabels_[i]->setText(used ? unitText(type) : actions_text::kUnits);
    unitLabels_[i]->setEnabled(used);
  }
  for (int i = 0; i < 2; ++i) {
    const bool used = (mask & (action_control::kCheck1 << i)) != 0;
    checks_[i]->setText(toQString(labels[3 + i]));
    checks_[i]->setEnabled(used);
    checks_[i]->setChecked(used && action->checks[i]);
  }
  if (action) description_->setPlainText(actionKindInfo(action->kind).description);
  loading_ = false;
}

}  // namespace sorvella
