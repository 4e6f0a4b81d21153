#include "platform/ini_file_profile.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "platform/atomic_file_write.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

enum class ReadResult { kRead, kMissing, kFailed };

ReadResult readWholeFile(const fs::path& file, std::string& bytes) {
  std::error_code error;
  fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) return ReadResult::kMissing;
  if (error || !fs::is_regular_file(status)) return ReadResult::kFailed;
  std::ifstream in(file, std::ios::binary);
  if (!in) return ReadResult::kFailed;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return in.bad() ? ReadResult::kFailed : ReadResult::kRead;
}

}  // namespace

IniFileProfile::IniFileProfile(fs::path file) : file_(std::move(file)) {
  if (file_.empty()) return;
  std::string bytes;
  switch (readWholeFile(file_, bytes)) {
    case ReadResult::kRead:
      document_ = IniDocument::parse(bytes);
      break;
    case ReadResult::kMissing:
      break;
    case ReadResult::kFailed:
      readable_ = false;
      break;
  }
}

std::optional<std::string> IniFileProfile::lookup(std::string_view section,
                                                  std::string_view key) const {
  return document_.find(section, key);
}

bool IniFileProfile::write(std::string_view section, std::span<const ProfileEntry> entries) {
  if (file_.empty() || !readable_) return false;
  IniDocument changed = document_;
  if (!changed.set(section, entries)) return false;
  if (!writeFileAtomically(file_, changed.text())) return false;
  document_ = std::move(changed);
  return true;
}

}  // namespace sorvella
