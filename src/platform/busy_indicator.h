// The wait cursor shown while a command works without a progress box, and the progress box
// of long operations, which hands out the program's progress callback.
#pragma once

#include <string_view>

#include "platform/progress_callback.h"

namespace sorvella {

class BusyIndicator {
 public:
  virtual ~BusyIndicator() = default;
  virtual void beginWait() = 0;
  virtual void endWait() = 0;
  // A progress box with a title and a caption; the callback is valid until closeProgress.
  virtual ProgressCallback openProgress(std::string_view title, std::string_view caption) = 0;
  virtual void closeProgress() = 0;
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  explicit WaitCursor(BusyIndicator& busy) : busy_(busy) { busy_.beginWait(); }
  ~WaitCursor() { busy_.endWait(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  BusyIndicator& busy_;
};

// Keeps a progress box open for the lifetime of the object.
class ProgressBox {
 public:
  ProgressBox(BusyIndicator& busy, std::string_view title, std::string_view caption)
      : busy_(busy), callback_(busy.openProgress(title, caption)) {}
  ~ProgressBox() { busy_.closeProgress(); }
  ProgressBox(const ProgressBox&) = delete;
  ProgressBox& operator=(const ProgressBox&) = delete;

  const ProgressCallback& callback() const { return callback_; }

 private:
  BusyIndicator& busy_;
  ProgressCallback callback_;
};

}  // namespace sorvella
