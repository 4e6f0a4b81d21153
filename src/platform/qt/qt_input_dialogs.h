// The small input dialogs shown as Qt dialogs: one text with hints under it, a few unsigned
// numbers kept consistent while the user types, and a question with a check box.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/input_dialogs.h"

namespace sorvella {

class QtInputDialogs : public InputDialogs {
 public:
  explicit QtInputDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  std::optional<std::string> askText(const TextInputRequest& request) override;
  // Each field takes decimal digits up to 4294967295; after every change the request's
  // `edited` adjusts the values and the other fields show them at once.
  std::optional<std::vector<uint32_t>> askNumbers(const NumberFieldsRequest& request) override;
  CheckBoxAnswer askWithCheckBox(const CheckBoxQuestion& question) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace sorvella
