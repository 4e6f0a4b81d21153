// The byte source of the font-program reader: plain files, PFB segments (also damaged ones),
// hexadecimal input, blocks and the failed state. Decryption, seeking, opening and progress are
// checked through the fonts the readers read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "postscript/ps_font_reader.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

using test::bytesOf;
using test::encryptType1;
using test::joined;
using test::pfbEnd;
using test::pfbSegment;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::string_view_literals;

constexpr uint16_t kEexecKey = 55665;

// Reads bytes until the reader fails; the bound keeps a reader that never ends from hanging.
std::vector<uint8_t> readAll(PSFontReader& reader) {
  std::vector<uint8_t> bytes;
  for (std::size_t i = 0; i < 100000; ++i) {
    const uint8_t byte = reader.readByte();
    if (reader.failed()) return bytes;
    bytes.push_back(byte);
  }
  ADD_FAILURE() << "no end";
  return bytes;
}

std::vector<uint8_t> readBytes(PSFontReader& reader, std::size_t count) {
  std::vector<uint8_t> bytes;
  for (std::size_t i = 0; i < count; ++i) bytes.push_back(reader.readByte());
  return bytes;
}

std::string nextToken(PSFontReader& reader) {
  std::string token;
  reader.nextToken(token);
  return token;
}

PSFontReader hexReader(std::string_view text) {
  PSFontReader reader(bytesOf(text));
  reader.setDecrypting(true);
  reader.setHexInput(true);
  return reader;
}

TEST(PfbSegments, HeadersNeverAppearInTheDataAndDamageEndsIt) {
  std::vector<uint8_t> hugeLength = pfbSegment(1, "abcde");
  std::fill(hugeLength.begin() + 2, hugeLength.begin() + 6, 0xFF);
  std::vector<uint8_t> badMarker = joined({pfbSegment(1, "ab"), pfbSegment(1, "cd")});
  badMarker[8] = 0x7F;
  const struct {
    std::vector<uint8_t> file;
    bool plain;
    std::string data;
  } cases[] = {
      // A file is segmented only when its first two bytes are 0x80 0x01.
      {{0x80, 0x02, 'a', 'b'},
       true,
       "\x80\x02"
       "ab"},
      {{}, true, ""},
      {{0x80}, true, "\x80"},
      {joined({pfbSegment(1, "abc"), pfbSegment(1, "de"), pfbEnd()}), false, "abcde"},
      {joined({pfbSegment(1, ""), pfbSegment(1, "a"), pfbSegment(1, ""), pfbSegment(1, ""),
               pfbSegment(1, "b"), pfbEnd()}),
       false, "ab"},
      // A length beyond the file ends at the end of the file.
      {hugeLength, false, "abcde"},
      {joined({pfbSegment(1, "ab"), pfbEnd(), bytesOf("zz")}), false, "ab"},
      {badMarker, false, "ab"},
      {joined({pfbSegment(1, "ab"), pfbSegment(5, "cd")}), false, "ab"},
      {joined({pfbSegment(1, "ab"), std::vector<uint8_t>{0x80, 0x02, 0x01}}), false, "ab"},
      {{0x80, 0x01, 0x05, 0x00}, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::toHex(c.file));
    PSFontReader reader(c.file);
    EXPECT_EQ(reader.plainFile(), c.plain);
    EXPECT_EQ(readAll(reader), bytesOf(c.data));
    EXPECT_TRUE(reader.failed());
  }
  PSFontReader tokens(joined({pfbSegment(1, "/Font"), pfbSegment(1, "Name def"), pfbEnd()}));
  EXPECT_EQ(nextToken(tokens), "/FontName");
}

