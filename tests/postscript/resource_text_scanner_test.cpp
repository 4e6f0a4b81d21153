// The resource text scanner: token kinds and texts, numbers, damaged input and files. Real CMaps
// are read through it by the CMap reader's tests.
#include "postscript/resource_text_scanner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace sorvella {
namespace {

using ::testing::ElementsAre;
using Scanner = ResourceTextScanner;
using namespace std::string_view_literals;

struct Token {
  int kind;
  std::string text;
  bool operator==(const Token&) const = default;
};

void PrintTo(const Token& token, std::ostream* out) {
  *out << token.kind << " \"" << token.text << '"';
}

const Token kEndToken{Scanner::kEnd, ""};

class ScannerTest : public ::testing::Test {
 protected:
  // Every token up to and including the first of kind 512. The bound turns a scanner that
  // stops moving into a failure rather than a hang.
  static std::vector<Token> scan(Scanner& scanner, std::size_t bound) {
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < bound; ++i) {
      const int kind = scanner.next();
      tokens.push_back({kind, std::string(scanner.text())});
      if (kind == Scanner::kEnd) return tokens;
    }
    ADD_FAILURE() << "no end after " << bound << " tokens";
    return tokens;
  }

  static std::vector<Token> scan(std::string_view input) {
    Scanner scanner(input);
    return scan(scanner, input.size() + 2);
  }
};

std::string repeat(char c, std::size_t n) {
  return std::string(n, c);
}

// The tokens of one input, the end token left out.
struct TokenCase {
  std::string input;
  std::vector<Token> tokens;
};

TEST_F(ScannerTest, TokenKindsAndTexts) {
  const TokenCase cases[] = {
      // Comments drop only the first percent and run to the line feed; a lone CR stays.
      {"% (a) /b [\n]", {{4, " (a) /b ["}, {16, ""}}},
      {"%a\rb\nc", {{4, "a\rb"}, {0, "c"}}},
      // Strings keep nested parentheses, spaces and high bytes; line ends become two characters,
      // a CR before a LF is dropped.
      {"(a(b)c)()", {{2, "a(b)c"}, {2, ""}}},
      {"(one\ntwo)(x\r\r\ny\r)", {{2, "one\\ntwo"}, {2, "x\\r\\ny\\r"}}},
      // The backslash does not protect the parenthesis, so the string ends there.
      {"(a\\)b) (\\101)", {{2, "a\\"}, {0, "b"}, {0, ")"}, {2, "\\101"}}},
      // Hex strings keep only hex digits; "<<" opens one that runs to the first ">".
      {"<8x1\n4-0/AbCdEf><>", {{1024, "8140AbCdEf"}, {1024, ""}}},
      {"<< /Ab 1 >> x", {{1024, "Ab1"}, {0, ">"}, {0, "x"}}},
      // Names: a slash ends the previous one, digits stay names, separators after the slash skip.
      {"/CMapName/Abc /12 / \n Name", {{1, "CMapName"}, {1, "Abc"}, {1, "12"}, {1, "Name"}}},
      // Words end at each of the ten delimiters and keep other punctuation.
      {"a(b)c<0>d[e]f{g}h/i%j",
       {{0, "a"},
        {2, "b"},
        {0, "c"},
        {1024, "0"},
        {0, "d"},
        {8, ""},
        {0, "e"},
        {16, ""},
        {0, "f"},
        {32, ""},
        {0, "g"},
        {64, ""},
        {0, "h"},
        {1, "i"},
        {4, "j"}}},
      {"GLYPH: a.b;c#d", {{0, "GLYPH:"}, {0, "a.b;c#d"}}},
      // High bytes, control bytes and NUL separate like spaces.
      {std::string("abc\251def\0g\37h \177"sv),
       {{0, "abc"}, {0, "def"}, {0, "g"}, {0, "h"}, {0, "\x7F"}}},
      // Tokens split after 511 characters; a line end that would be cut in half waits.
      {repeat('a', 600), {{0, repeat('a', 511)}, {0, repeat('a', 89)}}},
      {"(" + repeat('x', 515) + ")", {{2, repeat('x', 511)}, {0, "xxxx"}, {0, ")"}}},
      {"(" + repeat('x', 510) + "\ny)", {{2, repeat('x', 510)}, {0, "y"}, {0, ")"}}},
      {"<" + repeat('a', 520) + ">", {{1024, repeat('a', 511)}, {0, repeat('a', 9)}, {0, ">"}}},
      // Truncated input ends the token with what was read; stray closers are words.
      {"(a(b)", {{2, "a(b)"}}},
      {"<0a 1", {{1024, "0a1"}}},
      {" \r\n\t\x90\xFF", {}},
      {"a)b>c", {{0, "a"}, {0, ")"}, {0, "b"}, {0, ">"}, {0, "c"}}},
  };
  for (const TokenCase& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    std::vector<Token> expected = c.tokens;
    expected.push_back(kEndToken);
    EXPECT_EQ(scan(c.input), expected);
  }
}

