// Settings storage in the manner of the Windows INI profile functions: values under named
// sections and keys, both looked up without regard to ASCII case.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sorvella {

struct ProfileEntry {
  std::string key;
  std::string value;
};

class Profile {
 public:
  virtual ~Profile() = default;

  // The text after the equals sign of the key's line, as stored, or nothing when the section
  // or the key is missing. When a name occurs twice, the first occurrence counts.
  virtual std::optional<std::string> lookup(std::string_view section,
                                            std::string_view key) const = 0;

  // Stores every entry in the section as one change: all of them or, on failure, none.
  // A missing section is appended at the end, a missing key at the end of its section, an
  // existing key's line is replaced where it stands. Fails for names or values that cannot
  // be stored on one line.
  virtual bool write(std::string_view section, std::span<const ProfileEntry> entries) = 0;

  // The value with surrounding blanks removed and, when it is enclosed in a matching pair of
  // double quotes, without them; the fallback when the key is missing.
  std::string getString(std::string_view section, std::string_view key,
                        std::string_view fallback = {}) const;

  // The value's leading decimal integer (blanks, an optional sign, digits; 0 when there are no
  // digits); the fallback when the key is missing or the number does not fit an int.
  int getInt(std::string_view section, std::string_view key, int fallback) const;

  bool writeString(std::string_view section, std::string_view key, std::string_view value);
};

}  // namespace sorvella
