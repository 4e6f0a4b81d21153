#include "glyph/master_design.h"

#include <algorithm>

#include "base/text_trim.h"

namespace sorvella {

void FontMaster::setName(std::string_view name) {
  name_ = trimOwnedText(name.substr(0, std::min(name.size(), kMaxNameLength)));
}

void DesignAxes::setNames(std::span<const std::string> names) {
  names_.clear();
  for (const std::string& name : names.first(std::min(names.size(), kMaxAxes)))
    names_.push_back(trimOwnedText(name));
}

}  // namespace sorvella
