#include "postscript/ps_font_reader.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <utility>

#include "base/file_bytes.h"

namespace sorvella {
namespace {

constexpr uint8_t kSegmentMarker = 0x80;
constexpr uint8_t kAsciiSegment = 1;
constexpr uint8_t kBinarySegment = 2;
constexpr std::size_t kSegmentHeaderSize = 6;

int hexDigitValue(uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

PSFontReader::PSFontReader(std::span<const uint8_t> bytes) {
  load(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

PSFontReader::PSFontReader(std::vector<uint8_t>&& bytes) {
  load(std::move(bytes));
}

bool PSFontReader::open(const std::filesystem::path& path) {
  *this = PSFontReader();
  path_ = path;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxFileSize) return false;
  std::optional<std::vector<uint8_t>> bytes = readWholeFile(path);
  if (!bytes || bytes->size() > kMaxFileSize) return false;
  load(std::move(*bytes));
  return true;
}

void PSFontReader::load(std::vector<uint8_t>&& bytes) {
  data_ = std::move(bytes);
  opened_ = true;
  failed_ = false;
  end_ = data_.size();
  plainFile_ = !(data_.size() >= 2 && data_[0] == kSegmentMarker && data_[1] == kAsciiSegment);
}

void PSFontReader::raiseStatus(PSFontStatus status) {
  if (status_ == PSFontStatus::kFine) status_ = status;
}

// Consumes the headers that start at the read position: the one at the start of the file, and
// each one right after the last byte of a segment has been delivered. A header that is not one
// of an ASCII or binary segment (the end marker, a damaged or truncated one) ends the data.
void PSFontReader::followSegments() {
  while (!plainFile_ && position_ == nextHeader_ && position_ < end_) {
    const std::size_t left = data_.size() - position_;
    const uint8_t type = left >= 2 ? data_[position_ + 1] : 0;
    if (left < kSegmentHeaderSize || data_[position_] != kSegmentMarker ||
        (type != kAsciiSegment && type != kBinarySegment)) {
      end_ = position_;
      return;
    }
    const uint32_t length = static_cast<uint32_t>(data_[position_ + 2]) |
                            static_cast<uint32_t>(data_[position_ + 3]) << 8 |
                            static_cast<uint32_t>(data_[position_ + 4]) << 16 |
                            static_cast<uint32_t>(data_[position_ + 5]) << 24;
    binarySegment_ = type == kBinarySegment;
    position_ += kSegmentHeaderSize;
    // A length beyond the file ends the segment at the end of the file.
    nextHeader_ = position_ + std::min<std::size_t>(length, data_.size() - position_);
  }
}

bool PSFontReader::nextRawByte(uint8_t& byte) {
  followSegments();
  if (position_ >= end_) {
    failed_ = true;
    return false;
  }
  lastRawPosition_ = position_;
  byte = data_[position_++];
  followSegments();
  return true;
}

bool PSFontReader::nextRawByteAfterSpaces(uint8_t& byte) {
  while (byte <= 0x20)
    if (!nextRawByte(byte)) return false;
  return true;
}

bool PSFontReader::readHexCipherByte(uint8_t first, uint8_t& cipher) {
  uint8_t c = first;
  if (!nextRawByteAfterSpaces(c)) return false;
  const std::size_t pairStart = lastRawPosition_;
  failedPairStart_ = pairStart;
  const int high = hexDigitValue(c);
  if (high < 0) {
    if (status_ == PSFontStatus::kFine) badHexResume_ = pairStart;
    raiseStatus(PSFontStatus::kBadHexDigit);
    return false;
  }
  if (!nextRawByte(c) || !nextRawByteAfterSpaces(c)) return false;
  const int low = hexDigitValue(c);
  if (low < 0) {
    if (status_ == PSFontStatus::kFine) badHexResume_ = pairStart;
    raiseStatus(PSFontStatus::kBadHexDigit);
    return false;
  }
  cipher = static_cast<uint8_t>(high << 4 | low);
  return true;
}

uint8_t PSFontReader::readByte() {
  if (failed_) return 0;
  // Once in every 1024-byte block of the file; hexadecimal input and block reads move on by
  // more than one byte, so waiting for exact multiples could miss whole blocks.
  const std::size_t block = position_ / kProgressInterval;
  if (progress_ && block != lastProgressBlock_) {
    lastProgressBlock_ = block;
    if (progress_(kProgressPosition, static_cast<int64_t>(position_), 0) != 0)
      raiseStatus(PSFontStatus::kCancelled);
  }
  uint8_t byte = 0;
  if (!nextRawByte(byte)) return 0;
  if (decrypting_) {
    uint8_t cipher = byte;
    if (hexInput_ && !readHexCipherByte(byte, cipher)) {
      if (clearTextAfterBadHexDigit_ && status_ == PSFontStatus::kBadHexDigit && !failed_) {
        decrypting_ = false;
        hexInput_ = false;
        position_ = failedPairStart_;
      }
      return 0;
    }
    byte = eexec_.decrypt(cipher);
  }
  // From the first byte of a binary segment on, everything is encrypted.
  if (binarySegment_) decrypting_ = true;
  return byte;
}

bool PSFontReader::readBlock(std::span<uint8_t> bytes) {
  if (failed_) return false;
  // Clear bytes of a plain file are a copy: the data sections of CIDFonts are read this way.
  if (plainFile_ && !decrypting_) {
    const std::size_t available = std::min(bytes.size(), end_ - std::min(position_, end_));
    std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(position_), available, bytes.begin());
    position_ += available;
    if (available == bytes.size()) return true;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(available), bytes.end(), uint8_t{0});
    failed_ = true;
    return false;
  }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    uint8_t byte = 0;
    if (!nextRawByte(byte)) {
      std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(i), bytes.end(), uint8_t{0});
      return false;
    }
    bytes[i] = decrypting_ ? eexec_.decrypt(byte) : byte;
    if (binarySegment_) decrypting_ = true;
  }
  return true;
}

