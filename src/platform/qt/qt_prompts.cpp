#include "platform/qt/qt_prompts.h"

#include <QApplication>
#include <QCursor>

#include "platform/qt/closable_message_box.h"

namespace sorvella {

int QtPrompts::ask(std::string_view text, std::string_view title,
                   std::span<const std::string_view> buttons) {
  ClosableMessageBox box(text, title, buttons, parent_);
  // A box that a long command shows under its wait cursor is answered with the arrow.
  bool waiting = QApplication::overrideCursor() != nullptr;
  if (waiting) QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
  int answer = box.ask();
  if (waiting) QApplication::restoreOverrideCursor();
  return answer;
}

}  // namespace sorvella
