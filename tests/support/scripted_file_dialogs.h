// File dialogs answered from a script, for tests and runs without a display: each request is
// recorded and answered with the next scripted path, or cancelled.
#pragma once

#include <deque>
#include <vector>

#include "platform/file_dialogs.h"

namespace sorvella {

class ScriptedFileDialogs : public FileDialogs {
 public:
  // The next dialog returns this path; std::nullopt (or no script at all) cancels it.
  void script(std::optional<std::filesystem::path> answer) {
    answers_.push_back(std::move(answer));
  }

  // The next multiple-selection dialog returns these paths (none cancels it).
  void scriptFiles(std::vector<std::filesystem::path> answer) {
    multiAnswers_.push_back(std::move(answer));
  }

  const std::vector<FileDialogRequest>& requests() const { return requests_; }

  std::optional<std::filesystem::path> choose(const FileDialogRequest& request) override {
    requests_.push_back(request);
    if (answers_.empty()) return std::nullopt;
    std::optional<std::filesystem::path> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  }

  std::vector<std::filesystem::path> chooseFiles(const FileDialogRequest& request) override {
    if (multiAnswers_.empty()) return FileDialogs::chooseFiles(request);
    requests_.push_back(request);
    std::vector<std::filesystem::path> answer = std::move(multiAnswers_.front());
    multiAnswers_.pop_front();
    return answer;
  }

 private:
  std::deque<std::vector<std::filesystem::path>> multiAnswers_;
  std::deque<std::optional<std::filesystem::path>> answers_;
  std::vector<FileDialogRequest> requests_;
};

}  // namespace sorvella
