// The clipboard as the program sees it: byte blocks under registered format names.
// Qt implements it for the GUI; MemoryClipboard serves the batch tool and the tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sorvella {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the whole clipboard content with one block in the named format.
  virtual bool setData(const std::string& format, const std::vector<uint8_t>& bytes) = 0;
  virtual bool hasFormat(const std::string& format) const = 0;
  virtual std::optional<std::vector<uint8_t>> data(const std::string& format) const = 0;
};

}  // namespace sorvella
