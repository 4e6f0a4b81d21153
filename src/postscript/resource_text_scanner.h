// Turns PostScript-syntax resource text (CMap files, Illustrator EPS files) into classified
// tokens; font programs have a scanner of their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace sorvella {

class ResourceTextScanner {
 public:
  // Single bits, so that callers can test several kinds with one mask.
  enum Kind : int {
    kWord = 0,
    kLiteralName = 1,
    kString = 2,
    kComment = 4,
    kArrayOpen = 8,
    kArrayClose = 16,
    kProcedureOpen = 32,
    kProcedureClose = 64,
    kInteger = 128,
    kReal = 256,
    kEnd = 512,  // also a number that cannot be converted; callers stop either way
    kHexString = 1024,
  };

  static constexpr std::size_t kMaxTokenLength = 511;
  static constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{64} << 20;

  // Not opened: reads as empty input.
  ResourceTextScanner() = default;
  explicit ResourceTextScanner(std::string_view text);
  explicit ResourceTextScanner(std::span<const uint8_t> bytes);

  // Reads the whole file; false (and empty input) when it cannot be read or is larger than
  // kMaxFileSize.
  bool open(const std::filesystem::path& path);
  bool isOpen() const { return opened_; }

  // Copies the token text, truncated to capacity - 1 characters and terminated by a NUL;
  // kinds without text leave an empty string.
  int next(char* buffer, std::size_t capacity);
  int next();
  // The text of the last token, valid until the next call.
  std::string_view text() const { return text_; }

  int32_t integerValue() const { return integer_; }
  double realValue() const { return real_; }

  // Reads tokens up to one of a kind in kindMask whose text equals `text` regardless of ASCII
  // case; false when kind 512 comes first. Words have no bit of their own, so a mask of 0
  // (kWord) asks for words alone.
  bool skipUntil(int kindMask, std::string_view text);

  // Nothing but separators is left: a kind 512 now comes from the end of the input rather
  // than from a number without a value.
  bool atEndOfInput() const;

 private:
  void load(std::string bytes);
  void skipSeparators();
  void readComment();
  void readString();
  void readHexString();
  void readWord();
  int classifyWord();

  std::string input_;
  std::size_t position_ = 0;
  std::string text_;
  int32_t integer_ = 0;
  double real_ = 0.0;
  bool opened_ = false;
};

}  // namespace sorvella
