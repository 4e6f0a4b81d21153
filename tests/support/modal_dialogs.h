// For GUI tests: acts on a modal dialog from inside its own event loop, as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace sorvella::test {

// Ends a modal dialog even when it refuses to be closed.
inline void endModal(QWidget* widget) {
  if (auto* dialog = qobject_cast<QDialog*>(widget))
    dialog->done(QDialog::Rejected);
  else
    widget->close();
}

// Calls `act` with the first visible top-level widget of type T as soon as one shows. When
// none shows within `timeoutMs`, or the one shown is still open that long after `act`, the
// test fails and the dialog is ended, so that the test does not hang.
template <typename T>
void whenShown(std::function<void(T*)> act, int timeoutMs = 5000) {
  auto* timer = new QTimer;
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, act, clock, timeoutMs] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      T* shown = qobject_cast<T*>(widget);
      if (shown && shown->isVisible()) {
        timer->stop();
        timer->deleteLater();
        act(shown);
        // A dialog that the act did not end is ended here, so that the test fails, not hangs.
        QTimer::singleShot(timeoutMs, shown, [shown] {
          if (!shown->isVisible()) return;
          ADD_FAILURE() << "the " << T::staticMetaObject.className() << " stayed open";
          endModal(shown);
        });
        return;
      }
    }
    if (clock->elapsed() > timeoutMs) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no " << T::staticMetaObject.className() << " was shown";
      if (QWidget* modal = QApplication::activeModalWidget()) endModal(modal);
    }
  });
  timer->start(10);
}

// The button of `dialog` with this text ("&" included), or null.
inline QAbstractButton* buttonWithText(QWidget* dialog, const QString& text) {
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

// Clicks the button with this text; fails the test when there is none.
inline void clickButton(QWidget* dialog, const QString& text) {
  QAbstractButton* button = buttonWithText(dialog, text);
  ASSERT_NE(button, nullptr) << "no button " << text.toStdString();
  button->click();
}

// Clicks the OK button of the dialog's button box; fails the test when there is none.
inline void clickOk(QWidget* dialog) {
  auto* box = dialog->findChild<QDialogButtonBox*>();
  ASSERT_NE(box, nullptr);
  ASSERT_NE(box->button(QDialogButtonBox::Ok), nullptr);
  box->button(QDialogButtonBox::Ok)->click();
}

}  // namespace sorvella::test
