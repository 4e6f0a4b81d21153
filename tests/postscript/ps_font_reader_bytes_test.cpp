// The byte source of the font-program reader: plain files, PFB segments (also damaged ones),
// eexec decryption of binary and hexadecimal input, blocks, charstrings, seeking, opening,
// the failed state and the progress callback.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "postscript/ps_font_reader.h"
#include "support/temp_folder.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

using test::bytesOf;
using test::encryptType1;
using test::joined;
using test::pfbEnd;
using test::pfbSegment;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using namespace std::string_view_literals;

class ByteSourceTest : public ::testing::Test {
 protected:
  // Reads bytes until the reader fails; the bound keeps a reader that never ends from hanging.
  static std::vector<uint8_t> readAll(PSFontReader& reader, std::size_t bound = 100000) {
    std::vector<uint8_t> bytes;
    for (std::size_t i = 0; i < bound; ++i) {
      const uint8_t byte = reader.readByte();
      if (reader.failed()) return bytes;
      bytes.push_back(byte);
    }
    ADD_FAILURE() << "no end after " << bound << " bytes";
    return bytes;
  }

  static std::vector<uint8_t> readBytes(PSFontReader& reader, std::size_t count) {
    std::vector<uint8_t> bytes;
    for (std::size_t i = 0; i < count; ++i) bytes.push_back(reader.readByte());
    return bytes;
  }

  static std::string nextToken(PSFontReader& reader) {
    std::string token;
    reader.nextToken(token);
    return token;
  }
};

class PlainFiles : public ByteSourceTest {};

TEST_F(PlainFiles, FirstTwoBytesAreData) {
  PSFontReader reader(std::vector<uint8_t>{0x80, 0x02, 'a', 'b'});
  EXPECT_TRUE(reader.plainFile());
  EXPECT_THAT(readAll(reader), ElementsAre(0x80, 0x02, 'a', 'b'));
}

TEST_F(PlainFiles, ReadingPastTheEndFails) {
  PSFontReader reader(bytesOf("ab"));
  EXPECT_EQ(reader.readByte(), 'a');
  EXPECT_EQ(reader.readByte(), 'b');
  EXPECT_FALSE(reader.failed());
  EXPECT_EQ(reader.readByte(), 0);
  EXPECT_TRUE(reader.failed());
}

TEST_F(PlainFiles, EmptyAndOneByteFilesArePlain) {
  PSFontReader empty(std::vector<uint8_t>{});
  EXPECT_TRUE(empty.plainFile());
  EXPECT_THAT(readAll(empty), IsEmpty());
  PSFontReader one(std::vector<uint8_t>{0x80});
  EXPECT_TRUE(one.plainFile());
  EXPECT_THAT(readAll(one), ElementsAre(0x80));
}

class PfbSegments : public ByteSourceTest {};

