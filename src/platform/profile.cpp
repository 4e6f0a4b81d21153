#include "platform/profile.h"

#include <climits>
#include <cstdint>

#include "base/text_trim.h"

namespace sorvella {
namespace {

// Surrounding blanks go; so do double quotes around the whole value.
std::string_view cleanValue(std::string_view raw) {
  std::string_view value = trimAsciiSpace(raw);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

// Leading blanks, an optional sign and decimal digits; whatever follows is ignored. A number
// that does not fit an int is corrupt rather than meant, so it yields the fallback.
int parseLeadingInt(std::string_view text, int fallback) {
  std::size_t i = 0;
  while (i < text.size() && isAsciiSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) return fallback;
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace

std::string Profile::getString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  std::optional<std::string> raw = lookup(section, key);
  if (!raw) return std::string(fallback);
  return std::string(cleanValue(*raw));
}

int Profile::getInt(std::string_view section, std::string_view key, int fallback) const {
  std::optional<std::string> raw = lookup(section, key);
  if (!raw) return fallback;
  return parseLeadingInt(cleanValue(*raw), fallback);
}

bool Profile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  const ProfileEntry entry{std::string(key), std::string(value)};
  return write(section, std::span<const ProfileEntry>(&entry, 1));
}

}  // namespace sorvella
