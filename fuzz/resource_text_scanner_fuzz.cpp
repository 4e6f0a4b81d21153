// CMaps and EPS files from anywhere must scan to their end: every token takes at least one
// byte, texts stay within 511 characters, and a small caller buffer gets a prefix of the text.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string_view>

#include "postscript/keyword_table.h"
#include "postscript/resource_text_scanner.h"

namespace {

using sorvella::ResourceTextScanner;

bool isKnownKind(int kind) {
  switch (kind) {
    case ResourceTextScanner::kWord:
    case ResourceTextScanner::kLiteralName:
    case ResourceTextScanner::kString:
    case ResourceTextScanner::kComment:
    case ResourceTextScanner::kArrayOpen:
    case ResourceTextScanner::kArrayClose:
    case ResourceTextScanner::kProcedureOpen:
    case ResourceTextScanner::kProcedureClose:
    case ResourceTextScanner::kInteger:
    case ResourceTextScanner::kReal:
    case ResourceTextScanner::kEnd:
    case ResourceTextScanner::kHexString:
      return true;
    default:
      return false;
  }
}

bool hasText(int kind) {
  return kind != ResourceTextScanner::kEnd &&
         (kind & (ResourceTextScanner::kArrayOpen | ResourceTextScanner::kArrayClose |
                  ResourceTextScanner::kProcedureOpen | ResourceTextScanner::kProcedureClose)) == 0;
}

bool onlyHexDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  ResourceTextScanner scanner(bytes);
  ResourceTextScanner copying(bytes);
  char small[8];
  for (std::size_t calls = 1;; ++calls) {
    if (calls > size + 1) std::abort();  // some call neither consumed input nor ended
    const int kind = scanner.next();
    const std::string_view text = scanner.text();
    if (!isKnownKind(kind)) std::abort();
    if (text.size() > ResourceTextScanner::kMaxTokenLength) std::abort();
    if (!hasText(kind) && !text.empty()) std::abort();
    if ((kind == ResourceTextScanner::kWord || kind == ResourceTextScanner::kInteger ||
         kind == ResourceTextScanner::kReal) &&
        text.empty())
      std::abort();
    if (kind == ResourceTextScanner::kHexString && !onlyHexDigits(text)) std::abort();

    if (copying.next(small, sizeof small) != kind) std::abort();
    const std::size_t copied = std::min(text.size(), sizeof small - 1);
    if (std::memcmp(small, text.data(), copied) != 0 || small[copied] != '\0') std::abort();

    if (kind == ResourceTextScanner::kEnd && scanner.atEndOfInput()) break;
  }
  ResourceTextScanner skipping(bytes);
  if (skipping.skipUntil(ResourceTextScanner::kComment, "%EndProlog") &&
      !sorvella::equalsIgnoringAsciiCase(skipping.text(), "%endprolog"))
    std::abort();
  return 0;
}
