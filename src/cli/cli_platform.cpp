#include "cli/cli_platform.h"

#include <unistd.h>

#include <algorithm>
#include <ostream>

namespace sorvella::cli {

namespace fs = std::filesystem;

int AnsweringPrompts::ask(std::string_view text, std::string_view /*title*/,
                          std::span<const std::string_view> buttons) {
  err_ << text << '\n';
  for (const std::string& caption : preferred_) {
    auto it = std::find(buttons.begin(), buttons.end(), caption);
    if (it != buttons.end()) return static_cast<int>(it - buttons.begin());
  }
  auto cancel = std::find(buttons.begin(), buttons.end(), std::string_view("Cancel"));
  if (cancel != buttons.end()) return static_cast<int>(cancel - buttons.begin());
  return buttons.empty() ? -1 : 0;
}

std::optional<fs::path> AnsweringFileDialogs::choose(const FileDialogRequest&) {
  if (paths_.empty()) return std::nullopt;
  fs::path path = std::move(paths_.front());
  paths_.pop_front();
  return path;
}

std::vector<fs::path> AnsweringFileDialogs::chooseFiles(const FileDialogRequest&) {
  std::vector<fs::path> all(paths_.begin(), paths_.end());
  paths_.clear();
  return all;
}

void AnsweringFolderDialog::answer(const fs::path& folder) {
  fs::path absolute = fs::absolute(folder).lexically_normal();
  if (!absolute.has_filename()) absolute = absolute.parent_path();
  choice_ = FontFolderChoice{absolute.parent_path(), absolute.filename().string(), false};
}

std::optional<FontFolderChoice> AnsweringFolderDialog::choose(const FontFolderRequest&) {
  std::optional<FontFolderChoice> choice = std::move(choice_);
  choice_.reset();
  return choice;
}

std::optional<std::string> AnsweringInputDialogs::askText(const TextInputRequest&) {
  return text_;
}

std::optional<std::vector<uint32_t>> AnsweringInputDialogs::askNumbers(const NumberFieldsRequest&) {
  return std::nullopt;
}

CheckBoxAnswer AnsweringInputDialogs::askWithCheckBox(const CheckBoxQuestion& question) {
  CheckBoxAnswer answer;
  auto it = std::find(question.buttons.begin(), question.buttons.end(), button_);
  if (it == question.buttons.end()) return answer;
  answer.button = static_cast<int>(it - question.buttons.begin());
  answer.checked = checked_;
  return answer;
}

TerminalBusyIndicator::TerminalBusyIndicator(std::ostream& err)
    : err_(err), terminal_(::isatty(STDERR_FILENO) == 1) {}

ProgressCallback TerminalBusyIndicator::openProgress(std::string_view title, std::string_view) {
  title_ = std::string(title);
  first_ = last_ = position_ = 0;
  shownPercent_ = -1;
  return [this](int kind, int64_t a, int64_t b) {
    if (kind == kProgressRange) {
      first_ = a;
      last_ = b;
    } else if (kind == kProgressPosition) {
      position_ = a;
    }
    if (terminal_ && kind != kProgressCancelQuery) draw();
    return 0;
  };
}

void TerminalBusyIndicator::draw() {
  constexpr int kWidth = 40;
  int64_t span = std::max<int64_t>(last_ - first_, 1);
  int percent = static_cast<int>(std::clamp<int64_t>((position_ - first_) * 100 / span, 0, 100));
  if (percent == shownPercent_) return;
  shownPercent_ = percent;
  int filled = percent * kWidth / 100;
  err_ << '\r' << title_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << percent << '%'
       << std::flush;
  drawn_ = true;
}

void TerminalBusyIndicator::closeProgress() {
  if (drawn_) err_ << '\n';
  drawn_ = false;
}

}  // namespace sorvella::cli
