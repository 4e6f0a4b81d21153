// A message box with a row of buttons in the order given that can also be closed without
// choosing one (Escape or the window's close button), which QMessageBox itself turns into a
// click on one of its buttons.
#pragma once

#include <QMessageBox>
#include <span>
#include <string_view>
#include <vector>

class QAbstractButton;

namespace sorvella {

class ClosableMessageBox : public QMessageBox {
 public:
  // One button per caption, in order ("&" marks an access key); the first is the default.
  ClosableMessageBox(std::string_view text, std::string_view title,
                     std::span<const std::string_view> buttons, QWidget* parent = nullptr);

  // Shows the box and returns the position of the button chosen, or -1 when it was closed.
  int ask();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::vector<QAbstractButton*> buttons_;
};

}  // namespace sorvella
