// A wait cursor and progress boxes that only record what they were asked to show, for tests
// and runs without a display; an optional cancel answer lets tests stop long operations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/busy_indicator.h"

namespace sorvella {

class RecordingBusyIndicator : public BusyIndicator {
 public:
  struct Box {
    std::string title;
    std::string caption;
    std::vector<int64_t> calls;  // kind, a, b for every callback call
  };

  int waits() const { return waits_; }
  int waitDepth() const { return depth_; }
  const std::vector<Box>& boxes() const { return boxes_; }
  bool progressOpen() const { return open_; }
  void cancelAfter(int queries) { cancelAfter_ = queries; }

  void beginWait() override {
    ++waits_;
    ++depth_;
  }
  void endWait() override { --depth_; }
  ProgressCallback openProgress(std::string_view title, std::string_view caption) override {
    boxes_.push_back({std::string(title), std::string(caption), {}});
    open_ = true;
    std::size_t index = boxes_.size() - 1;
    return [this, index](int kind, int64_t a, int64_t b) {
      boxes_[index].calls.insert(boxes_[index].calls.end(), {kind, a, b});
      if (kind == kProgressCancelQuery && cancelAfter_ >= 0 && queries_++ >= cancelAfter_) return 1;
      return 0;
    };
  }
  void closeProgress() override { open_ = false; }

 private:
  int waits_ = 0;
  int depth_ = 0;
  bool open_ = false;
  int cancelAfter_ = -1;
  int queries_ = 0;
  std::vector<Box> boxes_;
};

}  // namespace sorvella
