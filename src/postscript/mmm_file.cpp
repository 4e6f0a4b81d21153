#include "postscript/mmm_file.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "base/byte_stream.h"
#include "base/text_format.h"
#include "postscript/metrics_summary.h"

namespace sorvella {

namespace {

// The version text "%0.3u.%0.3u"; the compiler wants it without the 0 flag, which a
// precision makes do nothing.
constexpr const char* kVersionFormat = "%.3u.%.3u";

bool sameWordIgnoringCase(const std::string& a, const char* b) {
  const std::string other(b);
  return a.size() == other.size() &&
         std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

void putField(ByteWriter& out, std::string text, std::size_t size) {
  text.resize(size, '\0');
  out.putBytes(text);
}

void putBox(ByteWriter& out, const MetricsBox& b) {
  for (int16_t v : {b.left, b.bottom, b.right, b.top}) out.put16le(static_cast<uint16_t>(v));
}

}  // namespace

std::vector<uint8_t> mmmBytes(const SubsetFont& font) {
  std::vector<MetricsSummary> masters;
  for (int m = 0; m < font.masterCount(); ++m) masters.push_back(summarizeMetrics(font, m));
  const MetricsSummary& first = masters.front();

  uint16_t flags = 0;
  for (const std::string& axis : font.axes().names()) {
    if (sameWordIgnoringCase(axis, "weight")) flags |= 1;
    if (sameWordIgnoringCase(axis, "serif")) flags |= 2;
    if (sameWordIgnoringCase(axis, "italic")) flags |= 4;
  }
  const SubsetFontInfo& info = font.info();
  const std::string version =
      info.version().empty()
          ? std::string("Untitled")
          : formatText(kVersionFormat, unsigned{info.versionMajor}, unsigned{info.versionMinor});
  const std::size_t glyphCount = std::min<std::size_t>(first.characters.size(), 0xFFFF);

  ByteWriter out;
  out.put16le(263);
  out.put16le(3);
  out.put16le(static_cast<uint16_t>(font.masterCount()));
  out.put16le(static_cast<uint16_t>(font.axes().names().size()));
  out.put16le(flags);
  putField(out, first.notice, kMmmNoticeBytes);
  putField(out, version, kMmmVersionBytes);
  out.put16le(static_cast<uint16_t>(glyphCount));
  for (std::size_t i = 0; i < glyphCount; ++i) {
    const MetricsCharacter& c = first.characters[i];
    out.put16le(static_cast<uint16_t>(static_cast<int16_t>(c.code)));
    const std::string name = c.name.substr(0, 255);
    out.put8(static_cast<uint8_t>(name.size()));
    out.putBytes(name);
  }
  for (const MetricsSummary& master : masters) {
    putBox(out, master.fontBox);
    for (std::size_t i = 0; i < glyphCount; ++i) {
      const MetricsCharacter& c = master.characters[i];
      out.put16le(static_cast<uint16_t>(std::clamp(c.advance, -32768, 32767)));
      putBox(out, c.box);
    }
  }
  return out.take();
}

}  // namespace sorvella
