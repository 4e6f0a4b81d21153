// Reads the text parts of the index files: white-space separated words, rests of lines and
// integers, over bytes held in memory, with a failed state once the input runs out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sorvella {

class IndexTextReader {
 public:
  static constexpr std::size_t kMaxLine = 1024;

  explicit IndexTextReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  // The next word; nothing (and failed) at the end of the input.
  std::optional<std::string_view> word();
  // Puts the last word back, so that the next call returns it again.
  void unread() { position_ = lastWord_; }
  // One word read as a decimal integer; a word that is not one fails the reader.
  std::optional<int32_t> integer();
  // The rest of the current line (at most 1024 bytes), without its line end.
  std::string_view restOfLine();

  bool failed() const { return failed_; }
  std::size_t position() const { return position_; }
  std::span<const uint8_t> remaining() const { return bytes_.subspan(position_); }

 private:
  std::span<const uint8_t> bytes_;
  std::size_t position_ = 0;
  std::size_t lastWord_ = 0;
  bool failed_ = false;
};

// The integer syntax of C's "%i": optional sign, then decimal, "0x" hexadecimal or leading-0
// octal digits. Nothing when no digit starts the text or the value does not fit 32 bits.
std::optional<int64_t> parseCInteger(std::string_view text);

}  // namespace sorvella
