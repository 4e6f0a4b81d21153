#include "support/native_font_bytes.h"

namespace sorvella::test {

std::string le16(uint16_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

std::string le32(uint32_t v) {
  return le16(static_cast<uint16_t>(v & 0xFFFF)) + le16(static_cast<uint16_t>(v >> 16));
}

std::string zeros(std::size_t n) {
  return std::string(n, '\0');
}

std::string rec(uint16_t tag, std::string_view data) {
  if (data.size() >= 65536) return longRec(tag, data);
  return le16(tag) + le16(static_cast<uint16_t>(data.size())) + std::string(data);
}

std::string longRec(uint16_t tag, std::string_view data) {
  return le16(static_cast<uint16_t>(tag | 0x8000)) + le32(static_cast<uint32_t>(data.size())) +
         std::string(data);
}

std::string nativeHeader() {
  return std::string(
             "\x1A"
             "ZKQ"
             "10"
             "\x03",
             7) +
         zeros(1) + le32(44) + zeros(32);
}

std::string nativeStart() {
  return nativeHeader() + rec(1) + rec(4);
}

std::string nativeEnd() {
  return rec(5) + rec(2);
}

std::string defaultPerMasterBlock() {
  const std::string thousandth("\xFC\xA9\xF1\xD2\x4D\x62\x50\x3F", 8);  // 0.001
  const std::string blueScale("\x7D\x3F\x35\x5E\xBA\x49\xA4\x3F", 8);   // 0.039625
  std::string b = thousandth + zeros(16) + thousandth + zeros(16);      // FontMatrix
  b += zeros(4);                                                        // ForceBold at 48
  b += zeros(4 * (14 + 10 + 14 + 10));                                  // the blue zones, 52 to 243
  b += blueScale;                                                       // 244
  b += le32(7) + le32(1) + le32(0) + le32(0);  // BlueShift, BlueFuzz, StdHW, StdVW
  b += zeros(4 * 24);                          // StemSnapH, StemSnapV at 268 and 316
  b += zeros(36);                              // 364
  return b;
}

std::string defaultExtraMetrics() {
  std::string b;
  for (int marker = 51; marker <= 75; ++marker) b += {static_cast<char>(marker), '\x8B'};
  b += '\x4C' + zeros(10);
  for (int marker = 77; marker <= 82; ++marker) b += {static_cast<char>(marker), '\x8B'};
  b += "\x53\x8B\x32";
  return b;
}

std::string emptyInfoGroup() {
  const std::string one("\0\0\0\0\0\0\xF0\x3F", 8);  // 1.0
  std::string g = rec(257) + rec(1026) + rec(1503, le16(1)) + rec(1517, one) + rec(1044, zeros(4));
  for (uint16_t t : {1046, 1038, 1025, 1027, 1056, 1028, 1037, 1039}) g += rec(t);
  g += rec(1034, zeros(2)) + rec(1029, zeros(8)) + rec(1030, zeros(2)) + rec(1031, zeros(2)) +
       rec(1054, zeros(2)) + rec(1118, zeros(20)) + rec(1128) + rec(1129) + rec(1127) +
       rec(1121, zeros(4)) + rec(1133, zeros(80));
  for (uint16_t t : {1134, 1132, 1130, 1131, 1135}) g += rec(t, zeros(2));
  for (uint16_t t = 1530; t <= 1535; ++t) g += rec(t, zeros(2));
  return g + rec(1264, defaultExtraMetrics()) + rec(513);
}

std::string emptyAxisGroup() {
  return rec(271) + rec(1513, zeros(2)) + rec(1515, zeros(16)) + rec(1516, zeros(640)) + rec(1504) +
         rec(1505, zeros(36)) + rec(1247) + rec(1536, defaultPerMasterBlock()) + rec(527);
}

std::string textOf(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

}  // namespace sorvella::test