// The word read, its kind, and the two value slots afterwards.
struct NumberCase {
  std::string word;
  int kind;
  int32_t integer;
  double real;
};

TEST_F(ScannerTest, NumberKindsAndValues) {
  constexpr double kMax = std::numeric_limits<double>::max();
  const NumberCase cases[] = {
      // Decimal integers fill both slots; beyond 32 bits they are reals.
      {"-2147483648", 128, INT32_MIN, -2147483648.0},
      {"2147483648", 256, INT32_MAX, 2147483648.0},
      {"-2147483649", 256, INT32_MIN, -2147483649.0},
      // Reals truncate toward zero into the integer slot.
      {"-2.9", 256, -2, -2.9},
      {"1.5E2", 256, 150, 150.0},
      // Minus signs may stand anywhere in either part; conversion stops where a number would.
      {"2e1-", 256, 20, 20.0},
      // Real shapes without a number end the input; broken ones are words.
      {"-", 512, 0, 0},
      {"1e+3", 0, 0, 0},
      {"1..2", 0, 0, 0},
      // Reals beyond the double range stay finite.
      {"-1e400", 256, INT32_MIN, -kMax},
      {"1e99999999999", 256, INT32_MAX, kMax},
      // Radix numbers sum digits times powers of the base, the digits not held to the base, and
      // wrap at 32 bits.
      {"8#17", 128, 15, 15.0},
      {"2#19", 128, 11, 11.0},
      {"16#FF", 0, 0, 0},
      {"27#1", 512, 0, 0},
      {"8#1#2", 512, 0, 0},
      {"10#2147483648", 128, INT32_MIN, -2147483648.0},
      {"2#" + std::string(31, '1') + "0", 128, -2, -2.0},
      {"10#4294967296", 512, 0, 0},
  };
  for (const NumberCase& expected : cases) {
    SCOPED_TRACE(expected.word);
    Scanner scanner(expected.word);
    const int kind = scanner.next();
    EXPECT_EQ(kind, expected.kind);
    EXPECT_EQ(scanner.text(), kind == Scanner::kEnd ? "" : expected.word);
    if (kind == Scanner::kInteger || kind == Scanner::kReal) {
      EXPECT_EQ(scanner.integerValue(), expected.integer);
      EXPECT_DOUBLE_EQ(scanner.realValue(), expected.real);
    }
    EXPECT_EQ(scanner.next(), Scanner::kEnd);
  }
}

TEST_F(ScannerTest, SlotsKeepTheLastNumberAndTheEndKeepsAnswering) {
  Scanner scanner("2.5 abc (s) - 7 " + repeat('9', 520));
  EXPECT_EQ(scanner.next(), Scanner::kReal);
  EXPECT_EQ(scanner.next(), Scanner::kWord);
  EXPECT_EQ(scanner.next(), Scanner::kString);
  EXPECT_EQ(scanner.next(), Scanner::kEnd);
  EXPECT_EQ(scanner.integerValue(), 2);
  EXPECT_DOUBLE_EQ(scanner.realValue(), 2.5);
  // A number without a value ends the input for callers, but the text after it can be read.
  EXPECT_FALSE(scanner.atEndOfInput());
  EXPECT_EQ(scanner.next(), Scanner::kInteger);
  EXPECT_EQ(scanner.integerValue(), 7);
  // Long digit runs split into numbers.
  EXPECT_EQ(scanner.next(), Scanner::kReal);
  EXPECT_EQ(scanner.text().size(), 511u);
  EXPECT_EQ(scanner.integerValue(), INT32_MAX);
  EXPECT_EQ(scanner.next(), Scanner::kInteger);
  EXPECT_EQ(scanner.integerValue(), 999999999);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(scanner.next(), Scanner::kEnd);
  EXPECT_TRUE(scanner.atEndOfInput());
}

// A file that cannot be read, or one above 64 MiB, leaves the scanner closed and empty.
TEST_F(ScannerTest, FilesThatCannotBeReadOrExceed64MiBDoNotOpen) {
  test::TempFolder folder;
  test::writeFile(folder / "a.cmp", "%!PS-Adobe-3.0 Resource-CMap\r\n/WMode 1 def\r\n");
  test::writeFile(folder / "huge", "");
  std::filesystem::resize_file(folder / "huge", Scanner::kMaxFileSize + 1);  // sparse
  Scanner scanner;
  for (const auto& unreadable : {folder / "missing.cmp", folder.path(), folder / "huge"}) {
    ASSERT_TRUE(scanner.open(folder / "a.cmp"));
    EXPECT_TRUE(scanner.isOpen());
    EXPECT_FALSE(scanner.open(unreadable)) << unreadable;
    EXPECT_FALSE(scanner.isOpen());
    EXPECT_EQ(scanner.next(), Scanner::kEnd);
  }
}

}  // namespace
}  // namespace sorvella
