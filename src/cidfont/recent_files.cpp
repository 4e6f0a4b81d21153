#include "cidfont/recent_files.h"

#include <algorithm>
#include <string>

#include "base/text_format.h"

namespace sorvella {
namespace {

std::string fileKey(std::size_t index) {
  return formatText(kRecentFileKeyFormat, static_cast<int>(index + 1));
}

}  // namespace

void RecentFileList::load(const Profile& profile) {
  files_.clear();
  for (std::size_t i = 0; i < kCapacity; ++i) {
    std::filesystem::path file(profile.getString(kRecentFileSection, fileKey(i)));
    if (file.empty() || std::find(files_.begin(), files_.end(), file) != files_.end()) continue;
    files_.push_back(std::move(file));
  }
}

bool RecentFileList::save(Profile& profile) const {
  std::vector<ProfileEntry> entries;
  for (std::size_t i = 0; i < kCapacity; ++i) {
    entries.push_back({fileKey(i), i < files_.size() ? files_[i].string() : std::string()});
  }
  return profile.write(kRecentFileSection, entries);
}

void RecentFileList::add(const std::filesystem::path& file) {
  if (file.empty()) return;
  auto existing = std::find(files_.begin(), files_.end(), file);
  if (existing != files_.end()) files_.erase(existing);
  files_.insert(files_.begin(), file);
  if (files_.size() > kCapacity) files_.resize(kCapacity);
}

}  // namespace sorvella