TEST(PfbSegments, BinarySegmentIsDecryptedFromItsFirstByteOn) {
  const std::vector<uint8_t> secret = bytesOf("\0\0\0\0/lenIV 4 def\n"sv);
  PSFontReader reader(joined({pfbSegment(1, "/FontName /X def\ncurrentfile eexec\n"),
                              pfbSegment(2, encryptType1(secret, kEexecKey)),
                              pfbSegment(1, std::string(512, '0') + "cleartomark\n"), pfbEnd()}));
  for (const char* token : {"/FontName", "/X", "def", "currentfile"})
    EXPECT_EQ(nextToken(reader), token);
  EXPECT_FALSE(reader.decrypting());
  EXPECT_EQ(nextToken(reader), "eexec");
  // The line end after eexec was the last byte of the segment: the next header is consumed
  // with it and has switched decryption on.
  EXPECT_TRUE(reader.binarySegment());
  EXPECT_TRUE(reader.decrypting());
  EXPECT_EQ(reader.position(), 6u + 35u + 6u);
  EXPECT_THAT(readBytes(reader, 4), ElementsAre(0, 0, 0, 0));
  EXPECT_EQ(nextToken(reader), "/lenIV");
  // Decryption stays on in later segments, and a block may cross into them.
  const std::vector<uint8_t> cipher = encryptType1(bytesOf("0123456789"), kEexecKey);
  PSFontReader split(joined({pfbSegment(1, "ab"), pfbSegment(2, std::span(cipher).first(4)),
                             pfbSegment(1, std::span(cipher).subspan(4)), pfbEnd()}));
  EXPECT_EQ(split.readByte(), 'a');
  std::vector<uint8_t> block(5);
  EXPECT_TRUE(split.readBlock(block));
  EXPECT_EQ(block, bytesOf("b0123"));
  EXPECT_EQ(readAll(split), bytesOf("456789"));
}

TEST(HexadecimalInput, OneCipherByteFromTwoDigitsOrAStatus) {
  const struct {
    const char* text;
    uint8_t byte;
    PSFontStatus status;
    bool failed;
  } cases[] = {
      {"8 F", 0x8F ^ (kEexecKey >> 8), PSFontStatus::kFine, false},  // space between the digits
      {"8G", 0, PSFontStatus::kBadHexDigit, false},
      {"\xA9"
       "41",
       0, PSFontStatus::kBadHexDigit, false},  // high bytes are not skipped
      {"4", 0, PSFontStatus::kFine, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    PSFontReader reader = hexReader(c.text);
    EXPECT_EQ(reader.readByte(), c.byte);
    EXPECT_EQ(reader.status(), c.status);
    EXPECT_EQ(reader.failed(), c.failed);
  }
}

TEST(FailedReader, EveryOperationGivesNothing) {
  PSFontReader shortBlock(bytesOf("ab"));
  std::vector<uint8_t> block = {9, 9, 9, 9};
  EXPECT_FALSE(shortBlock.readBlock(block));
  EXPECT_THAT(block, ElementsAre('a', 'b', 0, 0));
  EXPECT_TRUE(shortBlock.failed());

  PSFontReader reader(bytesOf("no [1 2] (s) true def 16#FF 1.5 [3] abc"));
  EXPECT_FALSE(reader.readBoolean());
  ASSERT_TRUE(reader.failed());
  const std::size_t position = reader.position();
  std::string text = "stale";
  std::vector<int32_t> integers = {9};
  std::vector<double> reals = {9.0};
  PSArrayShape shape;
  shape.values = 9;
  EXPECT_EQ(reader.readByte(), 0);
  EXPECT_FALSE(reader.readBlock(block));
  EXPECT_FALSE(reader.nextToken(text));
  EXPECT_THAT(text, IsEmpty());
  EXPECT_EQ(reader.readInteger(), 0);
  EXPECT_EQ(reader.readReal(), 0.0);
  EXPECT_FALSE(reader.readBoolean());
  text = "stale";
  EXPECT_FALSE(reader.readString(text));
  EXPECT_THAT(text, IsEmpty());
  EXPECT_FALSE(reader.readIntegerArray(integers, shape));
  EXPECT_EQ(shape.values, 0u);
  EXPECT_EQ(integers[0], 9);
  EXPECT_FALSE(reader.readRealArray(reals, shape));
  EXPECT_FALSE(reader.skipTo("def"));
  EXPECT_FALSE(reader.skipDefinition());
  EXPECT_FALSE(reader.skipArray());
  EXPECT_FALSE(reader.seek(0));
  EXPECT_EQ(reader.peekRawByte(), -1);
  EXPECT_EQ(reader.position(), position);
  EXPECT_EQ(reader.status(), PSFontStatus::kBooleanExpected);
  // A seek past the end makes the next read fail.
  PSFontReader past(bytesOf("abc"));
  EXPECT_TRUE(past.seek(1000000));
  EXPECT_FALSE(past.failed());
  EXPECT_EQ(past.readByte(), 0);
  EXPECT_TRUE(past.failed());
}

}  // namespace
}  // namespace sorvella
