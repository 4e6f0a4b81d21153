#include "truetype/cmap_table.h"

#include <algorithm>
#include <new>

#include "truetype/tt_stream.h"

namespace sorvella {

namespace {

uint16_t u16At(std::span<const uint8_t> bytes, uint64_t offset, bool& ok) {
  if (offset + 2 > bytes.size()) {
    ok = false;
    return 0;
  }
  return static_cast<uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

// A glyph read from a glyph index array keeps 0 (no glyph); others get the delta, modulo 65536.
uint16_t withDelta(uint16_t glyph, int16_t delta) {
  return glyph == 0 ? 0 : static_cast<uint16_t>(glyph + delta);
}

}  // namespace

void TTcmapTable::read(std::span<const uint8_t> cmap, uint32_t offset, uint32_t fileOffset) {
  fileOffset_ = fileOffset;
  setSource(TTSource::kImported);
  ByteReader in = readerAt(cmap, offset);
  format_ = in.get16be();
  if (format_ < 8) {
    length_ = in.get16be();
    language_ = in.get16be();
  } else if (format_ == 14) {
    length_ = in.get32be();
  } else {
    in.skip(2);
    length_ = in.get32be();
    language_ = in.get32be();
  }
  if (in.overran()) fail(TTError::kDamaged);
  try {
    glyphs_.assign(kCodes, 0);
  } catch (const std::bad_alloc&) {
    fail(TTError::kOutOfMemory);
    return;
  }
  // The subtable ends where its length says, and never past the cmap table.
  uint64_t available = offset <= cmap.size() ? cmap.size() - offset : 0;
  if (length_ > available) fail(TTError::kDamaged);
  std::span<const uint8_t> body =
      cmap.subspan(std::min<uint64_t>(offset, cmap.size()), std::min<uint64_t>(length_, available));
  switch (format_) {
    case 0:
      readFormat0(body);
      break;
    case 2:
      readFormat2(body);
      break;
    case 4:
      readFormat4(body);
      break;
    case 6:
      readFormat6(body);
      break;
    default:
      break;  // other formats map nothing
  }
}

void TTcmapTable::readFormat0(std::span<const uint8_t> body) {
  for (uint32_t code = 0; code < 256; ++code) {
    if (6 + code >= body.size()) {
      fail(TTError::kDamaged);
      return;
    }
    glyphs_[code] = body[6 + code];
  }
}

void TTcmapTable::readFormat2(std::span<const uint8_t> body) {
  constexpr uint64_t kKeys = 6;
  constexpr uint64_t kSubHeaders = kKeys + 2 * 256;
  bool ok = true;
  for (uint32_t high = 0; high < 256; ++high) {
    uint64_t header =
        kSubHeaders + 8 * static_cast<uint64_t>(u16At(body, kKeys + 2 * high, ok) / 8);
    uint16_t firstCode = u16At(body, header, ok);
    uint16_t entryCount = u16At(body, header + 2, ok);
    int16_t idDelta = asSigned(u16At(body, header + 4, ok));
    uint16_t idRangeOffset = u16At(body, header + 6, ok);
    if (!ok) break;
    // The glyph index array is addressed from the idRangeOffset field itself.
    uint64_t array = header + 6 + idRangeOffset;
    if (header == kSubHeaders) {
      singleByte_[high] = true;
      if (high >= firstCode && high < uint32_t{firstCode} + entryCount)
        glyphs_[high] = withDelta(u16At(body, array + 2 * (high - firstCode), ok), idDelta);
      continue;
    }
    uint32_t end = std::min<uint32_t>(uint32_t{firstCode} + entryCount, 256);
    for (uint32_t low = firstCode; low < end && ok; ++low)
      glyphs_[high << 8 | low] = withDelta(u16At(body, array + 2 * (low - firstCode), ok), idDelta);
  }
  if (!ok) fail(TTError::kDamaged);
}

void TTcmapTable::readFormat4(std::span<const uint8_t> body) {
  bool ok = true;
  const uint64_t segments = u16At(body, 6, ok) / 2;
  const uint64_t ends = 14;
  const uint64_t starts = ends + 2 * segments + 2;
  const uint64_t deltas = starts + 2 * segments;
  const uint64_t rangeOffsets = deltas + 2 * segments;
  if (!ok || rangeOffsets + 2 * segments > body.size()) {
    fail(TTError::kDamaged);
    return;
  }
  // A code belongs to the first segment whose end is at or above it, as a lookup by search
  // finds it; walking the segments with the first code not yet covered keeps this linear.
  uint32_t uncovered = 0;
  for (uint64_t i = 0; i < segments; ++i) {
    uint32_t end = u16At(body, ends + 2 * i, ok);
    uint32_t start = u16At(body, starts + 2 * i, ok);
    auto idDelta = static_cast<uint16_t>(u16At(body, deltas + 2 * i, ok));
    uint64_t rangeOffsetAt = rangeOffsets + 2 * i;
    uint16_t idRangeOffset = u16At(body, rangeOffsetAt, ok);
    for (uint32_t code = std::max(start, uncovered); code <= end; ++code) {
      if (idRangeOffset == 0) {
        glyphs_[code] = static_cast<uint16_t>(code + idDelta);
      } else {
        uint64_t at = rangeOffsetAt + idRangeOffset + 2 * uint64_t{code - start};
        bool found = true;
        glyphs_[code] = withDelta(u16At(body, at, found), asSigned(idDelta));
        ok = ok && found;
      }
    }
    uncovered = std::max(uncovered, end + 1);
  }
  if (!ok) fail(TTError::kDamaged);
}

void TTcmapTable::readFormat6(std::span<const uint8_t> body) {
  bool ok = true;
  uint32_t firstCode = u16At(body, 6, ok);
  uint32_t entryCount = u16At(body, 8, ok);
  for (uint32_t i = 0; i < entryCount && ok; ++i) {
    uint16_t glyph = u16At(body, 10 + 2 * uint64_t{i}, ok);
    if (firstCode + i >= kCodes) ok = false;
    if (ok) glyphs_[firstCode + i] = glyph;
  }
  if (!ok) fail(TTError::kDamaged);
}

TTcmapTable* cmapTABLE::FindSubtable(uint16_t platform, uint16_t encoding) const {
  for (const TTcmapSubtable& record : records_)
    if (record.platform() == platform && record.encoding() == encoding && record.body())
      return record.body();
  return nullptr;
}

void cmapTABLE::readBody(std::span<const uint8_t> body) {
  ByteReader in(body);
  version_ = in.get16be();
  uint16_t count = in.get16be();
  if (in.overran() || 4 + 8 * uint64_t{count} > body.size()) fail(TTError::kDamaged);
  for (uint16_t i = 0; i < count; ++i) {
    uint16_t platform = in.get16be();
    uint16_t encoding = in.get16be();
    uint32_t offset = in.get32be();
    if (in.overran()) break;
    TTcmapTable* shared = nullptr;
    for (const auto& b : bodies_)
      if (b->fileOffset() == this->offset() + uint64_t{offset}) shared = b.get();
    if (!shared && offset < body.size() && bodies_.size() < kMaxBodies) {
      auto made = std::make_unique<TTcmapTable>();
      made->read(body, offset, this->offset() + offset);
      if (made->error() != TTError::kNone) fail(made->error());
      shared = made.get();
      bodies_.push_back(std::move(made));
    } else if (!shared) {
      fail(TTError::kDamaged);
    }
    records_.emplace_back(platform, encoding, offset, shared);
  }
}

}  // namespace sorvella
