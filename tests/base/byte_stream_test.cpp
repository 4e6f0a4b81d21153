#include "base/byte_stream.h"

#include <gtest/gtest.h>

#include "support/bytes.h"

namespace sorvella {
namespace {

TEST(ByteWriter, WritesBothByteOrders) {
  ByteWriter out;
  out.put16le(0x1234);
  out.put32le(0x89ABCDEF);
  out.put16be(0x1234);
  out.put32be(0x89ABCDEF);
  out.put64le(0x0102030405060708ull);
  EXPECT_EQ(test::toHex(out.bytes()),
            "34 12 EF CD AB 89 12 34 89 AB CD EF 08 07 06 05 04 03 02 01");
}

TEST(ByteWriter, DropsWhatDoesNotFitButCountsIt) {
  ByteWriter out(5);
  out.put32be(0x01020304);
  EXPECT_TRUE(out.fitted());
  out.put16le(0x0605);
  out.putBytes(std::string_view("abc"));
  EXPECT_EQ(test::toHex(out.bytes()), "01 02 03 04 05");
  EXPECT_EQ(out.position(), 9u);
  EXPECT_FALSE(out.fitted());
}

TEST(ByteReader, ReadsBothByteOrdersAndZeroPastTheEnd) {
  auto bytes = test::fromHex("34 12 EF CD AB 89 12 34 AA");
  ByteReader in(bytes);
  EXPECT_EQ(in.get16le(), 0x1234);
  EXPECT_EQ(in.get32le(), 0x89ABCDEFu);
  EXPECT_EQ(in.get16be(), 0x1234);
  EXPECT_FALSE(in.overran());
  EXPECT_EQ(in.get16be(), 0xAA00);  // the missing byte reads as zero
  EXPECT_TRUE(in.overran());
  EXPECT_EQ(in.get32le(), 0u);
}

TEST(ByteReader, BlockReadsZeroFillAndSkipsStopAtTheEnd) {
  auto bytes = test::fromHex("01 02 03");
  ByteReader in(bytes);
  in.skip(1);
  uint8_t block[4] = {9, 9, 9, 9};
  in.getBytes(block, 4);
  EXPECT_EQ(block[0], 2);
  EXPECT_EQ(block[1], 3);
  EXPECT_EQ(block[2], 0);
  EXPECT_EQ(block[3], 0);
  EXPECT_TRUE(in.atEnd());
  ByteReader other(bytes);
  other.skip(10);
  EXPECT_TRUE(other.overran());
  EXPECT_EQ(other.position(), 3u);
}

}  // namespace
}  // namespace sorvella
