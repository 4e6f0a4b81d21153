#include "base/path_helpers.h"

namespace sorvella {

std::string_view fileNameOnly(std::string_view path) {
  std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string lowerExtension(const std::filesystem::path& file) {
  std::string ext = file.extension().string();
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext;
}

}  // namespace sorvella
