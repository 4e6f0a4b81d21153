#include "cli/cli_run.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <fstream>

namespace sorvella::test {

CliResult runCli(const std::string& args, long fileSizeLimit) {
  std::string command = std::string(SORVELLA_CLI_PATH) + " " + args + " 2>&1";
  CliResult result;
  // The child takes the limit with it; this process gets its own back before it writes.
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  if (fileSizeLimit > 0) {
    rlimit limited{static_cast<rlim_t>(fileSizeLimit), old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  FILE* pipe = popen(command.c_str(), "r");
  if (fileSizeLimit > 0) setrlimit(RLIMIT_FSIZE, &old);
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    result.output.append(buffer.data(), n);
  int raw = pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

CliFolder::CliFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("sorvella-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

CliFolder::~CliFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path CliFolder::write(const std::string& name, std::string_view bytes) const {
  std::filesystem::path file = path_ / name;
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

}  // namespace sorvella::test
