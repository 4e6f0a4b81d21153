// The system's fonts as a test fixes them: one file (or none) for every family, and the
// families asked for.
#pragma once

#include <vector>

#include "platform/system_fonts.h"

namespace sorvella::test {

inline constexpr const char* kLiberationSans =
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

class FixedSystemFonts : public SystemFonts {
 public:
  explicit FixedSystemFonts(std::optional<std::filesystem::path> file) : file_(std::move(file)) {}
  std::optional<std::filesystem::path> trueTypeFont(const std::string& family) const override {
    asked_.push_back(family);
    return file_;
  }
  const std::vector<std::string>& asked() const { return asked_; }

 private:
  std::optional<std::filesystem::path> file_;
  mutable std::vector<std::string> asked_;
};

}  // namespace sorvella::test
