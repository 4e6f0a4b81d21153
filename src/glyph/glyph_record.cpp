// Glyph record: four leading bytes, tagged items (name, outline, advance, hints, guides,
// components, kerning, TrueType data) and the end tag.
#include "glyph/glyph_record.h"

#include <array>
#include <bit>

#include "glyph/packed_integer.h"

namespace sorvella {

namespace {

constexpr std::array<uint8_t, 4> kLead = {0x01, 0x09, 0x07, 0x01};

template <typename T>
T valueAt(const std::vector<T>& values, int m) {
  return static_cast<std::size_t>(m) < values.size() ? values[static_cast<std::size_t>(m)] : T{};
}

int16_t to16(int32_t v) { return static_cast<int16_t>(static_cast<uint16_t>(v)); }
int16_t addWrapped(int16_t base, int32_t delta) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(base) +
                                                    static_cast<uint32_t>(delta)));
}
int32_t size32(std::size_t n) { return static_cast<int32_t>(n); }

void writeHintList(ByteWriter& out, const std::vector<Hint>& hints, int masters) {
  writePacked(out, size32(hints.size()));
  for (const Hint& hint : hints) {
    for (int m = 0; m < masters; ++m) {
      Stem s = valueAt(hint.masters, m);
      writePacked(out, s.position);
      writePacked(out, s.width);
    }
  }
}

void writeGuideList(ByteWriter& out, const std::vector<Guide>& guides, int masters) {
  writePacked(out, size32(guides.size()));
  for (const Guide& guide : guides) {
    for (int m = 0; m < masters; ++m) {
      GuideValue g = valueAt(guide.masters, m);
      writePacked(out, g.position);
      writePacked(out, g.slope);
    }
  }
}

void writeTrueType(ByteWriter& out, const TrueTypeGlyphData& tt) {
  for (uint16_t h : tt.header) writePacked(out, h);
  writePacked(out, tt.headerByte);
  writePacked(out, tt.bounds.xMin);
  writePacked(out, tt.bounds.yMin);
  writePacked(out, tt.bounds.xMax);
  writePacked(out, tt.bounds.yMax);
  writePacked(out, size32(tt.endPoints.size()));
  for (uint16_t e : tt.endPoints) writePacked(out, e);
  writePacked(out, size32(tt.points.size()));
  Point previous;
  for (const TrueTypePoint& p : tt.points) {
    writePacked(out, p.x - previous.x);
    writePacked(out, p.y - previous.y);
    out.put8(p.flag);
    previous = {p.x, p.y};
  }
  writePacked(out, size32(tt.instructions.size()));
  out.putBytes(tt.instructions);
  writePacked(out, size32(tt.extra.size()));
  out.putBytes(tt.extra);
}

// Reading: every count is checked against what is left, since each item takes at least
// `minBytes` bytes; a count that cannot fit means a cut or corrupt record.
bool plausibleCount(int32_t count, const ByteReader& in, std::size_t minBytes) {
  return count >= 0 && static_cast<std::size_t>(count) * minBytes <= in.remaining();
}

bool readHintList(ByteReader& in, std::vector<Hint>& hints, int masters) {
  int32_t count = readPacked(in);
  if (!plausibleCount(count, in, 2 * static_cast<std::size_t>(masters))) return false;
  hints.resize(static_cast<std::size_t>(count));
  for (Hint& hint : hints) {
    hint.masters.resize(static_cast<std::size_t>(masters));
    for (Stem& s : hint.masters) {
      s.position = to16(readPacked(in));
      s.width = to16(readPacked(in));
    }
  }
  return !in.overran();
}

bool readGuideList(ByteReader& in, std::vector<Guide>& guides, int masters) {
  int32_t count = readPacked(in);
  if (!plausibleCount(count, in, 2 * static_cast<std::size_t>(masters))) return false;
  guides.resize(static_cast<std::size_t>(count));
  for (Guide& guide : guides) {
    guide.masters.resize(static_cast<std::size_t>(masters));
    for (GuideValue& g : guide.masters) {
      g.position = to16(readPacked(in));
      g.slope = to16(readPacked(in));
    }
  }
  return !in.overran();
}

bool readHints(ByteReader& in, Glyph& glyph) {
  GlyphHints& hints = glyph.hints().emplace();
  int masters = glyph.masterCount();
  if (!readHintList(in, hints.horizontal, masters)) return false;
  if (!readHintList(in, hints.vertical, masters)) return false;
  int32_t count = readPacked(in);
  if (!plausibleCount(count, in, 2)) return false;
  hints.replacement.resize(static_cast<std::size_t>(count));
  for (HintReplacementEntry& entry : hints.replacement) {
    entry.kind = in.get8();
    entry.value = readPacked(in);
  }
  return !in.overran();
}

