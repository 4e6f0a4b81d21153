// The wait cursor as the application's override cursor, and the progress box of long
// operations as a window-modal QProgressDialog whose callback keeps the GUI live: every call
// dispatches pending events, and the cancel query answers non-zero once Cancel was pressed.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "platform/busy_indicator.h"

namespace sorvella {

class QtBusyIndicator : public BusyIndicator {
 public:
  explicit QtBusyIndicator(QWidget* parent = nullptr) : parent_(parent) {}
  ~QtBusyIndicator() override;

  // Nested waits stack; each endWait takes one away.
  void beginWait() override;
  void endWait() override;
  ProgressCallback openProgress(std::string_view title, std::string_view caption) override;
  void closeProgress() override;

  // The open progress box, or null.
  QProgressDialog* progressDialog() const { return dialog_.get(); }

 private:
  int answer(int kind, int64_t a, int64_t b);
  int scaled(int64_t position) const;

  QPointer<QWidget> parent_;
  std::unique_ptr<QProgressDialog> dialog_;
  int64_t first_ = 0;
  int64_t last_ = 0;
  bool scaling_ = false;  // the range does not fit an int: positions are shown in parts of it
};

}  // namespace sorvella
