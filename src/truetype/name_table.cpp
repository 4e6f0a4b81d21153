#include "truetype/name_table.h"

#include <algorithm>

#include "truetype/tt_stream.h"
#include "truetype/utf16_to_windows1252.h"

namespace sorvella {

namespace {

constexpr uint16_t kWindowsPlatform = 3;
constexpr uint64_t kRecordSize = 12;
// Records may share their texts, but not so often that the texts add up to far more than the
// table holds: beyond this many times its size, the table is damaged.
constexpr uint64_t kSharedTextFactor = 16;

}  // namespace

void nameTABLE::readBody(std::span<const uint8_t> body) {
  ByteReader in(body);
  format_ = in.get16be();
  uint16_t count = in.get16be();
  stringOffset_ = in.get16be();
  if (in.overran() || 6 + kRecordSize * count > body.size()) fail(TTError::kDamaged);
  records_.reserve(std::min<uint64_t>(count, body.size() / kRecordSize));
  uint64_t textBytes = 0;
  for (uint16_t i = 0; i < count; ++i) {
    TTNameRecord record;
    record.platform = in.get16be();
    record.encoding = in.get16be();
    record.language = in.get16be();
    record.nameId = in.get16be();
    uint16_t length = in.get16be();
    uint16_t offset = in.get16be();
    if (in.overran()) break;
    auto bytes = subView(body, uint64_t{stringOffset_} + offset, length);
    textBytes += length;
    if (textBytes > kSharedTextFactor * body.size()) {
      fail(TTError::kDamaged);
      break;
    }
    if (!bytes) {
      fail(TTError::kDamaged);
      continue;
    }
    record.raw = *bytes;
    records_.push_back(record);
  }
}

std::string TTNameRecord::text() const {
  return platform == kWindowsPlatform ? utf16BigEndianToWindows1252(raw)
                                      : std::string(raw.begin(), raw.end());
}

std::string nameTABLE::NameExact(uint16_t platform, uint16_t encoding, uint16_t language,
                                 uint16_t nameId) const {
  for (const TTNameRecord& r : records_)
    if (r.platform == platform && r.encoding == encoding && r.language == language &&
        r.nameId == nameId)
      return r.text();
  return {};
}

std::string nameTABLE::NameFirst(uint16_t nameId, uint16_t platform) const {
  for (const TTNameRecord& r : records_)
    if (r.platform == platform && r.nameId == nameId) return r.text();
  return {};
}

}  // namespace sorvella