TEST_F(PfbSegments, HeadersNeverAppearInTheDataAndDamageEndsIt) {
  std::vector<uint8_t> hugeLength = pfbSegment(1, "abcde");
  std::fill(hugeLength.begin() + 2, hugeLength.begin() + 6, 0xFF);
  std::vector<uint8_t> badMarker = joined({pfbSegment(1, "ab"), pfbSegment(1, "cd")});
  badMarker[8] = 0x7F;
  const struct {
    std::vector<uint8_t> file;
    std::string data;
  } cases[] = {
      {joined({pfbSegment(1, "abc"), pfbSegment(1, "de"), pfbEnd()}), "abcde"},
      {joined({pfbSegment(1, ""), pfbSegment(1, "a"), pfbSegment(1, ""), pfbSegment(1, ""),
               pfbSegment(1, "b"), pfbEnd()}),
       "ab"},
      // A length beyond the file ends at the end of the file.
      {hugeLength, "abcde"},
      {joined({pfbSegment(1, "ab"), pfbEnd(), bytesOf("zz")}), "ab"},
      {badMarker, "ab"},
      {joined({pfbSegment(1, "ab"), pfbSegment(5, "cd")}), "ab"},
      {joined({pfbSegment(1, "ab"), std::vector<uint8_t>{0x80, 0x02, 0x01}}), "ab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::toHex(c.file));
    PSFontReader reader(c.file);
    EXPECT_FALSE(reader.plainFile());
    EXPECT_EQ(readAll(reader), bytesOf(c.data));
  }
  PSFontReader truncatedAtStart(std::vector<uint8_t>{0x80, 0x01, 0x05, 0x00});
  EXPECT_FALSE(truncatedAtStart.plainFile());
  EXPECT_THAT(readAll(truncatedAtStart), IsEmpty());
  EXPECT_TRUE(truncatedAtStart.failed());
}

TEST_F(PfbSegments, TokenRunsAcrossASegmentBoundary) {
  PSFontReader reader(joined({pfbSegment(1, "/Font"), pfbSegment(1, "Name def"), pfbEnd()}));
  EXPECT_EQ(nextToken(reader), "/FontName");
  EXPECT_EQ(nextToken(reader), "def");
}

TEST_F(PfbSegments, BinarySegmentIsDecryptedFromItsFirstByte) {
  const std::vector<uint8_t> secret = bytesOf("\0\0\0\0/lenIV 4 def\n"sv);
  PSFontReader reader(joined({pfbSegment(1, "/FontName /X def\ncurrentfile eexec\n"),
                              pfbSegment(2, encryptType1(secret, 55665)),
                              pfbSegment(1, std::string(512, '0') + "cleartomark\n"), pfbEnd()}));
  EXPECT_EQ(nextToken(reader), "/FontName");
  EXPECT_EQ(nextToken(reader), "/X");
  EXPECT_EQ(nextToken(reader), "def");
  EXPECT_EQ(nextToken(reader), "currentfile");
  EXPECT_FALSE(reader.decrypting());
  EXPECT_EQ(nextToken(reader), "eexec");
  // The line end after eexec was the last byte of the segment: the next header is consumed
  // with it and has switched decryption on.
  EXPECT_TRUE(reader.binarySegment());
  EXPECT_TRUE(reader.decrypting());
  EXPECT_EQ(reader.position(), 6u + 35u + 6u);
  EXPECT_THAT(readBytes(reader, 4), ElementsAre(0, 0, 0, 0));
  EXPECT_EQ(nextToken(reader), "/lenIV");
  EXPECT_EQ(nextToken(reader), "4");
  EXPECT_EQ(nextToken(reader), "def");
}

TEST_F(PfbSegments, DecryptionStaysOnInLaterSegments) {
  const std::vector<uint8_t> cipher = encryptType1(bytesOf("0123456789"), 55665);
  const std::vector<uint8_t> first(cipher.begin(), cipher.begin() + 4);
  const std::vector<uint8_t> second(cipher.begin() + 4, cipher.end());
  PSFontReader reader(
      joined({pfbSegment(1, "x"), pfbSegment(2, first), pfbSegment(1, second), pfbEnd()}));
  EXPECT_EQ(reader.readByte(), 'x');
  EXPECT_THAT(readAll(reader), ElementsAreArray(bytesOf("0123456789")));
}

TEST_F(PfbSegments, BlockMayCrossASegmentBoundary) {
  const std::vector<uint8_t> cipher = encryptType1(bytesOf("XYZ"), 55665);
  PSFontReader reader(joined({pfbSegment(1, "ab\n"), pfbSegment(2, cipher), pfbEnd()}));
  EXPECT_EQ(reader.readByte(), 'a');
  std::vector<uint8_t> block(5);
  EXPECT_TRUE(reader.readBlock(block));
  EXPECT_THAT(block, ElementsAre('b', '\n', 'X', 'Y', 'Z'));
}

class EexecDecryption : public ByteSourceTest {};

TEST_F(EexecDecryption, FirstBytesOfARealFont) {
  // The start of the binary segment of NimbusSans-Regular.pfb; its disassembly begins with
  // "dup /Private" after the four lead-in bytes.
  PSFontReader reader(std::vector<uint8_t>{0xd9, 0xd6, 0x6f, 0x63, 0x3b, 0x84, 0x6a, 0x98, 0x9b,
                                           0x99, 0x74, 0xb0, 0x17, 0x9f, 0xc6, 0xcc});
  reader.setDecrypting(true);
  const std::vector<uint8_t> plain = readAll(reader);
  ASSERT_EQ(plain.size(), 16u);
  EXPECT_EQ(plain[0], 0xd9 ^ (55665 >> 8));
  EXPECT_EQ(std::string(plain.begin() + 4, plain.end()), "dup /Private");
}

TEST_F(EexecDecryption, RoundTripOfEveryByteValue) {
  std::vector<uint8_t> plain;
  for (int i = 0; i < 256 * 3; ++i) plain.push_back(static_cast<uint8_t>(i * 7 + i / 256));
  PSFontReader reader(encryptType1(plain, 55665));
  reader.setDecrypting(true);
  EXPECT_EQ(readAll(reader), plain);
}

TEST_F(EexecDecryption, ResetKeyStartsOver) {
  const std::vector<uint8_t> plain = bytesOf("abcdefgh");
  PSFontReader reader(encryptType1(plain, 55665));
  reader.setDecrypting(true);
  EXPECT_THAT(readBytes(reader, 3), ElementsAre('a', 'b', 'c'));
  reader.seek(0);
  reader.resetEexecKey();
  EXPECT_EQ(readAll(reader), plain);
}

TEST_F(EexecDecryption, DecryptingOffReadsClearText) {
  PSFontReader reader(joined({bytesOf("ab"), encryptType1(bytesOf("cd"), 55665), bytesOf("ef")}));
  EXPECT_THAT(readBytes(reader, 2), ElementsAre('a', 'b'));
  reader.setDecrypting(true);
  EXPECT_THAT(readBytes(reader, 2), ElementsAre('c', 'd'));
  reader.setDecrypting(false);
  EXPECT_THAT(readAll(reader), ElementsAre('e', 'f'));
}

TEST_F(EexecDecryption, BlockUsesTheRunningKey) {
  const std::vector<uint8_t> plain = bytesOf("dup 0 9 RD 123456789NP");
  PSFontReader reader(encryptType1(plain, 55665));
  reader.setDecrypting(true);
  EXPECT_THAT(readBytes(reader, 11), ElementsAreArray(bytesOf("dup 0 9 RD ")));
  std::vector<uint8_t> block(9);
  EXPECT_TRUE(reader.readBlock(block));
  EXPECT_THAT(block, ElementsAreArray(bytesOf("123456789")));
  EXPECT_EQ(nextToken(reader), "NP");
}

class HexadecimalInput : public ByteSourceTest {
 protected:
  static PSFontReader hexReader(std::string_view text) {
    PSFontReader reader(bytesOf(text));
    reader.setDecrypting(true);
    reader.setHexInput(true);
    return reader;
  }
};

TEST_F(HexadecimalInput, OneCipherByteFromTwoDigitsOrAStatus) {
  const struct {
    const char* text;
    uint8_t byte;
    PSFontStatus status;
    bool failed;
  } cases[] = {
      {"8 F", 0x8F ^ (55665 >> 8), PSFontStatus::kFine, false},  // space between the digits
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

TEST_F(HexadecimalInput, EitherCaseAndLineBreaks) {
  const std::vector<uint8_t> plain = bytesOf("\x01\x02\x03\x04/Private 10 dict begin");
  const std::vector<uint8_t> cipher = encryptType1(plain, 55665);
  std::string lower = test::hexLines(cipher, 6);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  PSFontReader upperReader = hexReader(test::hexLines(cipher, 8));
  EXPECT_EQ(readAll(upperReader), plain);
  PSFontReader lowerReader = hexReader("\r\n\t " + lower);
  EXPECT_EQ(readAll(lowerReader), plain);
}

TEST_F(HexadecimalInput, ClearedStatusLetsReadingGoOnInClearText) {
  PSFontReader reader = hexReader("D9 xclosefile");
  EXPECT_EQ(reader.readByte(), 0);  // 0xD9 decrypts to 0 under the first key
  EXPECT_EQ(reader.readByte(), 0);  // x is no digit
  EXPECT_EQ(reader.status(), PSFontStatus::kBadHexDigit);
  reader.setStatus(PSFontStatus::kFine);
  reader.setDecrypting(false);
  reader.setHexInput(false);
  EXPECT_EQ(nextToken(reader), "closefile");
}

// Clear text resumes at the pair that failed: a lone digit before the bad byte is text too.
TEST_F(HexadecimalInput, ResumePositionIsTheStartOfTheFailedPair) {
  PSFontReader firstBad = hexReader("D9 \nxy");
  firstBad.readByte();
  EXPECT_EQ(firstBad.readByte(), 0);
  EXPECT_EQ(firstBad.status(), PSFontStatus::kBadHexDigit);
  EXPECT_EQ(firstBad.badHexResumePosition(), 4u);
  PSFontReader secondBad = hexReader("D9 d\nup 8G");
  secondBad.readByte();
  EXPECT_EQ(secondBad.readByte(), 0);
  EXPECT_EQ(secondBad.badHexResumePosition(), 3u);
  secondBad.readByte();  // a later bad digit does not move it
  EXPECT_EQ(secondBad.badHexResumePosition(), 3u);
}

TEST_F(HexadecimalInput, ClearTextCanResumeByItselfAtTheFailedPair) {
  PSFontReader reader = hexReader("D9 d\nup 8G");
  reader.setClearTextAfterBadHexDigit(true);
  EXPECT_EQ(reader.readByte(), 0);
  EXPECT_EQ(reader.readByte(), 0);  // u is no digit
  EXPECT_EQ(reader.status(), PSFontStatus::kBadHexDigit);
  EXPECT_FALSE(reader.decrypting());
  EXPECT_FALSE(reader.hexInput());
  EXPECT_EQ(nextToken(reader), "d");
  EXPECT_EQ(nextToken(reader), "up");
}

TEST_F(HexadecimalInput, BlocksAreNotDecoded) {
  const std::vector<uint8_t> cipher = encryptType1(bytesOf("AB"), 55665);
  PSFontReader reader(cipher);
  reader.setDecrypting(true);
  reader.setHexInput(true);
  std::vector<uint8_t> block(2);
  EXPECT_TRUE(reader.readBlock(block));
  EXPECT_THAT(block, ElementsAre('A', 'B'));
}

class CharstringDecryption : public ByteSourceTest {};

TEST_F(CharstringDecryption, EachCallStartsWithAFreshKey) {
  // 17 667 hsbw endchar after four lead-in bytes.
  const std::vector<uint8_t> first = {0x00, 0x00, 0x00, 0x00, 156, 249, 47, 13, 14};
  const std::vector<uint8_t> second = {0x11, 0x22, 0x33, 0x44, 11};
  std::vector<uint8_t> a = encryptType1(first, 4330);
  std::vector<uint8_t> b = encryptType1(second, 4330);
  PSFontReader::decryptCharstring(a);
  PSFontReader::decryptCharstring(b);
  EXPECT_EQ(a, first);
  EXPECT_EQ(b, second);
}

TEST_F(CharstringDecryption, LeavesTheEexecKeyAlone) {
  const std::vector<uint8_t> plain = bytesOf("abcdef");
  PSFontReader reader(encryptType1(plain, 55665));
  reader.setDecrypting(true);
  EXPECT_THAT(readBytes(reader, 3), ElementsAre('a', 'b', 'c'));
  std::vector<uint8_t> charstring = encryptType1(bytesOf("xyz"), 4330);
  PSFontReader::decryptCharstring(charstring);
  EXPECT_THAT(charstring, ElementsAre('x', 'y', 'z'));
  EXPECT_THAT(readAll(reader), ElementsAre('d', 'e', 'f'));
}

class Seeking : public ByteSourceTest {};

TEST_F(Seeking, PeekDoesNotConsumeOrDecrypt) {
  const std::vector<uint8_t> cipher = encryptType1(bytesOf("q"), 55665);
  PSFontReader reader(joined({bytesOf("\r\n"), cipher}));
  EXPECT_EQ(reader.peekRawByte(), '\r');
  EXPECT_EQ(reader.readByte(), '\r');
  EXPECT_EQ(reader.readByte(), '\n');
  EXPECT_EQ(reader.peekRawByte(), cipher[0]);
  EXPECT_EQ(reader.position(), 2u);
  reader.setDecrypting(true);
  EXPECT_EQ(reader.readByte(), 'q');
  EXPECT_EQ(reader.peekRawByte(), -1);
  EXPECT_FALSE(reader.failed());
}

TEST_F(Seeking, PeekAtTheStartOfASegmentedFileSkipsTheHeader) {
  PSFontReader reader(joined({pfbSegment(1, "z"), pfbEnd()}));
  EXPECT_EQ(reader.peekRawByte(), 'z');
  EXPECT_EQ(reader.position(), 6u);
}

TEST_F(Seeking, SeekBackReadsAgainAndForgetsThePushedBackCharacter) {
  PSFontReader reader(bytesOf("abc/def ghi"));
  EXPECT_EQ(nextToken(reader), "abc");
  EXPECT_TRUE(reader.seek(0));
  EXPECT_EQ(nextToken(reader), "abc");
  EXPECT_TRUE(reader.seek(8));
  EXPECT_EQ(nextToken(reader), "ghi");
}

TEST_F(Seeking, SeekPastTheEndMakesTheNextReadFail) {
  PSFontReader reader(bytesOf("abc"));
  EXPECT_TRUE(reader.seek(1000000));
  EXPECT_FALSE(reader.failed());
  EXPECT_EQ(reader.readByte(), 0);
  EXPECT_TRUE(reader.failed());
}

class FailedReader : public ByteSourceTest {};

TEST_F(FailedReader, EveryOperationGivesNothing) {
  PSFontReader reader(bytesOf("no [1 2] (s) true def 16#FF 1.5 [3] abc"));
  EXPECT_FALSE(reader.readBoolean());
  ASSERT_TRUE(reader.failed());
  const std::size_t position = reader.position();
  std::string text = "stale";
  std::vector<uint8_t> block = {9, 9};
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
}

TEST_F(FailedReader, ShortBlockIsZeroFilledAndFails) {
  PSFontReader reader(bytesOf("ab"));
  std::vector<uint8_t> block = {9, 9, 9, 9};
  EXPECT_FALSE(reader.readBlock(block));
  EXPECT_THAT(block, ElementsAre('a', 'b', 0, 0));
  EXPECT_TRUE(reader.failed());
}

TEST_F(FailedReader, MarkedByAParser) {
  PSFontReader reader(bytesOf("abc"));
  reader.markFailed();
  EXPECT_EQ(reader.readByte(), 0);
  EXPECT_EQ(reader.position(), 0u);
}

class Opening : public ByteSourceTest {};

TEST_F(Opening, ReadsTheFileAndKeepsThePath) {
  test::TempFolder folder;
  const auto path = folder / "font.pfb";
  test::writeFile(path, "\x80\x01\x02\x00\x00\x00hi\x80\x03"sv);
  PSFontReader reader;
  EXPECT_TRUE(reader.open(path));
  EXPECT_TRUE(reader.isOpen());
  EXPECT_EQ(reader.path(), path);
  EXPECT_FALSE(reader.plainFile());
  EXPECT_EQ(reader.size(), 10u);
  EXPECT_THAT(readAll(reader), ElementsAre('h', 'i'));
}

TEST_F(Opening, MissingFileOrFolderFails) {
  test::TempFolder folder;
  PSFontReader missing;
  EXPECT_FALSE(missing.open(folder / "none.pfb"));
  EXPECT_TRUE(missing.failed());
  EXPECT_EQ(missing.path(), folder / "none.pfb");
  EXPECT_EQ(missing.readByte(), 0);
  PSFontReader directory;
  EXPECT_FALSE(directory.open(folder.path()));
  EXPECT_TRUE(directory.failed());
}

TEST_F(Opening, OpenStartsFromInitialValues) {
  test::TempFolder folder;
  test::writeFile(folder / "a.t1", "/a");
  PSFontReader reader(bytesOf("xyz"));
  reader.setLenIV(-1);
  reader.setDefinitionEndWord("|-");
  reader.setStatus(PSFontStatus::kBadHexDigit);
  reader.setDecrypting(true);
  reader.setHexInput(true);
  reader.addSubroutine({{1}, 1});
  EXPECT_TRUE(reader.open(folder / "a.t1"));
  EXPECT_EQ(reader.lenIV(), 4);
  EXPECT_EQ(reader.definitionEndWord(), "ND");
  EXPECT_EQ(reader.status(), PSFontStatus::kFine);
  EXPECT_FALSE(reader.decrypting());
  EXPECT_FALSE(reader.hexInput());
  EXPECT_THAT(reader.subroutines(), IsEmpty());
  EXPECT_EQ(nextToken(reader), "/a");
}

class Progress : public ByteSourceTest {
 protected:
  using Call = std::tuple<int, int64_t, int64_t>;

  ProgressCallback recorder(int cancelAt = -1) {
    return [this, cancelAt](int kind, int64_t a, int64_t b) {
      calls_.emplace_back(kind, a, b);
      return kind == kProgressPosition && a == cancelAt ? 1 : 0;
    };
  }

  std::vector<Call> calls_;
};

TEST_F(Progress, AnnouncesTheRangeThenEveryBlockOf1024Bytes) {
  PSFontReader reader(std::vector<uint8_t>(3000, 'a'));
  reader.setProgressCallback(recorder());
  readAll(reader);
  EXPECT_THAT(calls_,
              ElementsAre(Call{2, 0, 3000}, Call{1, 0, 0}, Call{1, 1024, 0}, Call{1, 2048, 0}));
  EXPECT_EQ(reader.status(), PSFontStatus::kFine);
}

TEST_F(Progress, HexadecimalInputReportsEveryBlockItEnters) {
  // After the first, each byte starts three raw bytes on, at 2, 5, 8, ...: never at 1024 or
  // 3072, but in every block.
  std::string text = "0";
  for (int i = 0; i < 1200; ++i) text += "00 ";
  PSFontReader reader(bytesOf(text));
  reader.setDecrypting(true);
  reader.setHexInput(true);
  reader.setProgressCallback(recorder());
  readAll(reader);
  ASSERT_EQ(calls_.size(), 5u);
  EXPECT_EQ(calls_[0], (Call{2, 0, 3601}));
  EXPECT_EQ(calls_[1], (Call{1, 0, 0}));
  EXPECT_EQ(calls_[2], (Call{1, 1025, 0}));
  EXPECT_EQ(calls_[3], (Call{1, 2048, 0}));
  EXPECT_EQ(calls_[4], (Call{1, 3074, 0}));
}

TEST_F(Progress, NonZeroAnswerSetsStatus100) {
  PSFontReader reader(std::vector<uint8_t>(3000, 'a'));
  reader.setProgressCallback(recorder(1024));
  EXPECT_EQ(readBytes(reader, 1024).size(), 1024u);
  EXPECT_EQ(reader.status(), PSFontStatus::kFine);
  reader.readByte();
  EXPECT_EQ(reader.status(), PSFontStatus::kCancelled);
}

TEST_F(Progress, CancelQueryAsksTheCallback) {
  PSFontReader reader(bytesOf("a"));
  EXPECT_FALSE(reader.cancelRequested());
  EXPECT_EQ(reader.reportProgress(1, 5, 0), 0);
  reader.setProgressCallback([](int kind, int64_t, int64_t) { return kind == 0 ? 1 : 0; });
  EXPECT_TRUE(reader.cancelRequested());
  EXPECT_EQ(reader.status(), PSFontStatus::kFine);
}

}  // namespace
}  // namespace sorvella
