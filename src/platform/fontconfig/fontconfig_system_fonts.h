// The system's fonts as fontconfig matches them: its best regular TrueType face for a family
// name, aliases (Arial to Liberation Sans) included.
#pragma once

#include "platform/system_fonts.h"

namespace sorvella {

class FontconfigSystemFonts : public SystemFonts {
 public:
  std::optional<std::filesystem::path> trueTypeFont(const std::string& family) const override;
};

}  // namespace sorvella
