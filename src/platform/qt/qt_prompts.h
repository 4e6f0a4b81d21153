// Message boxes shown as Qt dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/prompts.h"

namespace sorvella {

class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}

  using Prompts::ask;
  // The buttons in the order given, the first the default; -1 when the box was closed.
  int ask(std::string_view text, std::string_view title,
          std::span<const std::string_view> buttons) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace sorvella
