// The system clipboard through Qt: each registered format name is a MIME type of its own.
#pragma once

#include "platform/clipboard.h"

namespace sorvella {

class QtClipboard : public Clipboard {
 public:
  bool setData(const std::string& format, const std::vector<uint8_t>& bytes) override;
  bool hasFormat(const std::string& format) const override;
  std::optional<std::vector<uint8_t>> data(const std::string& format) const override;
};

}  // namespace sorvella
