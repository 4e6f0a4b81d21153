#include "postscript/keyword_table.h"
#include "postscript/ps_font_reader.h"

namespace sorvella {
namespace {

// Taken as signed 8-bit values, so bytes from 128 on separate tokens like spaces.
bool isSeparator(uint8_t c) {
  return static_cast<int8_t>(c) <= 32;
}

bool isDelimiter(char c) {
  switch (c) {
    case '{':
    case '}':
    case '[':
    case ']':
    case '(':
    case ')':
    case '<':
    case '>':
      return true;
    default:
      return false;
  }
}

}  // namespace

bool PSFontReader::nextToken(std::string& token) {
  token.clear();
  if (failed_) return false;
  if (pushedBack_) {
    pushedBack_ = false;
    if (pushedBackChar_ != '/') {
      token.push_back(pushedBackChar_);
      return true;
    }
    // A slash that ended the previous token starts a name; white space may still follow it.
    token.push_back('/');
  }

  uint8_t c = 0;
  do {
    c = readByte();
    if (failed_) return false;
  } while (isSeparator(c));
  if (isDelimiter(static_cast<char>(c))) {
    token.assign(1, static_cast<char>(c));
    return true;
  }

  const bool comment = token.empty() && c == '%';
  token.push_back(static_cast<char>(c));
  for (;;) {
    c = readByte();
    if (failed_ || c == '\n' || c == '\r') return true;
    if (!comment) {
      if (c == ' ' || c == '\t') return true;
      if (isDelimiter(static_cast<char>(c)) || c == '/') {
        pushedBack_ = true;
        pushedBackChar_ = static_cast<char>(c);
        return true;
      }
    }
    // The character that does not fit is lost; the rest of the run is the next token.
    if (token.size() >= kMaxTokenLength) return true;
    token.push_back(static_cast<char>(c));
  }
}

bool PSFontReader::skipTo(std::string_view word) {
  int braces = 0;
  while (nextToken(token_)) {
    if (braces == 0 && equalsIgnoringAsciiCase(token_, word)) return true;
    if (token_ == "{") {
      ++braces;
    } else if (token_ == "}" && braces > 0) {
      --braces;
    }
  }
  return false;
}

bool PSFontReader::skipDefinition() {
  int braces = 0;
  while (nextToken(token_)) {
    if ((braces == 0 && equalsIgnoringAsciiCase(token_, "def")) ||
        equalsIgnoringAsciiCase(token_, definitionEndWord_))
      return true;
    if (token_ == "{") {
      ++braces;
    } else if (token_ == "}" && braces > 0) {
      --braces;
    }
  }
  return false;
}

bool PSFontReader::skipArray() {
  if (!nextToken(token_) || token_ != "[") return false;
  int brackets = 1;
  int braces = 0;
  while (brackets > 0 || braces > 0) {
    if (!nextToken(token_)) return false;
    if (token_ == "[") {
      ++brackets;
    } else if (token_ == "]" && brackets > 0) {
      --brackets;
    } else if (token_ == "{") {
      ++braces;
    } else if (token_ == "}" && braces > 0) {
      --braces;
    }
  }
  nextToken(token_);  // the operator that follows the array
  return true;
}

}  // namespace sorvella
