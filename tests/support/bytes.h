// Test helpers for byte sequences: hex text in, readable hex out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvella::test {

// "01 09 ff" -> {0x01, 0x09, 0xFF}; spaces and line breaks are ignored.
std::vector<uint8_t> fromHex(const std::string& hex);
std::string toHex(const std::vector<uint8_t>& bytes);
// The bytes of a text, as files hold them.
std::vector<uint8_t> bytesOf(std::string_view text);

}  // namespace sorvella::test