bool readGuides(ByteReader& in, Glyph& glyph) {
  GlyphGuides& guides = glyph.guides().emplace();
  return readGuideList(in, guides.horizontal, glyph.masterCount()) &&
         readGuideList(in, guides.vertical, glyph.masterCount());
}

double readDouble(ByteReader& in) { return std::bit_cast<double>(in.get64le()); }

bool readComponents(ByteReader& in, Glyph& glyph) {
  int masters = glyph.masterCount();
  int32_t count = readPacked(in);
  if (!plausibleCount(count, in, 1 + 18 * static_cast<std::size_t>(masters))) return false;
  std::vector<Component>& components = glyph.components();
  components.assign(static_cast<std::size_t>(count), Component{});
  for (Component& c : components) {
    c.glyphIndex = readPacked(in);
    c.offset.resize(static_cast<std::size_t>(masters));
    c.scale.resize(static_cast<std::size_t>(masters));
    for (int m = 0; m < masters; ++m) {
      auto k = static_cast<std::size_t>(m);
      c.offset[k].x = to16(readPacked(in));
      c.offset[k].y = to16(readPacked(in));
      c.scale[k].x = readDouble(in);
      c.scale[k].y = readDouble(in);
    }
  }
  return !in.overran();
}

bool readKerning(ByteReader& in, Glyph& glyph) {
  int masters = glyph.masterCount();
  int32_t count = readPacked(in);
  if (!plausibleCount(count, in, 1 + static_cast<std::size_t>(masters))) return false;
  std::vector<KernPair>& pairs = glyph.kerning();
  pairs.assign(static_cast<std::size_t>(count), KernPair{});
  for (KernPair& pair : pairs) {
    pair.rightGlyph = readPacked(in);
    pair.values.resize(static_cast<std::size_t>(masters));
    for (int16_t& v : pair.values) v = to16(readPacked(in));
  }
  return !in.overran();
}

template <typename T>
bool readBytes(ByteReader& in, std::vector<T>& bytes) {
  int32_t count = readPacked(in);
  if (!plausibleCount(count, in, 1)) return false;
  bytes.resize(static_cast<std::size_t>(count));
  in.getBytes(bytes.data(), bytes.size());
  return !in.overran();
}

bool readTrueType(ByteReader& in, Glyph& glyph) {
  TrueTypeGlyphData& tt = glyph.trueTypeData().emplace();
  for (uint16_t& h : tt.header) h = static_cast<uint16_t>(readPacked(in));
  tt.headerByte = static_cast<uint8_t>(readPacked(in));
  tt.bounds.xMin = to16(readPacked(in));
  tt.bounds.yMin = to16(readPacked(in));
  tt.bounds.xMax = to16(readPacked(in));
  tt.bounds.yMax = to16(readPacked(in));
  int32_t ends = readPacked(in);
  if (!plausibleCount(ends, in, 1)) return false;
  tt.endPoints.resize(static_cast<std::size_t>(ends));
  for (uint16_t& e : tt.endPoints) e = static_cast<uint16_t>(readPacked(in));
  int32_t points = readPacked(in);
  if (!plausibleCount(points, in, 3)) return false;
  tt.points.resize(static_cast<std::size_t>(points));
  Point previous;
  for (TrueTypePoint& p : tt.points) {
    p.x = addWrapped(previous.x, readPacked(in));
    p.y = addWrapped(previous.y, readPacked(in));
    p.flag = in.get8();
    previous = {p.x, p.y};
  }
  return readBytes(in, tt.instructions) && readBytes(in, tt.extra);
}

bool readName(ByteReader& in, Glyph& glyph) {
  int32_t length = readPacked(in);
  if (!plausibleCount(length, in, 1)) return false;
  std::string name(static_cast<std::size_t>(length), '\0');
  in.getBytes(reinterpret_cast<uint8_t*>(name.data()), name.size());
  glyph.setName(name);
  return !in.overran();
}

bool readAdvance(ByteReader& in, Glyph& glyph) {
  glyph.makeRoomForAdvances();
  for (int m = 0; m < glyph.masterCount(); ++m) {
    int16_t x = to16(readPacked(in));
    int16_t y = to16(readPacked(in));
    glyph.setAdvance(m, {x, y});
  }
  return !in.overran();
}

}  // namespace

