// The most recently used files, most recent first, as the File menu lists them; kept in
// section "Recent File List" under "File1" to "File4".
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "platform/profile.h"

namespace sorvella {

inline constexpr char kRecentFileSection[] = "Recent File List";
inline constexpr char kRecentFileKeyFormat[] = "File%d";

class RecentFileList {
 public:
  static constexpr std::size_t kCapacity = 4;

  // Replaces the list with the stored one; empty entries and repeats are skipped.
  void load(const Profile& profile);
  // Writes all four keys, empty ones for the places the list does not fill, so that no
  // entry of an older, longer list survives.
  bool save(Profile& profile) const;

  // Puts the file first; an entry naming the same file moves rather than repeats, and the
  // entry pushed past the capacity is dropped.
  void add(const std::filesystem::path& file);

  const std::vector<std::filesystem::path>& files() const { return files_; }

 private:
  std::vector<std::filesystem::path> files_;
};

}  // namespace sorvella
