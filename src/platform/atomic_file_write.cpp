#include "platform/atomic_file_write.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "base/text_format.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Opens a new file beside the target; "x" refuses to reuse a name another writer holds.
std::FILE* createTemporary(const fs::path& target, fs::path& temporary) {
  static std::atomic<uint32_t> counter{0};
  for (int attempt = 0; attempt < 16; ++attempt) {
    const auto ticks =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string name = formatText(".%s.%08x.tmp", target.filename().c_str(),
                                        static_cast<unsigned>(ticks ^ counter++));
    temporary = target.parent_path() / name;
    errno = 0;
    if (std::FILE* f = std::fopen(temporary.c_str(), "wbx")) return f;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

bool writeFileAtomically(const fs::path& file, std::string_view bytes) {
  if (file.empty() || !file.has_filename()) return false;
  std::error_code error;
  fs::path target = file;
  if (fs::is_symlink(file, error)) {
    fs::path resolved = fs::weakly_canonical(file, error);
    if (error) return false;
    target = resolved;
  }
  if (target.parent_path().empty()) target = fs::path(".") / target;
  fs::create_directories(target.parent_path(), error);
  if (error) return false;

  fs::path temporary;
  std::unique_ptr<std::FILE, FileCloser> out(createTemporary(target, temporary));
  if (!out) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size() &&
                 std::fflush(out.get()) == 0;
  written = std::fclose(out.release()) == 0 && written;
  if (written) {
    // The replacement keeps the permissions the user gave the old file.
    fs::file_status old = fs::status(target, error);
    if (!error && fs::is_regular_file(old)) {
      fs::permissions(temporary, old.permissions(), error);
    }
    fs::rename(temporary, target, error);
    written = !error;
  }
  if (!written) fs::remove(temporary, error);
  return written;
}

}  // namespace sorvella
