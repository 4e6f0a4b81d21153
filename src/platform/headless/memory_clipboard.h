// An in-process clipboard for the batch tool and the tests.
#pragma once

#include <map>

#include "platform/clipboard.h"

namespace sorvella {

class MemoryClipboard : public Clipboard {
 public:
  bool setData(const std::string& format, const std::vector<uint8_t>& bytes) override {
    blocks_.clear();
    blocks_[format] = bytes;
    return true;
  }
  bool hasFormat(const std::string& format) const override { return blocks_.count(format) != 0; }
  std::optional<std::vector<uint8_t>> data(const std::string& format) const override {
    auto it = blocks_.find(format);
    if (it == blocks_.end()) return std::nullopt;
    return it->second;
  }

 private:
  std::map<std::string, std::vector<uint8_t>> blocks_;
};

}  // namespace sorvella
