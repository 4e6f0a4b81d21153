// CMainPage: the " Font Info " page. It shows the CID font's information fields and the
// legend; the fields are read-only until the page learns to edit them.
#pragma once

#include <QWidget>
#include <array>

class QLineEdit;
class QPlainTextEdit;

namespace sorvella {

class CCidFont;

class CMainPage : public QWidget {
  Q_OBJECT

 public:
  explicit CMainPage(QWidget* parent = nullptr);

  // Shows the font's fields and legend, or empty fields and the text for no font.
  void refresh(const CCidFont* font);

  // The fields in the order of the page, each named after its caption without the colon
  // ("FontName", "Full Name", ...).
  const std::array<QLineEdit*, 8>& fields() const { return fields_; }
  QPlainTextEdit* legend() const { return legend_; }

 private:
  std::array<QLineEdit*, 8> fields_{};
  QPlainTextEdit* legend_;
};

}  // namespace sorvella