void PSFontReader::decryptCharstring(std::span<uint8_t> bytes) {
  EexecDecryptor(kCharstringKey).decrypt(bytes);
}

bool PSFontReader::hexDigitsFollow() {
  if (peekRawByte() < 0) return false;
  const std::size_t limit = plainFile_ ? end_ : std::min(end_, nextHeader_);
  if (position_ + 4 > limit) return false;
  return std::all_of(data_.begin() + static_cast<std::ptrdiff_t>(position_),
                     data_.begin() + static_cast<std::ptrdiff_t>(position_ + 4),
                     [](uint8_t c) { return hexDigitValue(c) >= 0; });
}

// Block reads do not decode hexadecimal input, so such bytes come one at a time.
bool PSFontReader::readEncryptedBytes(std::span<uint8_t> bytes) {
  if (!decrypting_ || !hexInput_) return readBlock(bytes);
  for (uint8_t& byte : bytes) {
    byte = readByte();
    if (failed_ || status_ == PSFontStatus::kBadHexDigit) return false;
  }
  return true;
}

bool PSFontReader::seek(std::size_t position) {
  if (failed_) return false;
  position_ = position;
  pushedBack_ = false;
  return true;
}

int PSFontReader::peekRawByte() {
  if (failed_) return -1;
  followSegments();
  return position_ < end_ ? data_[position_] : -1;
}

void PSFontReader::setProgressCallback(ProgressCallback callback) {
  progress_ = std::move(callback);
  reportProgress(kProgressRange, 0, static_cast<int64_t>(data_.size()));
}

int PSFontReader::reportProgress(int kind, int64_t a, int64_t b) {
  return progress_ ? progress_(kind, a, b) : 0;
}

void PSFontReader::setDefinitionEndWord(std::string_view word) {
  definitionEndWord_ = word.substr(0, kMaxDefinitionEndWordLength);
}

void PSFontReader::clearSubroutines() {
  subroutines_.clear();
  subroutineIndex_.clear();
}

bool PSFontReader::addSubroutine(SubroutineRecord record) {
  if (subroutines_.size() >= kNoSubroutine) return false;
  subroutineIndex_.emplace(record.number, static_cast<uint16_t>(subroutines_.size()));
  subroutines_.push_back(std::move(record));
  return true;
}

uint16_t PSFontReader::findSubroutine(uint16_t number) const {
  const auto found = subroutineIndex_.find(number);
  return found == subroutineIndex_.end() ? kNoSubroutine : found->second;
}

}  // namespace sorvella
