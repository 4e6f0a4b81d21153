// Type 1 font bytes made by hand for tests: the published eexec cipher in the encrypting
// direction, PFB segment headers, and encrypted bytes written as hexadecimal text.
#pragma once

#include "support/bytes.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorvella::test {

std::vector<uint8_t> joined(std::initializer_list<std::vector<uint8_t>> parts);

// c = p ^ (r >> 8); r = ((c + r) * 52845 + 22719) mod 65536, from the published format.
std::vector<uint8_t> encryptType1(std::span<const uint8_t> plain, uint16_t key);

// 0x80, the type, the length as 32-bit little-endian, the bytes.
std::vector<uint8_t> pfbSegment(uint8_t type, std::span<const uint8_t> bytes);
std::vector<uint8_t> pfbSegment(uint8_t type, std::string_view bytes);
// 0x80 0x03
std::vector<uint8_t> pfbEnd();

// Upper-case digit pairs, a line break after every `digitsPerLine` digits.
std::string hexLines(std::span<const uint8_t> bytes, std::size_t digitsPerLine);

}  // namespace sorvella::test
