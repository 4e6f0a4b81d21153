// The bytes of one TrueType file and bounded views of its parts: every read of the library
// goes through a view that ends at its table (or glyph) and at the end of the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "base/byte_stream.h"

namespace sorvella {

class TTStream {
 public:
  TTStream() = default;
  explicit TTStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)), open_(true) {}

  // False when the file cannot be read (or is a folder).
  bool open(const std::filesystem::path& path);
  bool isOpen() const { return open_; }
  uint64_t size() const { return bytes_.size(); }

  // The bytes [offset, offset + length); none when any of them lies past the end of the file.
  std::optional<std::span<const uint8_t>> view(uint64_t offset, uint64_t length) const;

 private:
  std::vector<uint8_t> bytes_;
  bool open_ = false;
};

// The bytes [offset, offset + length) of a view; none when they do not all lie inside it.
std::optional<std::span<const uint8_t>> subView(std::span<const uint8_t> bytes, uint64_t offset,
                                                uint64_t length);

// A reader from `offset` to the end of `bytes`; one at the end (whose first read overruns)
// when the offset lies past it.
ByteReader readerAt(std::span<const uint8_t> bytes, uint64_t offset);

inline int16_t asSigned(uint16_t v) {
  return static_cast<int16_t>(v);
}
inline int32_t asSigned(uint32_t v) {
  return static_cast<int32_t>(v);
}

}  // namespace sorvella
