// CMainPage: the " Font Info " page. It shows the CID font's information fields for editing
// and the legend; Save and Export take the edited fields into the font.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "cidfont/font_info_fields.h"

class QLineEdit;
class QPlainTextEdit;

namespace sorvella {

class CCidFont;

class CMainPage : public QWidget {
  Q_OBJECT

 public:
  explicit CMainPage(QWidget* parent = nullptr);

  // Shows the font's fields and legend, or empty fields and the text for no font. Fields the
  // user edited stay as typed until they are taken or forgotten.
  void refresh(const CCidFont* font);

  // The fields as the user left them, when edited since they were shown; taking them lets
  // the next refresh show what the font made of them.
  std::optional<FontInfoFields> takeEdits();
  // Before the font is replaced: its edits go with it.
  void forgetEdits() { edited_ = false; }

  // The fields in the order of the page, each named after its caption without the colon
  // ("FontName", "Full Name", ...).
  const std::array<QLineEdit*, 8>& fields() const { return fields_; }
  QPlainTextEdit* legend() const { return legend_; }

 signals:
  // The user changed a field.
  void edited();

 private:
  std::array<QLineEdit*, 8> fields_{};
  QPlainTextEdit* legend_;
  bool edited_ = false;
};

}  // namespace sorvella
