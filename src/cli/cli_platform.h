// The program's dialogs answered from the command line: every message box is printed on
// stderr and answered by the flags given, file and folder dialogs return the paths named on
// the command line, and progress is drawn as a bar when stderr is a terminal.
#pragma once

#include <deque>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/busy_indicator.h"
#include "platform/file_dialogs.h"
#include "platform/folder_dialog.h"
#include "platform/input_dialogs.h"
#include "platform/prompts.h"

namespace sorvella::cli {

class AnsweringPrompts : public Prompts {
 public:
  explicit AnsweringPrompts(std::ostream& err) : err_(err) {}
  // Captions chosen whenever a box offers them, in this order of preference. A box that
  // offers none of them is answered "Cancel" when it can be, else with its first button.
  void prefer(std::string caption) { preferred_.push_back(std::move(caption)); }

  using Prompts::ask;
  int ask(std::string_view text, std::string_view title,
          std::span<const std::string_view> buttons) override;

 private:
  std::ostream& err_;
  std::vector<std::string> preferred_;
};

class AnsweringFileDialogs : public FileDialogs {
 public:
  void answer(std::filesystem::path path) { paths_.push_back(std::move(path)); }
  // The next path; none left cancels.
  std::optional<std::filesystem::path> choose(const FileDialogRequest& request) override;
  // Every path still waiting.
  std::vector<std::filesystem::path> chooseFiles(const FileDialogRequest& request) override;

 private:
  std::deque<std::filesystem::path> paths_;
};

// Answers once with the folder named on the command line; asked again, it cancels.
class AnsweringFolderDialog : public FontFolderDialog {
 public:
  void answer(const std::filesystem::path& folder);
  std::optional<FontFolderChoice> choose(const FontFolderRequest& request) override;

 private:
  std::optional<FontFolderChoice> choice_;
};

class AnsweringInputDialogs : public InputDialogs {
 public:
  void answerText(std::string text) { text_ = std::move(text); }
  void answerCheckBox(std::string button, bool checked) {
    button_ = std::move(button);
    checked_ = checked;
  }

  std::optional<std::string> askText(const TextInputRequest& request) override;
  std::optional<std::vector<uint32_t>> askNumbers(const NumberFieldsRequest& request) override;
  CheckBoxAnswer askWithCheckBox(const CheckBoxQuestion& question) override;

 private:
  std::optional<std::string> text_;
  std::string button_;
  bool checked_ = false;
};

// A bar on stderr while a progress box is open, only when stderr is a terminal.
class TerminalBusyIndicator : public BusyIndicator {
 public:
  explicit TerminalBusyIndicator(std::ostream& err);
  void beginWait() override {}
  void endWait() override {}
  ProgressCallback openProgress(std::string_view title, std::string_view caption) override;
  void closeProgress() override;

 private:
  void draw();

  std::ostream& err_;
  bool terminal_;
  std::string title_;
  int64_t first_ = 0, last_ = 0, position_ = 0;
  int shownPercent_ = -1;
  bool drawn_ = false;
};

}  // namespace sorvella::cli
