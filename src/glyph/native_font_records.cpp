#include "glyph/native_font_records.h"

#include <limits>

namespace sorvella {

void writeNativeFontHeader(ByteWriter& out) {
  out.putBytes(kNativeFontSignature);
  out.put8(0);
  out.put32le(kNativeFontHeaderLength);
  for (int k = 0; k < 32; ++k) out.put8(0);
}

bool hasNativeFontSignature(std::span<const uint8_t> head) {
  return head.size() >= kNativeFontSignature.size() &&
         std::equal(kNativeFontSignature.begin(), kNativeFontSignature.end(), head.begin());
}

bool writeNativeRecord(ByteWriter& out, uint16_t tag, std::span<const uint8_t> data) {
  if (data.size() > std::numeric_limits<uint32_t>::max()) return false;
  if (data.size() < kShortRecordLimit) {
    out.put16le(tag);
    out.put16le(static_cast<uint16_t>(data.size()));
  } else {
    out.put16le(static_cast<uint16_t>(tag | kLongRecordFlag));
    out.put32le(static_cast<uint32_t>(data.size()));  // low half first
  }
  out.putBytes(data);
  return true;
}

bool writeNativeRecord(ByteWriter& out, uint16_t tag, std::string_view data) {
  return writeNativeRecord(out, tag,
                           std::span(reinterpret_cast<const uint8_t*>(data.data()), data.size()));
}

NativeRecordResult NativeRecordReader::next(NativeRecord& record) {
  if (atEnd()) return NativeRecordResult::kEndOfData;
  ByteReader in(bytes_.subspan(position_));
  uint16_t tag = in.get16le();
  uint32_t length = (tag & kLongRecordFlag) ? in.get32le() : in.get16le();
  // The length is only trusted once the data is known to be there.
  if (in.overran() || length > in.remaining()) return NativeRecordResult::kTruncated;
  record.tag = static_cast<uint16_t>(tag & ~kLongRecordFlag);
  record.data = bytes_.subspan(position_ + in.position(), length);
  position_ += in.position() + length;
  return NativeRecordResult::kRecord;
}

std::optional<std::span<const uint8_t>> NativeRecordReader::rawBytes(std::size_t n) {
  if (n > bytes_.size() - position_) return std::nullopt;
  std::span<const uint8_t> raw = bytes_.subspan(position_, n);
  position_ += n;
  return raw;
}

}  // namespace sorvella
