#include "glyph/placeholder_name.h"

#include "base/text_format.h"

namespace sorvella {

std::string placeholderName(int code) {
  return formatText(kPlaceholderNameFormat, code);
}

bool isPlaceholderName(int code, std::string_view name) {
  return name == placeholderName(code);
}

}  // namespace sorvella
