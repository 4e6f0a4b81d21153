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

  const std::vector<FileDialogRequest>& requests() const { return requests_; }

  std::optional<std::filesystem::path> choose(const FileDialogRequest& request) override {
    requests_.push_back(request);
    if (answers_.empty()) return std::nullopt;
    std::optional<std::filesystem::path> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  }

 private:
  std::deque<std::optional<std::filesystem::path>> answers_;
  std::vector<FileDialogRequest> requests_;
};

}  // namespace sorvella
