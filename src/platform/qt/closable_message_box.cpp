#include "platform/qt/closable_message_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/qt/qt_text.h"

namespace sorvella {

ClosableMessageBox::ClosableMessageBox(std::string_view text, std::string_view title,
                                       std::span<const std::string_view> buttons, QWidget* parent)
    : QMessageBox(parent) {
  setWindowTitle(toQString(title));
  setText(toQString(text));
  setTextFormat(Qt::PlainText);
  // One role for all keeps the buttons in the order given.
  for (std::string_view caption : buttons)
    buttons_.push_back(addButton(toQString(caption), QMessageBox::ActionRole));
  if (!buttons_.empty()) setDefaultButton(static_cast<QPushButton*>(buttons_.front()));
}

int ClosableMessageBox::ask() {
  if (buttons_.empty()) return -1;
  exec();
  QAbstractButton* chosen = clickedButton();
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i] == chosen) return static_cast<int>(i);
  return -1;
}

void ClosableMessageBox::closeEvent(QCloseEvent* event) {
  // QMessageBox would refuse to close or click its escape button; a plain dialog just closes.
  QDialog::closeEvent(event);
}

void ClosableMessageBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    close();
    return;
  }
  QMessageBox::keyPressEvent(event);
}

}  // namespace sorvella
