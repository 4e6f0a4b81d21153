// Runs the built sorvella-cli as a user would, in a temporary folder of the test's own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvella::test {

struct CliResult {
  int status = -1;
  std::string output;  // stdout and stderr together
};

// `fileSizeLimit`, when above 0, is the largest file the run may write (RLIMIT_FSIZE), so that
// writes fail part-way as on a full disk.
CliResult runCli(const std::string& args, long fileSizeLimit = 0);
// The same in a child process held to 512 MB of memory and 10 s of processor time; a tool
// that goes past them dies or fails with another message than the one it owes.
CliResult runCliBounded(const std::string& args);

// A path as one shell word.
inline std::string quoted(const std::filesystem::path& p) {
  return "'" + p.string() + "'";
}

class CliFolder {
 public:
  CliFolder();
  ~CliFolder();
  CliFolder(const CliFolder&) = delete;
  CliFolder& operator=(const CliFolder&) = delete;

  std::filesystem::path write(const std::string& name, std::string_view bytes) const;
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace sorvella::test
