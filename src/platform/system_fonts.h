// The fonts installed on the system, found by family name, for what the program draws with a
// system font (the digits of index fonts).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace sorvella {

class SystemFonts {
 public:
  virtual ~SystemFonts() = default;
  // The file of the regular TrueType face the system offers for `family`, which may be a
  // substitute of the same metrics; none when it offers none.
  virtual std::optional<std::filesystem::path> trueTypeFont(const std::string& family) const = 0;
};

}  // namespace sorvella
