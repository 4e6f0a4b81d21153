// Byte streams for reading and writing file formats with explicit byte order.
// Writers may have a fixed capacity; readers yield 0 past the end and remember that they ran out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

namespace sorvella {

class ByteWriter {
 public:
  static constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

  // Writes past the capacity are dropped, but the position still advances so that the caller
  // can compare it with the capacity to learn whether everything fitted.
  explicit ByteWriter(std::size_t capacity = kUnlimited) : capacity_(capacity) {}

  void put8(uint8_t v);
  void putBytes(std::span<const uint8_t> bytes);
  void putBytes(std::string_view bytes);
  void put16le(uint16_t v);
  void put32le(uint32_t v);
  void put64le(uint64_t v);
  void put16be(uint16_t v);
  void put32be(uint32_t v);

  std::size_t position() const { return position_; }
  std::size_t capacity() const { return capacity_; }
  bool fitted() const { return position_ <= capacity_; }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
  std::size_t capacity_;
  std::size_t position_ = 0;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  uint8_t get8();
  uint16_t get16le();
  uint32_t get32le();
  uint64_t get64le();
  uint16_t get16be();
  uint32_t get32be();
  // Copies up to n bytes; missing bytes are zero.
  void getBytes(uint8_t* out, std::size_t n);
  void skip(std::size_t n);

  std::size_t position() const { return position_; }
  std::size_t size() const { return data_.size(); }
  std::size_t remaining() const { return data_.size() - position_; }
  bool atEnd() const { return position_ >= data_.size(); }
  // True once a read asked for a byte past the end.
  bool overran() const { return overran_; }

 private:
  std::span<const uint8_t> data_;
  std::size_t position_ = 0;
  bool overran_ = false;
};

}  // namespace sorvella
