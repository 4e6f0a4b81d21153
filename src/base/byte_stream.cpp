#include "base/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace sorvella {

void ByteWriter::put8(uint8_t v) {
  if (position_ < capacity_) bytes_.push_back(v);
  ++position_;
}

void ByteWriter::putBytes(std::span<const uint8_t> bytes) {
  if (position_ < capacity_) {
    std::size_t room = capacity_ - position_;
    std::size_t n = std::min(room, bytes.size());
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
  }
  position_ += bytes.size();
}

void ByteWriter::putBytes(std::string_view bytes) {
  putBytes(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

void ByteWriter::put16le(uint16_t v) {
  put8(static_cast<uint8_t>(v));
  put8(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::put32le(uint32_t v) {
  put16le(static_cast<uint16_t>(v));
  put16le(static_cast<uint16_t>(v >> 16));
}

void ByteWriter::put64le(uint64_t v) {
  put32le(static_cast<uint32_t>(v));
  put32le(static_cast<uint32_t>(v >> 32));
}

void ByteWriter::put16be(uint16_t v) {
  put8(static_cast<uint8_t>(v >> 8));
  put8(static_cast<uint8_t>(v));
}

void ByteWriter::put32be(uint32_t v) {
  put16be(static_cast<uint16_t>(v >> 16));
  put16be(static_cast<uint16_t>(v));
}

uint8_t ByteReader::get8() {
  if (position_ >= data_.size()) {
    overran_ = true;
    return 0;
  }
  return data_[position_++];
}

uint16_t ByteReader::get16le() {
  uint16_t lo = get8();
  return static_cast<uint16_t>(lo | (get8() << 8));
}

uint32_t ByteReader::get32le() {
  uint32_t lo = get16le();
  return lo | (static_cast<uint32_t>(get16le()) << 16);
}

uint64_t ByteReader::get64le() {
  uint64_t lo = get32le();
  return lo | (static_cast<uint64_t>(get32le()) << 32);
}

uint16_t ByteReader::get16be() {
  uint16_t hi = get8();
  return static_cast<uint16_t>((hi << 8) | get8());
}

uint32_t ByteReader::get32be() {
  uint32_t hi = get16be();
  return (hi << 16) | get16be();
}

void ByteReader::getBytes(uint8_t* out, std::size_t n) {
  std::size_t have = std::min(n, remaining());
  if (have) std::memcpy(out, data_.data() + position_, have);
  if (have < n) {
    std::memset(out + have, 0, n - have);
    overran_ = true;
  }
  position_ += have;
}

void ByteReader::skip(std::size_t n) {
  if (n > remaining()) {
    overran_ = true;
    position_ = data_.size();
  } else {
    position_ += n;
  }
}

}  // namespace sorvella
