// Settings kept in memory only, for the batch tool (which must not change the user's settings
// file) and for tests.
#pragma once

#include "platform/ini_document.h"
#include "platform/profile.h"

namespace sorvella {

class MemoryProfile : public Profile {
 public:
  std::optional<std::string> lookup(std::string_view section, std::string_view key) const override {
    return document_.find(section, key);
  }
  bool write(std::string_view section, std::span<const ProfileEntry> entries) override {
    return document_.set(section, entries);
  }

 private:
  IniDocument document_;
};

}  // namespace sorvella
