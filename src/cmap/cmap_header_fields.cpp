#include "cmap/cmap_header_fields.h"

#include <algorithm>
#include <optional>

#include "base/text_trim.h"

namespace sorvella {

std::string xuidText(const CCodeMap& cmap) {
  std::string text;
  const int32_t count = std::min(cmap.xuidCount, CCodeMap::kMaxXuid);
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    text += std::to_string(cmap.xuid[static_cast<std::size_t>(i)]);
  }
  return text;
}

namespace {

bool isXuidSeparator(char c) {
  return c == ' ' || c == ',' || c == ';';
}

// As "%u" reads: blanks, a sign, digits; a value past 32 bits stops at the largest, and a minus
// sign negates modulo 2^32. Nothing when there are no digits.
std::optional<uint32_t> unsignedDecimal(std::string_view piece) {
  std::size_t i = 0;
  while (i < piece.size() && isAsciiSpace(piece[i])) ++i;
  bool negative = false;
  if (i < piece.size() && (piece[i] == '+' || piece[i] == '-')) negative = piece[i++] == '-';
  const std::size_t digits = i;
  uint64_t value = 0;
  for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i)
    value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(piece[i] - '0'), 1ull << 32);
  if (i == digits) return std::nullopt;
  if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
  const auto magnitude = static_cast<uint32_t>(value);
  return negative ? 0u - magnitude : magnitude;
}

}  // namespace

int32_t parseXuidText(std::string_view text, std::array<int32_t, CCodeMap::kMaxXuid>& values) {
  int32_t count = 0;
  std::size_t start = 0;
  while (start <= text.size() && count < CCodeMap::kMaxXuid) {
    std::size_t end = start;
    while (end < text.size() && !isXuidSeparator(text[end])) ++end;
    // Pieces without digits are left out rather than stored as a value nobody typed.
    if (std::optional<uint32_t> value = unsignedDecimal(text.substr(start, end - start)))
      values[static_cast<std::size_t>(count++)] = static_cast<int32_t>(*value);
    start = end + 1;
  }
  return count;
}

CMapHeaderFields headerFields(const CCodeMap& cmap) {
  CMapHeaderFields f;
  f.name = cmap.cmapName;
  f.version = cmap.cmapVersion;
  f.supplement = cmap.supplement;
  f.uidOffset = cmap.uidOffset;
  f.xuid = xuidText(cmap);
  f.registry = cmap.registry;
  f.ordering = cmap.ordering;
  f.vertical = cmap.wMode != 0;
  f.notice = cmap.notice;
  f.basedOn = cmap.baseName;
  f.fromFile = cmap.basePath.string();
  return f;
}

bool isAcceptedCMapVersion(double version) {
  return version >= 0.0 && version <= kMaxCMapVersion;
}

bool storeHeaderFields(const CMapHeaderFields& f, CCodeMap& cmap) {
  if (!isAcceptedCMapVersion(f.version)) return false;
  cmap.cmapName = trimOwnedText(f.name);
  cmap.cmapVersion = f.version;
  cmap.supplement = f.supplement;
  cmap.uidOffset = f.uidOffset;
  cmap.xuid = {};
  cmap.xuidCount = parseXuidText(f.xuid, cmap.xuid);
  cmap.registry = trimOwnedText(f.registry);
  cmap.ordering = trimOwnedText(f.ordering);
  cmap.wMode = f.vertical ? 1 : 0;
  cmap.notice = trimOwnedText(f.notice);
  cmap.baseName = trimOwnedText(f.basedOn);
  cmap.basePath = trimOwnedText(f.fromFile);
  return true;
}

bool baseFromHeader(CCodeMap& cmap, const BaseCMapCandidate& choice, CMapHeaderFields& fields) {
  const bool loaded = baseCMapOn(cmap, choice);
  fields.basedOn = cmap.baseName;
  fields.fromFile = cmap.basePath.string();
  return loaded;
}

void debaseFromHeader(CCodeMap& cmap, CMapHeaderFields& fields) {
  cmap.Debase();
  fields.basedOn.clear();
  fields.fromFile.clear();
}

}  // namespace sorvella
