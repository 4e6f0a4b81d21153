// The platform of the batch tool: messages on stderr, no dialogs, and progress drawn as a bar
// when stderr is a terminal.
#pragma once

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

// Messages are printed; nothing is answered on the user's behalf: the batch tool calls the
// operations with their arguments, so a question that still comes up is declined.
class BatchPrompts : public Prompts {
 public:
  explicit BatchPrompts(std::ostream& err) : err_(err) {}

  using Prompts::ask;
  int ask(std::string_view text, std::string_view title,
          std::span<const std::string_view> buttons) override;

 private:
  std::ostream& err_;
};

// File, folder and input dialogs that the batch tool never shows: each is cancelled.
class NoDialogs : public FileDialogs, public FontFolderDialog, public InputDialogs {
 public:
  std::optional<std::filesystem::path> choose(const FileDialogRequest&) override { return {}; }
  std::vector<std::filesystem::path> chooseFiles(const FileDialogRequest&) override { return {}; }
  std::optional<FontFolderChoice> choose(const FontFolderRequest&) override { return {}; }
  std::optional<std::string> askText(const TextInputRequest&) override { return {}; }
  std::optional<std::vector<uint32_t>> askNumbers(const NumberFieldsRequest&) override {
    return {};
  }
  CheckBoxAnswer askWithCheckBox(const CheckBoxQuestion&) override { return {}; }
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
