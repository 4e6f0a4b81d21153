#include "postscript/pfm_file.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "base/byte_stream.h"
#include "base/rounding.h"

namespace sorvella {

namespace {

constexpr std::array<int, 24> kWindowsWeights = {100, 100, 200, 300, 400,  400,  400,  400,
                                                 400, 500, 600, 600, 600,  700,  800,  900,
                                                 900, 900, 900, 900, 1000, 1000, 1000, 400};
constexpr std::size_t kCopyrightBytes = 60;
constexpr uint8_t kSymbolCharSet = 2;  // the encoding is the font's own
constexpr uint8_t kVariablePitch = 0x01;
constexpr uint8_t kFamilyRoman = 0x10;
constexpr uint8_t kFamilySwiss = 0x20;
constexpr uint8_t kFamilyModern = 0x30;

uint16_t word(int64_t v) {
  return static_cast<uint16_t>(static_cast<int16_t>(std::clamp<int64_t>(v, -32768, 65535)));
}

// The first 60 bytes of the notice; a notice of 60 or more is cut back to its last space.
std::string copyrightField(const std::string& notice) {
  std::string text = notice.substr(0, kCopyrightBytes);
  if (notice.size() >= kCopyrightBytes) {
    const std::size_t space = text.rfind(' ');
    if (space != std::string::npos) text.resize(space);
  }
  return text;
}

struct CodePair {
  uint8_t first = 0;
  uint8_t second = 0;
  int16_t value = 0;
};

}  // namespace

int windowsWeight(int weightClass) {
  if (weightClass < 0 || weightClass >= static_cast<int>(kWindowsWeights.size())) return 400;
  return kWindowsWeights[static_cast<std::size_t>(weightClass)];
}

std::vector<uint8_t> pfmBytes(const MetricsSummary& s) {
  // Codes that name a glyph of the font, and the glyph each names.
  std::map<std::string, int32_t> recordOfName;
  for (std::size_t i = 0; i < s.characters.size(); ++i) {
    if (s.characters[i].code >= 0)
      recordOfName.emplace(s.encoding[static_cast<std::size_t>(s.characters[i].code)],
                           static_cast<int32_t>(i));
  }
  std::array<int32_t, 256> recordAt{};
  recordAt.fill(-1);
  int first = -1, last = -1;
  for (int code = 0; code < 256; ++code) {
    auto found = recordOfName.find(s.encoding[static_cast<std::size_t>(code)]);
    if (found == recordOfName.end()) continue;
    recordAt[static_cast<std::size_t>(code)] = found->second;
    if (first < 0) first = code;
    last = code;
  }
  if (first < 0) first = last = 0;

  int64_t widthSum = 0, widthCount = 0, maxWidth = 0;
  for (int code = first; code <= last; ++code) {
    const int32_t r = recordAt[static_cast<std::size_t>(code)];
    if (r < 0) continue;
    widthSum += s.characters[static_cast<std::size_t>(r)].advance;
    ++widthCount;
  }
  for (const MetricsCharacter& c : s.characters) maxWidth = std::max<int64_t>(maxWidth, c.advance);

  std::vector<CodePair> pairs;
  for (const MetricsCharacter& c : s.characters) {
    if (c.code < 0) continue;
    for (const MetricsKernPair& pair : c.kerning) {
      const int32_t right = s.characters[static_cast<std::size_t>(pair.right)].code;
      if (right < 0) continue;
      pairs.push_back({static_cast<uint8_t>(c.code), static_cast<uint8_t>(right),
                       static_cast<int16_t>(std::clamp(pair.value, -32768, 32767))});
    }
  }
  // Sorted on the pair as the 16-bit word it is stored as (first in the low byte).
  std::stable_sort(pairs.begin(), pairs.end(), [](const CodePair& a, const CodePair& b) {
    return (a.second << 8 | a.first) < (b.second << 8 | b.first);
  });
  if (pairs.size() > 0xFFFF) pairs.resize(0xFFFF);

  const std::string device = "PostScript";
  const std::string& face = !s.menuName.empty()     ? s.menuName
                            : !s.fontName.empty()   ? s.fontName
                            : !s.familyName.empty() ? s.familyName
                                                    : std::string("Untitled");
  const std::size_t widthCountTotal = static_cast<std::size_t>(last - first + 1);
  const std::size_t extentOffset = pfm_offset::kExtTextMetricsEnd;
  const std::size_t kernOffset = extentOffset + 2 * widthCountTotal;
  const std::size_t kernBytes = pairs.empty() ? 0 : 2 + 4 * pairs.size();
  const std::size_t deviceOffset = kernOffset + kernBytes;
  const std::size_t faceOffset = deviceOffset + device.size() + 1;
  const std::size_t driverOffset = faceOffset + face.size() + 1;
  const std::size_t total = driverOffset + s.fontName.size() + 1;

  const bool serif = s.panose[2] >= 2 && s.panose[2] <= 10;
  uint8_t pitchAndFamily = s.isFixedPitch ? kFamilyModern : (serif ? kFamilyRoman : kFamilySwiss);
  if (!s.isFixedPitch) pitchAndFamily |= kVariablePitch;
  auto inRange = [&](int code) { return code >= first && code <= last ? code - first : 0; };

  ByteWriter out;
  out.put16le(256);
  out.put32le(static_cast<uint32_t>(total));
  std::string copyright = copyrightField(s.notice);
  copyright.resize(kCopyrightBytes, '\0');
  out.putBytes(copyright);
  out.put16le(129);  // type
  out.put16le(10);   // points
  out.put16le(300);  // vertical resolution
  out.put16le(300);  // horizontal resolution
  out.put16le(word(s.ascender));
  out.put16le(word(std::max<int64_t>(0, int64_t{s.fontBox.top} - s.fontBox.bottom - 1000)));
  out.put16le(0);  // external leading
  out.put8(s.italicAngle != 0 ? 1 : 0);
  out.put8(0);  // underline
  out.put8(0);  // strike-out
  out.put16le(static_cast<uint16_t>(windowsWeight(s.weightClass)));
  out.put8(kSymbolCharSet);
  out.put16le(0);  // pixel width: variable
  out.put16le(0);  // pixel height
  out.put8(pitchAndFamily);
  out.put16le(word(widthCount > 0 ? (widthSum + widthCount / 2) / widthCount : 0));
  out.put16le(word(maxWidth));
  out.put8(static_cast<uint8_t>(first));
  out.put8(static_cast<uint8_t>(last));
  out.put8(static_cast<uint8_t>(inRange(32)));  // default character: the space
  out.put8(static_cast<uint8_t>(inRange(32)));  // break character: the space
  out.put16le(0);                               // width bytes
  out.put32le(static_cast<uint32_t>(deviceOffset));
  out.put32le(static_cast<uint32_t>(faceOffset));
  out.put32le(0);  // bits pointer
  out.put32le(0);  // bits offset

  out.put16le(30);  // size of the extension
  out.put32le(pfm_offset::kExtTextMetrics);
  out.put32le(static_cast<uint32_t>(extentOffset));
  out.put32le(0);  // origin table
  out.put32le(pairs.empty() ? 0 : static_cast<uint32_t>(kernOffset));
  out.put32le(0);  // track kerning table
  out.put32le(static_cast<uint32_t>(driverOffset));
  out.put32le(0);  // reserved

  const int64_t extTextMetrics[26] = {52,
                                      240,
                                      0,
                                      1000,
                                      3,
                                      1000,
                                      1000,
                                      s.capHeight,
                                      s.xHeight,
                                      s.capHeight,
                                      0,
                                      roundToInt32(-10.0 * s.italicAngle),
                                      700,
                                      -100,
                                      100,
                                      100,
                                      -int64_t{s.underlinePosition},
                                      s.underlineThickness,
                                      50,
                                      100,
                                      25,
                                      25,
                                      (int64_t{s.xHeight} - s.underlineThickness) / 2,
                                      s.underlineThickness,
                                      static_cast<int64_t>(pairs.size()),
                                      0};
  for (int64_t v : extTextMetrics) out.put16le(word(v));

  for (int code = first; code <= last; ++code) {
    const int32_t r = recordAt[static_cast<std::size_t>(code)];
    out.put16le(r < 0 ? 0 : word(s.characters[static_cast<std::size_t>(r)].advance));
  }
  if (!pairs.empty()) {
    out.put16le(static_cast<uint16_t>(pairs.size()));
    for (const CodePair& p : pairs) {
      out.put8(p.first);
      out.put8(p.second);
      out.put16le(static_cast<uint16_t>(p.value));
    }
  }
  out.putBytes(device);
  out.put8(0);
  out.putBytes(face);
  out.put8(0);
  out.putBytes(s.fontName);
  out.put8(0);
  return out.take();
}

}  // namespace sorvella
