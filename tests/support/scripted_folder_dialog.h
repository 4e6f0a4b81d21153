// The font folder dialog answered from a script, for tests: each request is recorded and
// answered with the next scripted choice, or cancelled.
#pragma once

#include <deque>
#include <vector>

#include "platform/folder_dialog.h"

namespace sorvella {

class ScriptedFolderDialog : public FontFolderDialog {
 public:
  // std::nullopt (or no script at all) cancels the dialog.
  void script(std::optional<FontFolderChoice> answer) { answers_.push_back(std::move(answer)); }

  const std::vector<FontFolderRequest>& requests() const { return requests_; }

  std::optional<FontFolderChoice> choose(const FontFolderRequest& request) override {
    requests_.push_back(request);
    if (answers_.empty()) return std::nullopt;
    std::optional<FontFolderChoice> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  }

 private:
  std::deque<std::optional<FontFolderChoice>> answers_;
  std::vector<FontFolderRequest> requests_;
};

}  // namespace sorvella
