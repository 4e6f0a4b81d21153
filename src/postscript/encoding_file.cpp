#include "postscript/encoding_file.h"

#include <fstream>
#include <limits>
#include <system_error>

#include "base/text_trim.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

constexpr int kEnd = std::char_traits<char>::eof();

// Only regular files: opening a folder or a pipe found under an .enc name would fail late
// or block.
bool openRegularFile(const fs::path& file, std::ifstream& in) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return false;
  in.open(file, std::ios::binary);
  return static_cast<bool>(in);
}

// Names and display names end up as C texts in the files that store them.
std::string_view untilNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

// Optional sign and at least one digit, large values held at a bound far outside any code.
std::optional<int64_t> parseDecimal(std::string_view text, std::size_t& used) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t firstDigit = i;
  constexpr int64_t kBound = int64_t{1} << 40;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < kBound) value = value * 10 + (text[i] - '0');
  }
  if (i == firstDigit) return std::nullopt;
  used = i;
  return negative ? -value : value;
}

bool readWord(std::streambuf& in, std::string& word) {
  word.clear();
  int c = in.sbumpc();
  while (c != kEnd && isAsciiSpace(static_cast<char>(c))) c = in.sbumpc();
  while (c != kEnd && !isAsciiSpace(static_cast<char>(c))) {
    word.push_back(static_cast<char>(c));
    c = in.sbumpc();
  }
  return !word.empty();
}

void skipLine(std::streambuf& in) {
  for (int c = in.sbumpc(); c != kEnd && c != '\n'; c = in.sbumpc()) {
  }
}

}  // namespace

std::optional<EncodingFileHeader> parseEncodingFirstLine(std::string_view line) {
  line = untilNul(line);
  const std::string_view prefix(kEncodingFilePrefix);
  if (!line.starts_with(prefix)) return std::nullopt;
  std::string_view rest = line.substr(prefix.size());
  const std::size_t semicolon = rest.find(';');
  if (semicolon == std::string_view::npos) return std::nullopt;

  // "%d": leading white space skipped, anything after the digits ignored.
  std::string_view numberText = rest.substr(0, semicolon);
  while (!numberText.empty() && isAsciiSpace(numberText.front())) numberText.remove_prefix(1);
  std::size_t used = 0;
  std::optional<int64_t> number = parseDecimal(numberText, used);
  if (!number || *number < std::numeric_limits<int32_t>::min() ||
      *number > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }

  std::string_view name = rest.substr(semicolon + 1);
  while (!name.empty() && isAsciiSpace(name.front())) name.remove_prefix(1);
  return EncodingFileHeader{static_cast<int32_t>(*number), std::string(name)};
}

std::optional<EncodingFileHeader> readEncodingFileHeader(const fs::path& file) {
  std::ifstream in;
  if (!openRegularFile(file, in)) return std::nullopt;
  std::string line;
  std::streambuf& buffer = *in.rdbuf();
  while (line.size() < kEncodingFirstLineLimit) {
    const int c = buffer.sbumpc();
    if (c == kEnd || c == '\n') break;
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return parseEncodingFirstLine(line);
}

void readEncodingEntries(std::istream& in, EncodingTable& table) {
  table.reset();
  std::streambuf* buffer = in.rdbuf();
  if (!buffer) return;
  skipLine(*buffer);

  std::string name;
  std::string code;
  bool haveName = false;
  for (;;) {
    if (!haveName && !readWord(*buffer, name)) break;
    if (!readWord(*buffer, code)) break;
    std::size_t used = 0;
    std::optional<int64_t> value = parseDecimal(code, used);
    if (!value || used != code.size()) {
      // Not a code: as with "%s %d", the word starts the next entry.
      name.swap(code);
      haveName = true;
      continue;
    }
    haveName = false;
    if (*value >= 0 && *value < EncodingTable::kSize) {
      table.assign(static_cast<int>(*value), untilNul(name));
    }
  }
}

bool readEncodingFile(const fs::path& file, EncodingTable& table) {
  std::ifstream in;
  if (!openRegularFile(file, in)) return false;
  readEncodingEntries(in, table);
  return true;
}

}  // namespace sorvella
