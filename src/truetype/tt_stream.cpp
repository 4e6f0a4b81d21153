#include "truetype/tt_stream.h"

#include "base/file_bytes.h"

namespace sorvella {

bool TTStream::open(const std::filesystem::path& path) {
  std::optional<std::vector<uint8_t>> bytes = readWholeFile(path);
  open_ = bytes.has_value();
  bytes_ = open_ ? std::move(*bytes) : std::vector<uint8_t>{};
  return open_;
}

std::optional<std::span<const uint8_t>> TTStream::view(uint64_t offset, uint64_t length) const {
  return subView(bytes_, offset, length);
}

std::optional<std::span<const uint8_t>> subView(std::span<const uint8_t> bytes, uint64_t offset,
                                                uint64_t length) {
  if (offset > bytes.size() || length > bytes.size() - offset) return std::nullopt;
  return bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

ByteReader readerAt(std::span<const uint8_t> bytes, uint64_t offset) {
  return ByteReader(
      bytes.subspan(offset < bytes.size() ? static_cast<std::size_t>(offset) : bytes.size()));
}

}  // namespace sorvella
