#include "base/file_bytes.h"

#include <fstream>

namespace sorvella {

std::optional<std::vector<uint8_t>> readWholeFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes;
  auto size = std::filesystem::file_size(path, ec);
  if (!ec) bytes.reserve(static_cast<std::size_t>(size));
  char buffer[65536];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0)
    bytes.insert(bytes.end(), buffer, buffer + file.gcount());
  if (file.bad()) return std::nullopt;
  return bytes;
}

}  // namespace sorvella
