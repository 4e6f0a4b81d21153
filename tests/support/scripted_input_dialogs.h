// Input dialogs answered from a script, for tests: every request is recorded; texts and
// numbers come from their own queues (an empty queue cancels), check-box questions from a
// queue of button captions with the box's state.
#pragma once

#include <algorithm>
#include <deque>
#include <vector>

#include "platform/input_dialogs.h"

namespace sorvella {

class ScriptedInputDialogs : public InputDialogs {
 public:
  void scriptText(std::optional<std::string> answer) { texts_.push_back(std::move(answer)); }
  void scriptNumbers(std::optional<std::vector<uint32_t>> answer) {
    numbers_.push_back(std::move(answer));
  }
  void scriptCheckBox(std::string button, bool checked) {
    checks_.push_back({std::move(button), checked});
  }

  const std::vector<TextInputRequest>& textRequests() const { return textRequests_; }
  const std::vector<NumberFieldsRequest>& numberRequests() const { return numberRequests_; }
  const std::vector<CheckBoxQuestion>& checkBoxQuestions() const { return checkQuestions_; }

  std::optional<std::string> askText(const TextInputRequest& request) override {
    textRequests_.push_back(request);
    return next(texts_);
  }
  std::optional<std::vector<uint32_t>> askNumbers(const NumberFieldsRequest& request) override {
    numberRequests_.push_back(request);
    return next(numbers_);
  }
  CheckBoxAnswer askWithCheckBox(const CheckBoxQuestion& question) override {
    checkQuestions_.push_back(question);
    CheckBoxAnswer answer;
    if (checks_.empty()) return answer;
    auto [button, checked] = checks_.front();
    checks_.pop_front();
    auto it = std::find(question.buttons.begin(), question.buttons.end(), button);
    if (it == question.buttons.end()) return answer;
    answer.button = static_cast<int>(it - question.buttons.begin());
    answer.checked = checked;
    return answer;
  }

 private:
  template <typename T>
  static std::optional<T> next(std::deque<std::optional<T>>& queue) {
    std::optional<T> answer;
    if (queue.empty()) return answer;
    answer.swap(queue.front());
    queue.pop_front();
    return answer;
  }

  std::deque<std::optional<std::string>> texts_;
  std::deque<std::optional<std::vector<uint32_t>>> numbers_;
  std::deque<std::pair<std::string, bool>> checks_;
  std::vector<TextInputRequest> textRequests_;
  std::vector<NumberFieldsRequest> numberRequests_;
  std::vector<CheckBoxQuestion> checkQuestions_;
};

}  // namespace sorvella
