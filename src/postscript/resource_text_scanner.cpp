#include "postscript/resource_text_scanner.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>
#include <utility>

#include "postscript/keyword_table.h"
#include "postscript/resource_number.h"

namespace sorvella {
namespace {

// Bytes 0x80-0xFF count as separators too: they read below 33 as signed 8-bit values.
bool isSeparator(char c) {
  return static_cast<int8_t>(c) < 33;
}

bool isDelimiter(char c) {
  switch (c) {
    case '(':
    case ')':
    case '<':
    case '>':
    case '[':
    case ']':
    case '{':
    case '}':
    case '/':
    case '%':
      return true;
    default:
      return false;
  }
}

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

ResourceTextScanner::ResourceTextScanner(std::string_view text) {
  load(std::string(text));
}

ResourceTextScanner::ResourceTextScanner(std::span<const uint8_t> bytes) {
  load(std::string(bytes.begin(), bytes.end()));
}

bool ResourceTextScanner::open(const std::filesystem::path& path) {
  *this = ResourceTextScanner();
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxFileSize) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  if (in.bad()) return false;
  bytes.resize(static_cast<std::size_t>(in.gcount()));  // the file may have shrunk meanwhile
  load(std::move(bytes));
  return true;
}

// Line ends are read as a text-mode stream would deliver them: a CR before an LF is dropped.
void ResourceTextScanner::load(std::string bytes) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    bytes[kept++] = bytes[i];
  }
  bytes.resize(kept);
  input_ = std::move(bytes);
  position_ = 0;
  opened_ = true;
}

int ResourceTextScanner::next(char* buffer, std::size_t capacity) {
  const int kind = next();
  if (buffer != nullptr && capacity > 0) {
    const std::size_t length = std::min(text_.size(), capacity - 1);
    std::memcpy(buffer, text_.data(), length);
    buffer[length] = '\0';
  }
  return kind;
}

int ResourceTextScanner::next() {
  text_.clear();
  skipSeparators();
  if (position_ >= input_.size()) return kEnd;
  const char c = input_[position_++];
  switch (c) {
    case '%':
      readComment();
      return kComment;
    case '(':
      readString();
      return kString;
    case '/':
      readWord();
      return kLiteralName;
    case '<':
      readHexString();
      return kHexString;
    case '[':
      return kArrayOpen;
    case ']':
      return kArrayClose;
    case '{':
      return kProcedureOpen;
    case '}':
      return kProcedureClose;
    case ')':
    case '>':
      // A stray closer would end an empty word and be put back for ever; it is handed back
      // as a word of its own, which callers ignore like any unknown word.
      text_.push_back(c);
      return kWord;
    default:
      --position_;
      readWord();
      return classifyWord();
  }
}

void ResourceTextScanner::skipSeparators() {
  while (position_ < input_.size() && isSeparator(input_[position_])) ++position_;
}

// The whole line is consumed even past 511 characters, so that the rest of an overlong
// comment is never read as code.
void ResourceTextScanner::readComment() {
  while (position_ < input_.size() && input_[position_] != '\n') {
    if (text_.size() < kMaxTokenLength) text_.push_back(input_[position_]);
    ++position_;
  }
  if (position_ < input_.size()) ++position_;
}

void ResourceTextScanner::readString() {
  int depth = 1;
  while (position_ < input_.size()) {
    const char c = input_[position_];
    if (c == ')' && depth == 1) {
      ++position_;  // taken even when the text is full, so that 511 characters close cleanly
      return;
    }
    const bool lineEnd = c == '\n' || c == '\r';
    // When full, the rest is read as further tokens; a line end that no longer fits as its
    // two characters stays in the input rather than leave half of it.
    if (text_.size() + (lineEnd ? 2 : 1) > kMaxTokenLength) return;
    ++position_;
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == '\n')
      text_ += "\\n";
    else if (c == '\r')
      text_ += "\\r";
    else
      text_.push_back(c);
  }
}

void ResourceTextScanner::readHexString() {
  while (position_ < input_.size()) {
    const char c = input_[position_];
    if (c == '>') {
      ++position_;
      return;
    }
    if (isHexDigit(c)) {
      if (text_.size() == kMaxTokenLength) return;
      text_.push_back(c);
    }
    ++position_;
  }
}

void ResourceTextScanner::readWord() {
  skipSeparators();
  while (position_ < input_.size() && text_.size() < kMaxTokenLength) {
    const char c = input_[position_];
    if (isDelimiter(c)) return;  // left for the next token
    ++position_;
    if (isSeparator(c)) return;
    text_.push_back(c);
  }
}

int ResourceTextScanner::classifyWord() {
  const ResourceNumber number = classifyResourceWord(text_);
  switch (number.form) {
    case ResourceNumber::Form::kNotANumber:
      return kWord;
    case ResourceNumber::Form::kUnconvertible:
      text_.clear();
      return kEnd;
    case ResourceNumber::Form::kInteger:
    case ResourceNumber::Form::kReal:
      break;
  }
  integer_ = number.integer;
  real_ = number.real;
  return number.form == ResourceNumber::Form::kInteger ? kInteger : kReal;
}

bool ResourceTextScanner::skipUntil(int kindMask, std::string_view text) {
  for (;;) {
    const int kind = next();
    if (kind == kEnd) return false;
    const bool wantedKind = kindMask == kWord ? kind == kWord : (kind & kindMask) != 0;
    if (wantedKind && equalsIgnoringAsciiCase(text_, text)) return true;
  }
}

bool ResourceTextScanner::atEndOfInput() const {
  return std::all_of(input_.begin() + static_cast<std::ptrdiff_t>(position_), input_.end(),
                     isSeparator);
}

}  // namespace sorvella
