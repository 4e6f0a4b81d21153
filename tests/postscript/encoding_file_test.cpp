#include "postscript/encoding_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace sorvella {
namespace {

using namespace std::string_literals;

class EncodingFirstLine : public ::testing::Test {};

TEST_F(EncodingFirstLine, NumberBeforeTheSemicolonAndTheRestAsName) {
  auto header = parseEncodingFirstLine("%%VANTREL ENCODING: 1; Standard");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->number, 1);
  EXPECT_EQ(header->displayName, "Standard");
  header = parseEncodingFirstLine("%%VANTREL ENCODING:   -12x;\t Mine; too ");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->number, -12);  // as "%d" reads it: blanks before, junk after ignored
  EXPECT_EQ(header->displayName, "Mine; too ");
  EXPECT_EQ(parseEncodingFirstLine("%%VANTREL ENCODING: 9;")->displayName, "");
}

TEST_F(EncodingFirstLine, AnythingElseIsNotAnEncodingFile) {
  for (const std::string& line : std::vector<std::string>{
           "%%VANTREL ENCODING:1; Standard", " %%VANTREL ENCODING: 1; Standard",
           "%%VANTREL ENCODING: ; Standard", "%%VANTREL ENCODING: +; Standard",
           "%%VANTREL ENCODING: 2147483648; Big", "%%VANTREL ENCODING: 1\0; Cut"s, ""}) {
    EXPECT_FALSE(parseEncodingFirstLine(line)) << line;
  }
  EXPECT_EQ(parseEncodingFirstLine("%%VANTREL ENCODING: -2147483648; Small")->number, INT32_MIN);
}

class EncodingEntries : public ::testing::Test {
 protected:
  static EncodingTable read(const std::string& text) {
    std::istringstream in(text);
    EncodingTable table;
    table.assign(0, "stale");
    readEncodingEntries(in, table);
    return table;
  }
};

TEST_F(EncodingEntries, EachNameGoesToItsCodeAndTheRestKeepPlaceholders) {
  EncodingTable table = read("x\r\nA 65\r\n  B\t66 C\n67\r\n");
  EXPECT_EQ(table.name(65), "A");
  EXPECT_EQ(table.name(66), "B");
  EXPECT_EQ(table.codeOf("C"), 67);
  EXPECT_EQ(table.name(0), ".0000");  // reset before reading
  EXPECT_EQ(table.codeOf("stale"), -1);
  EXPECT_EQ(table.name(255), ".0255");
}

TEST_F(EncodingEntries, ANamePresentAlreadyIsIgnored) {
  EncodingTable table = read("x\nA 65\nA 97\n.0066 98\nB 66\n.0066 99\n");
  EXPECT_EQ(table.name(65), "A");
  EXPECT_EQ(table.name(97), ".0097");
  EXPECT_TRUE(table.isPlaceholder(97));
  EXPECT_EQ(table.name(98), ".0098");    // .0066 was code 66's placeholder then
  EXPECT_EQ(table.codeOf(".0066"), 99);  // and free once B took code 66
  EXPECT_FALSE(table.isPlaceholder(99));
}

// Codes outside the table are ignored, a word where a code belongs starts the next entry, and
// the whole first line is skipped.
TEST_F(EncodingEntries, DamagedEntriesAreSkipped) {
  EncodingTable table = read(std::string(600, 'h') +
                             " 65\nA -1\nB 256\nC 99999999999999999999999\n"
                             "D -99999999999999999999\nE 0\nF 255\nLost\nG 66\nH 6x7 70\n8 I");
  for (const char* name : {"A", "B", "C", "D", "Lost", "H", "8", "I"})
    EXPECT_EQ(table.codeOf(name), -1) << name;
  EXPECT_EQ(table.name(0), "E");
  EXPECT_EQ(table.name(255), "F");
  EXPECT_EQ(table.name(65), ".0065");
  EXPECT_EQ(table.name(66), "G");
  EXPECT_EQ(table.name(70), "6x7");
}

}  // namespace
}  // namespace sorvella
