#include "support/type1_bytes.h"

namespace sorvella::test {

std::vector<uint8_t> joined(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<uint8_t> encryptType1(std::span<const uint8_t> plain, uint16_t key) {
  std::vector<uint8_t> cipher;
  uint32_t r = key;
  for (uint8_t p : plain) {
    const uint8_t c = static_cast<uint8_t>(p ^ (r >> 8));
    r = ((c + r) * 52845u + 22719u) & 0xFFFFu;
    cipher.push_back(c);
  }
  return cipher;
}

std::vector<uint8_t> pfbSegment(uint8_t type, std::span<const uint8_t> bytes) {
  const auto n = static_cast<uint32_t>(bytes.size());
  std::vector<uint8_t> segment = {0x80,
                                  type,
                                  static_cast<uint8_t>(n),
                                  static_cast<uint8_t>(n >> 8),
                                  static_cast<uint8_t>(n >> 16),
                                  static_cast<uint8_t>(n >> 24)};
  segment.insert(segment.end(), bytes.begin(), bytes.end());
  return segment;
}

std::vector<uint8_t> pfbSegment(uint8_t type, std::string_view bytes) {
  return pfbSegment(type, bytesOf(bytes));
}

std::vector<uint8_t> pfbEnd() {
  return {0x80, 0x03};
}

std::string hexLines(std::span<const uint8_t> bytes, std::size_t digitsPerLine) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  std::size_t digits = 0;
  for (uint8_t b : bytes) {
    for (char digit : {kDigits[b >> 4], kDigits[b & 15]}) {
      text.push_back(digit);
      if (++digits % digitsPerLine == 0) text.push_back('\n');
    }
  }
  return text;
}

}  // namespace sorvella::test
