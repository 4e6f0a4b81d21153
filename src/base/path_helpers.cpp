#include "base/path_helpers.h"

namespace sorvella {

std::string_view fileNameOnly(std::string_view path) {
  std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace sorvella
