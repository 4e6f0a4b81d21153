// Font programs from anywhere must read to their end through every operation of the reader:
// every call moves on or ends, tokens and strings keep their limits, arrays their capacity,
// statuses stay among the reader's own, and a failed reader gives nothing.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "postscript/ps_font_reader.h"

namespace {

using sorvella::PSArrayShape;
using sorvella::PSFontReader;
using sorvella::PSFontStatus;

void check(bool condition) {
  if (!condition) std::abort();
}

void checkStatus(const PSFontReader& reader) {
  const PSFontStatus status = reader.status();
  check(status == PSFontStatus::kFine || status == PSFontStatus::kBooleanExpected ||
        status == PSFontStatus::kBadHexDigit || status == PSFontStatus::kCancelled);
}

void checkToken(const std::string& token) {
  check(!token.empty() && token.size() <= PSFontReader::kMaxTokenLength);
  const int number = PSFontReader::keywordNumber(token);
  check(number >= 0 && number <= sorvella::kPSKeywordCount);
}

// A pushed-back delimiter is the only token that takes no byte, and it needs one that did.
std::size_t callBound(std::size_t size) {
  return 2 * size + 4;
}

void checkNothingAfterFailure(PSFontReader& reader) {
  check(reader.failed());
  std::string text;
  uint8_t block[4];
  int32_t integers[2];
  PSArrayShape shape;
  check(reader.readByte() == 0);
  check(!reader.readBlock(block));
  check(!reader.nextToken(text) && text.empty());
  check(reader.readInteger() == 0);
  check(reader.readReal() == 0.0);
  check(!reader.readBoolean());
  check(!reader.readString(text) && text.empty());
  check(!reader.readIntegerArray(integers, shape) && shape.values == 0);
  check(!reader.skipTo("def") && !reader.skipDefinition() && !reader.skipArray());
  check(reader.peekRawByte() == -1);
}

void tokenizeToTheEnd(PSFontReader& reader, std::size_t size) {
  std::string token;
  std::size_t calls = 0;
  while (reader.nextToken(token)) {
    check(++calls <= callBound(size));
    checkToken(token);
    check(reader.position() <= size);
  }
  checkStatus(reader);
  checkNothingAfterFailure(reader);
}

// Every typed reader in turn; booleans end the reading at the first other word, so they get
// a reader of their own.
void readTypedToTheEnd(PSFontReader& reader, std::size_t size) {
  std::string text;
  std::vector<int32_t> integers(72);
  std::vector<double> reals(24);
  PSArrayShape shape;
  std::vector<uint8_t> block;
  for (std::size_t calls = 0; !reader.failed(); ++calls) {
    check(calls <= 4 * callBound(size));
    switch (calls % 11) {
      case 0:
        reader.readInteger();
        break;
      case 1:
        check(std::isfinite(reader.readReal()));
        break;
      case 2:
        reader.readString(text);
        check(text.size() <= PSFontReader::kMaxStringLength);
        for (char c : text) check(static_cast<int8_t>(c) >= 32);
        break;
      case 3:
        reader.readIntegerArray(integers, shape);
        check(shape.stored <= integers.size() && shape.stored <= shape.values);
        break;
      case 4:
        reader.readRealArray(reals, shape);
        check(shape.stored <= reals.size() && shape.stored <= shape.values);
        for (std::size_t i = 0; i < shape.stored; ++i) check(std::isfinite(reals[i]));
        break;
      case 5:
        reader.skipTo("def");
        break;
      case 6:
        reader.skipDefinition();
        break;
      case 7:
        reader.skipArray();
        break;
      case 8:
        block.assign(static_cast<std::size_t>(reader.peekRawByte() & 31) + 1, 0);
        reader.readBlock(block);
        PSFontReader::decryptCharstring(block);
        break;
      case 9:
        reader.readByte();
        break;
      default:
        if (reader.nextToken(text)) checkToken(text);
        break;
    }
    check(reader.position() <= size);
  }
  checkStatus(reader);
  checkNothingAfterFailure(reader);
}

void readBooleansToTheEnd(PSFontReader& reader, std::size_t size) {
  for (std::size_t calls = 0; !reader.failed(); ++calls) {
    check(calls <= callBound(size));
    reader.readBoolean();
  }
  checkStatus(reader);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);

  PSFontReader asFound(bytes);
  tokenizeToTheEnd(asFound, size);

  PSFontReader binary(bytes);
  binary.setDecrypting(true);
  tokenizeToTheEnd(binary, size);

  PSFontReader hex(bytes);
  hex.setDecrypting(true);
  hex.setHexInput(true);
  tokenizeToTheEnd(hex, size);

  PSFontReader typed(bytes);
  readTypedToTheEnd(typed, size);

  PSFontReader typedHex(bytes);
  typedHex.setDecrypting(true);
  typedHex.setHexInput(true);
  readTypedToTheEnd(typedHex, size);

  PSFontReader booleans(bytes);
  readBooleansToTheEnd(booleans, size);

  // The first byte read asks the callback at position 0: the cancel is kept and reading still
  // comes to its end.
  PSFontReader cancelled(bytes);
  cancelled.setProgressCallback([](int kind, int64_t, int64_t) { return kind == 1 ? 1 : 0; });
  tokenizeToTheEnd(cancelled, size);
  check(cancelled.status() == PSFontStatus::kCancelled);
  return 0;
}
