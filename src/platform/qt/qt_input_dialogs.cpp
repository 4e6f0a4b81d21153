#include "platform/qt/qt_input_dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <string_view>

#include "platform/qt/closable_message_box.h"
#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {

QDialogButtonBox* okCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

// A field's digits as a number; empty reads as 0, more than fits as the largest value.
uint32_t fieldValue(const QLineEdit* field) {
  bool ok = false;
  qulonglong value = field->text().toULongLong(&ok);
  if (!ok) return field->text().isEmpty() ? 0 : std::numeric_limits<uint32_t>::max();
  return static_cast<uint32_t>(std::min<qulonglong>(value, std::numeric_limits<uint32_t>::max()));
}

}  // namespace

std::optional<std::string> QtInputDialogs::askText(const TextInputRequest& request) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(toQString(request.title));
  auto* layout = new QVBoxLayout(&dialog);
  auto* field = new QLineEdit(toQString(request.initialText), &dialog);
  auto* label = new QLabel(toQString(request.label), &dialog);
  label->setBuddy(field);
  layout->addWidget(label);
  layout->addWidget(field);
  for (const std::string& hint : request.hints) {
    auto* line = new QLabel(toQString(hint), &dialog);
    line->setWordWrap(true);
    layout->addWidget(line);
  }
  layout->addWidget(okCancel(dialog));
  field->selectAll();
  field->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return fromQString(field->text());
}

std::optional<std::vector<uint32_t>> QtInputDialogs::askNumbers(
    const NumberFieldsRequest& request) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(toQString(request.title));
  auto* layout = new QVBoxLayout(&dialog);
  if (!request.text.empty()) {
    auto* text = new QLabel(toQString(request.text), &dialog);
    text->setWordWrap(true);
    layout->addWidget(text);
  }
  auto* form = new QFormLayout;
  layout->addLayout(form);

  std::vector<QLineEdit*> fields;
  auto* digits =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,10}")), &dialog);
  for (std::size_t i = 0; i < request.labels.size(); ++i) {
    uint32_t initial = i < request.initialValues.size() ? request.initialValues[i] : 0;
    auto* field = new QLineEdit(QString::number(initial), &dialog);
    field->setObjectName(QStringLiteral("number%1").arg(i));
    field->setValidator(digits);
    form->addRow(toQString(request.labels[i]), field);
    fields.push_back(field);
  }
  auto values = [&fields] {
    std::vector<uint32_t> v;
    for (const QLineEdit* field : fields) v.push_back(fieldValue(field));
    return v;
  };
  for (std::size_t i = 0; i < fields.size(); ++i) {
    // Only the user's typing: the fields set below do not count as changes.
    QObject::connect(fields[i], &QLineEdit::textEdited, &dialog, [&, i] {
      if (!request.edited) return;
      std::vector<uint32_t> typed = values();
      std::vector<uint32_t> adjusted = typed;
      request.edited(i, adjusted);
      for (std::size_t f = 0; f < fields.size() && f < adjusted.size(); ++f)
        if (f != i || adjusted[f] != typed[f]) fields[f]->setText(QString::number(adjusted[f]));
    });
  }
  layout->addWidget(okCancel(dialog));
  if (!fields.empty()) {
    fields.front()->selectAll();
    fields.front()->setFocus();
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return values();
}

CheckBoxAnswer QtInputDialogs::askWithCheckBox(const CheckBoxQuestion& question) {
  std::vector<std::string_view> captions(question.buttons.begin(), question.buttons.end());
  ClosableMessageBox box(question.text, question.title, captions, parent_);
  auto* check = new QCheckBox(toQString(question.checkBox), &box);
  box.setCheckBox(check);
  CheckBoxAnswer answer;
  answer.button = box.ask();
  answer.checked = check->isChecked();
  return answer;
}

}  // namespace sorvella
