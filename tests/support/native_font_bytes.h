// Native font file pieces put together by hand from the format's rules, so that tests can
// state the bytes they expect without asking the code under test.
#pragma once

#include "support/bytes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvella::test {

std::string le16(uint16_t v);
std::string le32(uint32_t v);
std::string zeros(std::size_t n);

// Tag and length (short below 65536 bytes, else tag | 0x8000 and 32 bits), then the data.
std::string rec(uint16_t tag, std::string_view data = {});
// The long form whatever the length.
std::string longRec(uint16_t tag, std::string_view data = {});

// 0x1A "ZKQ" "1" "0" 3 0, header length 44, 32 zero bytes.
std::string nativeHeader();
// Header and the begin records 1 and 4.
std::string nativeStart();
// Records 5 and 2.
std::string nativeEnd();

// Content of a new font, worked out by hand.
std::string defaultPerMasterBlock();  // 400 bytes
std::string defaultExtraMetrics();    // 76 bytes
std::string emptyInfoGroup();         // group 257 written in full
std::string emptyAxisGroup();         // group 271 with one master

std::string textOf(const std::vector<uint8_t>& bytes);

}  // namespace sorvella::test
