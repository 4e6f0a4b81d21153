// Message boxes answered from a script, for tests and runs without a display: each box is
// recorded and answered with the next scripted button caption.
#pragma once

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "platform/prompts.h"

namespace sorvella {

class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    std::string text;
    std::string title;
    std::vector<std::string> buttons;
    int answer = -1;
  };

  // The caption of the button to choose in the next box; a box without a scripted answer, or
  // whose buttons lack the caption, is closed (-1).
  void script(std::string button) { answers_.push_back(std::move(button)); }

  const std::vector<Shown>& shown() const { return shown_; }
  std::size_t unanswered() const { return answers_.size(); }

  using Prompts::ask;
  int ask(std::string_view text, std::string_view title,
          std::span<const std::string_view> buttons) override {
    Shown box{std::string(text), std::string(title), {buttons.begin(), buttons.end()}, -1};
    if (!answers_.empty()) {
      auto it = std::find(box.buttons.begin(), box.buttons.end(), answers_.front());
      answers_.pop_front();
      if (it != box.buttons.end()) box.answer = static_cast<int>(it - box.buttons.begin());
    }
    shown_.push_back(box);
    return box.answer;
  }

 private:
  std::deque<std::string> answers_;
  std::vector<Shown> shown_;
};

}  // namespace sorvella
