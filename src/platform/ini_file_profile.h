// The settings file: a Profile kept in an INI file on disk, shared by the editor and the
// batch tool.
#pragma once

#include <filesystem>

#include "platform/ini_document.h"
#include "platform/profile.h"

namespace sorvella {

// The file is read once, when the object is made, and lookups are served from memory: the
// program reads dozens of keys at start and when windows open, and it is the only writer of
// its settings file, so changes made on disk by others afterwards are not picked up (and are
// overwritten by the next write). Each write replaces the whole file atomically, creating it
// and its folder when missing; memory changes only when the file was written.
class IniFileProfile : public Profile {
 public:
  explicit IniFileProfile(std::filesystem::path file);

  const std::filesystem::path& file() const { return file_; }
  // False when the file exists but could not be read. Lookups then find nothing and writes
  // fail, so that a file the program cannot read is never replaced by one holding only the
  // keys written since.
  bool readable() const { return readable_; }

  std::optional<std::string> lookup(std::string_view section, std::string_view key) const override;
  bool write(std::string_view section, std::span<const ProfileEntry> entries) override;

 private:
  std::filesystem::path file_;
  IniDocument document_;
  bool readable_ = true;
};

}  // namespace sorvella
