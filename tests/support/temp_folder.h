// A fresh folder under the system's temporary folder for one test, removed with its content
// afterwards; the only place tests write to.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvella::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Whole files as bytes; "" for a file that cannot be read.
std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace sorvella::test
