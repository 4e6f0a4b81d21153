#include "cli/cli_run.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <fstream>

namespace sorvella::test {

namespace {

// `fileSizeLimit`: see runCli.
CliResult runShell(const std::string& command, long fileSizeLimit = 0) {
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

}  // namespace

CliResult runCli(const std::string& args, long fileSizeLimit) {
  return runShell(std::string(SORVELLA_CLI_PATH) + " " + args + " 2>&1", fileSizeLimit);
}

CliResult runCliBounded(const std::string& args) {
  // The shell's ulimit sets the limits (setrlimit) for the tool it runs. A sanitized tool
  // cannot start under an address-space limit, its shadow memory alone exceeding it, so there
  // the sanitizer's allocator holds it to the same size.
  std::string limits =
      SORVELLA_CLI_SANITIZED
          ? "ulimit -t 10; export ASAN_OPTIONS=\"$ASAN_OPTIONS:allocator_may_return_null=1:"
            "max_allocation_size_mb=512:hard_rss_limit_mb=512\"; "
          : "ulimit -t 10; ulimit -v 524288; ";
  return runShell(limits + "exec " + SORVELLA_CLI_PATH + " " + args + " 2>&1");
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