void writeGlyphRecord(const Glyph& glyph, ByteWriter& out) {
  namespace tag = glyph_record_tag;
  int masters = glyph.masterCount();
  out.putBytes(kLead);

  out.put8(tag::kName);
  writePacked(out, size32(glyph.name().size()));
  out.putBytes(glyph.name());

  out.put8(tag::kOutline);
  writeOutlineRecord(glyph, out);

  out.put8(tag::kAdvance);
  for (int m = 0; m < masters; ++m) {
    Point a = glyph.advance(m);
    writePacked(out, a.x);
    writePacked(out, a.y);
  }

  if (const auto& hints = glyph.hints()) {
    out.put8(tag::kHints);
    writeHintList(out, hints->horizontal, masters);
    writeHintList(out, hints->vertical, masters);
    writePacked(out, size32(hints->replacement.size()));
    for (const HintReplacementEntry& entry : hints->replacement) {
      out.put8(static_cast<uint8_t>(entry.kind));
      writePacked(out, entry.value);
    }
  }

  if (const auto& guides = glyph.guides()) {
    out.put8(tag::kGuides);
    writeGuideList(out, guides->horizontal, masters);
    writeGuideList(out, guides->vertical, masters);
  }

  if (!glyph.components().empty()) {
    out.put8(tag::kComponents);
    writePacked(out, size32(glyph.components().size()));
    for (const Component& c : glyph.components()) {
      writePacked(out, c.glyphIndex);
      for (int m = 0; m < masters; ++m) {
        Point offset = valueAt(c.offset, m);
        ComponentScale scale = static_cast<std::size_t>(m) < c.scale.size()
                                   ? c.scale[static_cast<std::size_t>(m)]
                                   : ComponentScale{};
        writePacked(out, offset.x);
        writePacked(out, offset.y);
        out.put64le(std::bit_cast<uint64_t>(scale.x));
        out.put64le(std::bit_cast<uint64_t>(scale.y));
      }
    }
  }

  if (!glyph.kerning().empty()) {
    out.put8(tag::kKerning);
    writePacked(out, size32(glyph.kerning().size()));
    for (const KernPair& pair : glyph.kerning()) {
      writePacked(out, pair.rightGlyph);
      for (int m = 0; m < masters; ++m) writePacked(out, valueAt(pair.values, m));
    }
  }

  if (const auto& tt = glyph.trueTypeData()) {
    out.put8(tag::kTrueType);
    writeTrueType(out, *tt);
  }

  out.put8(tag::kEnd);
}

std::vector<uint8_t> glyphRecordBytes(const Glyph& glyph) {
  ByteWriter out;
  writeGlyphRecord(glyph, out);
  return out.take();
}

bool readGlyphRecord(Glyph& glyph, ByteReader& in) {
  namespace tag = glyph_record_tag;
  for (uint8_t lead : kLead)
    if (in.get8() != lead) return false;

  Glyph result(1);
  // Per-master parts are read with the master count of the outline read before them; an
  // outline of another master count after them would leave them the wrong size.
  bool perMasterPartRead = false;
  while (!in.atEnd()) {
    bool ok = true;
    uint8_t t = in.get8();
    switch (t) {
      case tag::kName: ok = readName(in, result); break;
      case tag::kOutline: {
        int before = result.masterCount();
        ok = readOutlineRecord(result, in) &&
             (!perMasterPartRead || result.masterCount() == before);
        if (ok) result.makeRoomForAdvances();
        break;
      }
      case tag::kAdvance: ok = readAdvance(in, result); break;
      case tag::kHints: ok = readHints(in, result); break;
      case tag::kGuides: ok = readGuides(in, result); break;
      case tag::kComponents: ok = readComponents(in, result); break;
      case tag::kKerning: ok = readKerning(in, result); break;
      case tag::kTrueType: ok = readTrueType(in, result); break;
      case tag::kEnd:
        glyph = std::move(result);
        return true;
      default:
        break;  // tags without a body that could be skipped: one byte each
    }
    if (!ok) return false;
    if (t == tag::kAdvance || t == tag::kHints || t == tag::kGuides || t == tag::kComponents ||
        t == tag::kKerning)
      perMasterPartRead = true;
  }
  return false;
}

bool readGlyphRecord(Glyph& glyph, std::span<const uint8_t> bytes) {
  ByteReader in(bytes);
  return readGlyphRecord(glyph, in);
}

}  // namespace sorvella
