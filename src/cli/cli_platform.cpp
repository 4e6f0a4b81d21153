#include "cli/cli_platform.h"

#include <unistd.h>

#include <algorithm>
#include <ostream>

namespace sorvella::cli {

namespace fs = std::filesystem;

int BatchPrompts::ask(std::string_view text, std::string_view /*title*/,
                      std::span<const std::string_view> buttons) {
  err_ << text << '\n';
  auto cancel = std::find(buttons.begin(), buttons.end(), std::string_view("Cancel"));
  if (cancel != buttons.end()) return static_cast<int>(cancel - buttons.begin());
  return -1;
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
