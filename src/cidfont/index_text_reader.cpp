#include "cidfont/index_text_reader.h"

#include <charconv>

namespace sorvella {

namespace {

bool isSpace(uint8_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::optional<std::string_view> IndexTextReader::word() {
  while (position_ < bytes_.size() && isSpace(bytes_[position_])) ++position_;
  lastWord_ = position_;
  if (position_ >= bytes_.size()) {
    failed_ = true;
    return std::nullopt;
  }
  std::size_t start = position_;
  while (position_ < bytes_.size() && !isSpace(bytes_[position_])) ++position_;
  return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + start,
                          position_ - start);
}

std::optional<int32_t> IndexTextReader::integer() {
  auto w = word();
  if (!w) return std::nullopt;
  int32_t value = 0;
  const char* begin = w->data();
  const char* end = begin + w->size();
  if (begin != end && *begin == '+') ++begin;
  auto [ptr, ec] = std::from_chars(begin, end, value, 10);
  if (ec != std::errc() || ptr != end) {
    failed_ = true;
    return std::nullopt;
  }
  return value;
}

std::string_view IndexTextReader::restOfLine() {
  std::size_t start = position_;
  std::size_t limit = std::min(bytes_.size(), start + kMaxLine);
  while (position_ < limit && bytes_[position_] != '\n') ++position_;
  std::size_t end = position_;
  if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
  if (end > start && bytes_[end - 1] == '\r') --end;
  return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + start, end - start);
}

std::optional<int64_t> parseCInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(static_cast<uint8_t>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (i < text.size() && text[i] == '0') {
    base = 8;
  }
  uint64_t value = 0;
  const char* begin = text.data() + i;
  auto [ptr, ec] = std::from_chars(begin, text.data() + text.size(), value, base);
  if (ptr == begin || ec != std::errc() || value > 0xFFFFFFFFull) return std::nullopt;
  return negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
}

}  // namespace sorvella
