#include "platform/qt/qt_busy_indicator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <algorithm>
#include <limits>

#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {
constexpr int kScaledSteps = 1'000'000;
}  // namespace

QtBusyIndicator::~QtBusyIndicator() = default;

void QtBusyIndicator::beginWait() {
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtBusyIndicator::endWait() {
  QApplication::restoreOverrideCursor();
}

ProgressCallback QtBusyIndicator::openProgress(std::string_view title, std::string_view caption) {
  dialog_ = std::make_unique<QProgressDialog>(parent_);
  dialog_->setWindowTitle(toQString(title));
  dialog_->setLabelText(toQString(caption));
  dialog_->setWindowModality(parent_ ? Qt::WindowModal : Qt::ApplicationModal);
  // Positions may be reported again after the last one; the box stays until it is closed.
  dialog_->setAutoReset(false);
  dialog_->setAutoClose(false);
  dialog_->setMinimumDuration(0);
  dialog_->setRange(0, 0);  // busy until a range is announced
  first_ = last_ = 0;
  scaling_ = false;
  dialog_->show();
  QCoreApplication::processEvents();
  return [this](int kind, int64_t a, int64_t b) { return answer(kind, a, b); };
}

void QtBusyIndicator::closeProgress() {
  if (!dialog_) return;
  dialog_->hide();
  dialog_.reset();
}

int QtBusyIndicator::scaled(int64_t position) const {
  position = std::clamp(position, std::min(first_, last_), std::max(first_, last_));
  if (!scaling_) return static_cast<int>(position);
  double part = static_cast<double>(position - first_) / static_cast<double>(last_ - first_);
  return static_cast<int>(part * kScaledSteps);
}

int QtBusyIndicator::answer(int kind, int64_t a, int64_t b) {
  if (!dialog_) return 0;
  switch (kind) {
    case kProgressRange: {
      first_ = a;
      last_ = std::max(a, b);
      constexpr int64_t kMin = std::numeric_limits<int>::min();
      constexpr int64_t kMax = std::numeric_limits<int>::max();
      scaling_ = first_ < kMin || last_ > kMax || last_ - first_ > kMax;
      if (scaling_)
        dialog_->setRange(0, kScaledSteps);
      else
        dialog_->setRange(static_cast<int>(first_), static_cast<int>(last_));
      dialog_->setValue(dialog_->minimum());
      break;
    }
    case kProgressPosition:
      dialog_->setValue(scaled(a));
      break;
    default:
      break;
  }
  QCoreApplication::processEvents();
  return kind == kProgressCancelQuery && dialog_ && dialog_->wasCanceled() ? 1 : 0;
}

}  // namespace sorvella
