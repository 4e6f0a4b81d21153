// The resource text scanner: token kinds and texts, numbers, damaged input, and real CMaps.
#include "postscript/resource_text_scanner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "postscript/keyword_table.h"
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
      {"%%BeginSetup\n%!PS-Adobe-3.0 Resource-CMap\n",
       {{4, "%BeginSetup"}, {4, "!PS-Adobe-3.0 Resource-CMap"}}},
      {"%\nx", {{4, ""}, {0, "x"}}},
      {"a%", {{0, "a"}, {4, ""}}},
      {"% (a) /b [\n]", {{4, " (a) /b ["}, {16, ""}}},
      {"%a\rb\nc", {{4, "a\rb"}, {0, "c"}}},
      // Strings keep nested parentheses, spaces and high bytes; line ends become two characters.
      {"(a(b)c)", {{2, "a(b)c"}}},
      {"()(())", {{2, ""}, {2, "()"}}},
      {"(one\ntwo)", {{2, "one\\ntwo"}}},
      {"(one\rtwo)", {{2, "one\\rtwo"}}},
      {"( a\t\xA9 )", {{2, " a\t\xA9 "}}},
      // The backslash does not protect the parenthesis, so the string ends there.
      {"(a\\)b) (\\101)", {{2, "a\\"}, {0, "b"}, {0, ")"}, {2, "\\101"}}},
      // Hex strings keep only hex digits; "<<" opens one that runs to the first ">".
      {"<00 1f>", {{1024, "001f"}}},
      {"<8x1\n4-0/AbCdEf>", {{1024, "8140AbCdEf"}}},
      {"<>", {{1024, ""}}},
      {"<< /Ab 1 >> x", {{1024, "Ab1"}, {0, ">"}, {0, "x"}}},
      // Names: a slash ends the previous one, digits stay names, separators after the slash skip.
      {"/CMapName/Abc", {{1, "CMapName"}, {1, "Abc"}}},
      {"/12 /90ms-RKSJ-H", {{1, "12"}, {1, "90ms-RKSJ-H"}}},
      {"/ \n Name", {{1, "Name"}}},
      {"//x/(s)", {{1, ""}, {1, "x"}, {1, ""}, {2, "s"}}},
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
      // High bytes (octal 251, 200, 377), control bytes and NUL separate like spaces.
      {"abc\251def\200g\377h", {{0, "abc"}, {0, "def"}, {0, "g"}, {0, "h"}}},
      {std::string("a\0b\1c\37d \177"sv), {{0, "a"}, {0, "b"}, {0, "c"}, {0, "d"}, {0, "\x7F"}}},
      {"[1]{x}", {{8, ""}, {128, "1"}, {16, ""}, {32, ""}, {0, "x"}, {64, ""}}},
      // A CR before a LF is dropped.
      {"%a\r\nb\r\n(x\r\ny)", {{4, "a"}, {0, "b"}, {2, "x\\ny"}}},
      {"(x\r\r\ny\r)", {{2, "x\\r\\ny\\r"}}},
      // Tokens split after 511 characters; a line end that would be cut in half waits.
      {repeat('a', 511), {{0, repeat('a', 511)}}},
      {repeat('a', 600), {{0, repeat('a', 511)}, {0, repeat('a', 89)}}},
      {"/" + repeat('n', 512), {{1, repeat('n', 511)}, {0, "n"}}},
      {"(" + repeat('x', 511) + ")", {{2, repeat('x', 511)}}},
      {"(" + repeat('x', 515) + ")", {{2, repeat('x', 511)}, {0, "xxxx"}, {0, ")"}}},
      {"(" + repeat('x', 510) + "\ny)", {{2, repeat('x', 510)}, {0, "y"}, {0, ")"}}},
      {"<" + repeat('a', 511) + " >", {{1024, repeat('a', 511)}}},
      {"<" + repeat('a', 520) + ">", {{1024, repeat('a', 511)}, {0, repeat('a', 9)}, {0, ">"}}},
      {"%" + repeat('c', 600) + "(\nnext", {{4, repeat('c', 511)}, {0, "next"}}},
      // Truncated input ends the token with what was read.
      {"(abc", {{2, "abc"}}},
      {"(a(b)", {{2, "a(b)"}}},
      {"<0a 1", {{1024, "0a1"}}},
      {"/na", {{1, "na"}}},
      {"/", {{1, ""}}},
      {"begincm", {{0, "begincm"}}},
      {"%no line end", {{4, "no line end"}}},
      {"", {}},
      {" \r\n\t\x90\xFF", {}},
      // Stray closers are words of their own.
      {")", {{0, ")"}}},
      {"a)b>c", {{0, "a"}, {0, ")"}, {0, "b"}, {0, ">"}, {0, "c"}}},
      {"))>>", {{0, ")"}, {0, ")"}, {0, ">"}, {0, ">"}}},
  };
  for (const TokenCase& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    std::vector<Token> expected = c.tokens;
    expected.push_back(kEndToken);
    EXPECT_EQ(scan(c.input), expected);
  }
}

TEST_F(ScannerTest, WordsMapToKeywordsWithTheFirstCharacterExact) {
  Scanner scanner("begincmap beginCMAP BeginCMap GLYPH:");
  std::vector<int> numbers;
  while (scanner.next() == Scanner::kWord) numbers.push_back(keywordNumber(scanner.text()));
  EXPECT_THAT(numbers, ElementsAre(20, 20, -1, 54));
}

TEST_F(ScannerTest, CrLfAndLfGiveTheSameTokens) {
  const std::string lf = "%!PS\n/A (one\ntwo) def\n<01\n02> 3.5\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(scan(crlf), scan(lf));
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
      {"12", 128, 12, 12.0},
      {"012", 128, 12, 12.0},
      {"-7", 128, -7, -7.0},
      {"-0", 128, 0, 0.0},
      {"2147483647", 128, INT32_MAX, 2147483647.0},
      {"-2147483648", 128, INT32_MIN, -2147483648.0},
      {"2147483648", 256, INT32_MAX, 2147483648.0},
      {"-2147483649", 256, INT32_MIN, -2147483649.0},
      {"00000000000000000000123", 128, 123, 123.0},
      {"99999999999999999999", 256, INT32_MAX, 1e20},
      // Reals truncate toward zero into the integer slot.
      {"1.5", 256, 1, 1.5},
      {"-2e3", 256, -2000, -2000.0},
      {"2.9", 256, 2, 2.9},
      {"-2.9", 256, -2, -2.9},
      {".5", 256, 0, 0.5},
      {"-.5", 256, 0, -0.5},
      {"1.5E2", 256, 150, 150.0},
      {"-1e-2", 256, 0, -0.01},
      {"5.", 256, 5, 5.0},
      // Minus signs may stand anywhere in either part; conversion stops where a number would.
      {"5-", 256, 5, 5.0},
      {"1-2", 256, 1, 1.0},
      {"1e", 256, 1, 1.0},
      {"1e-", 256, 1, 1.0},
      {"1.5e2-", 256, 150, 150.0},
      {"2-e1", 256, 2, 2.0},
      {"2e1-", 256, 20, 20.0},
      // Real shapes without a number end the input; broken ones are words.
      {"-", 512, 0, 0},
      {".", 512, 0, 0},
      {"-.", 512, 0, 0},
      {"1e+3", 0, 0, 0},
      {"+3", 0, 0, 0},
      {"1..2", 0, 0, 0},
      {"1e2.5", 0, 0, 0},
      {"1e2e3", 0, 0, 0},
      {"e5", 0, 0, 0},
      {".-e", 0, 0, 0},
      {"--1", 0, 0, 0},
      {"1e-2-3-", 0, 0, 0},
      {"1f", 0, 0, 0},
      // Reals beyond the double range stay finite.
      {"1e400", 256, INT32_MAX, kMax},
      {"-1e400", 256, INT32_MIN, -kMax},
      {"1e-400", 256, 0, 0.0},
      {"-1e-400", 256, 0, -0.0},
      {"0.001e-99999999999", 256, 0, 0.0},
      {"1e99999999999", 256, INT32_MAX, kMax},
      // Radix numbers sum digits times powers of the base, the digits not held to the base.
      {"8#17", 128, 15, 15.0},
      {"2#1010", 128, 10, 10.0},
      {"26#10", 128, 26, 26.0},
      {"02#11", 128, 3, 3.0},
      {"2#19", 128, 11, 11.0},
      {"8#", 128, 0, 0.0},
      {"16#FF", 0, 0, 0},
      {"8#1a", 0, 0, 0},
      {"30#12", 512, 0, 0},
      {"27#1", 512, 0, 0},
      {"1#0", 512, 0, 0},
      {"#12", 512, 0, 0},
      {"8#1#2", 512, 0, 0},
      {"99999999999999999999#1", 512, 0, 0},
      // ... and wrap at 32 bits.
      {"10#2147483647", 128, INT32_MAX, 2147483647.0},
      {"10#2147483648", 128, INT32_MIN, -2147483648.0},
      {"10#4294967295", 128, -1, -1.0},
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

TEST_F(ScannerTest, SlotsKeepTheLastNumber) {
  Scanner scanner("2.5 abc (s) - 7");
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
  EXPECT_EQ(scanner.next(), Scanner::kEnd);
  EXPECT_TRUE(scanner.atEndOfInput());
}

TEST_F(ScannerTest, LongDigitRunsSplitIntoNumbers) {
  Scanner scanner(repeat('9', 520));
  EXPECT_EQ(scanner.next(), Scanner::kReal);
  EXPECT_EQ(scanner.text().size(), 511u);
  EXPECT_EQ(scanner.realValue(), std::numeric_limits<double>::max());
  EXPECT_EQ(scanner.integerValue(), INT32_MAX);
  EXPECT_EQ(scanner.next(), Scanner::kInteger);
  EXPECT_EQ(scanner.integerValue(), 999999999);
}

TEST_F(ScannerTest, TruncatedInputKeepsAnsweringEnd) {
  Scanner scanner("(abc");
  EXPECT_EQ(scanner.next(), Scanner::kString);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(scanner.next(), Scanner::kEnd);
  EXPECT_TRUE(scanner.atEndOfInput());
}

class ScannerCallerBuffer : public ScannerTest {};

TEST_F(ScannerCallerBuffer, ReceivesTheTextTruncatedToItsCapacity) {
  Scanner scanner("abcdef (" + std::string(511, 's') + ") [");
  char buffer[512];
  EXPECT_EQ(scanner.next(buffer, 4), Scanner::kWord);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(scanner.next(buffer, sizeof buffer), Scanner::kString);
  EXPECT_EQ(std::strlen(buffer), 511u);
  EXPECT_EQ(scanner.next(buffer, sizeof buffer), Scanner::kArrayOpen);
  EXPECT_STREQ(buffer, "");
}

TEST_F(ScannerCallerBuffer, OfOneByteGetsAnEmptyText) {
  Scanner scanner("abc def");
  char buffer[2] = {'x', 'y'};
  EXPECT_EQ(scanner.next(buffer, 1), Scanner::kWord);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], 'y');
  EXPECT_EQ(scanner.next(nullptr, 0), Scanner::kWord);
  EXPECT_EQ(scanner.text(), "def");
}

class ScannerSkipUntil : public ScannerTest {};

TEST_F(ScannerSkipUntil, FindsTheTextInAnyKindOfTheMaskRegardlessOfCase) {
  struct Case {
    const char* input;
    int mask;  // 0 wants words
    const char* text;
    const char* after;
  } const cases[] = {
      {"%!PS-Adobe-3.0\n(%EndProlog)\n%%BeginProlog\n%%EndProlog\n3 4 l", Scanner::kComment,
       "%endprolog", "3"},
      {"/def (def) def 7", Scanner::kWord, "DEF", "7"},
      {"y /x (y) z", Scanner::kLiteralName | Scanner::kString, "Y", "z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    Scanner scanner(c.input);
    EXPECT_TRUE(scanner.skipUntil(c.mask, c.text));
    scanner.next();
    EXPECT_EQ(scanner.text(), c.after);
  }
}

TEST_F(ScannerSkipUntil, StopsAtTheEndOrANumberWithoutValue) {
  Scanner missing("%%BeginProlog\n%%Trailer\n");
  EXPECT_FALSE(missing.skipUntil(Scanner::kComment, "%EndProlog"));
  EXPECT_EQ(missing.next(), Scanner::kEnd);
  Scanner cut("a - def");
  EXPECT_FALSE(cut.skipUntil(Scanner::kWord, "def"));
  EXPECT_EQ(cut.next(), Scanner::kWord);
  EXPECT_EQ(cut.text(), "def");
}

class ScannerFiles : public ScannerTest {
 protected:
  test::TempFolder folder_;
};

TEST_F(ScannerFiles, ReadsAWholeFileWithCrLfLineEnds) {
  test::writeFile(folder_ / "a.cmp", "%!PS-Adobe-3.0 Resource-CMap\r\n/WMode 1 def\r\n");
  Scanner scanner;
  ASSERT_TRUE(scanner.open(folder_ / "a.cmp"));
  EXPECT_TRUE(scanner.isOpen());
  EXPECT_THAT(scan(scanner, 10),
              ElementsAre(Token{4, "!PS-Adobe-3.0 Resource-CMap"}, Token{1, "WMode"},
                          Token{128, "1"}, Token{0, "def"}, kEndToken));
}

TEST_F(ScannerFiles, MissingFileOrFolderDoesNotOpen) {
  Scanner scanner;
  EXPECT_FALSE(scanner.open(folder_ / "missing.cmp"));
  EXPECT_FALSE(scanner.isOpen());
  EXPECT_EQ(scanner.next(), Scanner::kEnd);
  EXPECT_FALSE(scanner.open(folder_.path()));
  EXPECT_EQ(scanner.next(), Scanner::kEnd);
}

TEST_F(ScannerFiles, FileAbove64MiBDoesNotOpen) {
  test::writeFile(folder_ / "huge", "");
  std::filesystem::resize_file(folder_ / "huge", Scanner::kMaxFileSize + 1);  // sparse
  Scanner scanner;
  EXPECT_FALSE(scanner.open(folder_ / "huge"));
  EXPECT_EQ(scanner.next(), Scanner::kEnd);
}

TEST_F(ScannerFiles, ReopeningForgetsTheFormerFile) {
  test::writeFile(folder_ / "one", "one two");
  test::writeFile(folder_ / "two", "three");
  Scanner scanner;
  ASSERT_TRUE(scanner.open(folder_ / "one"));
  EXPECT_EQ(scanner.next(), Scanner::kWord);
  ASSERT_TRUE(scanner.open(folder_ / "two"));
  EXPECT_THAT(scan(scanner, 5), ElementsAre(Token{0, "three"}, kEndToken));
  EXPECT_FALSE(scanner.open(folder_ / "missing"));
  EXPECT_EQ(scanner.next(), Scanner::kEnd);
}

class ScannerCMapText : public ScannerTest {};

TEST_F(ScannerCMapText, FragmentTokenizesEndToEnd) {
  const char* cmap =
      "%!PS-Adobe-3.0 Resource-CMap\n"
      "%%DocumentNeededResources: ProcSet (CIDInit)\n"
      "/CIDInit /ProcSet findresource begin\n"
      "12 dict begin\n"
      "begincmap\n"
      "/CIDSystemInfo 3 dict dup begin\n"
      "  /Registry (Adobe) def\n"
      "  /Supplement 2 def\n"
      "end def\n"
      "/CMapVersion 1.002 def\n"
      "/XUID [1 10 25343] def\n"
      "1 begincodespacerange\n"
      "<00> <FF>\n"
      "endcodespacerange\n"
      "2 begincidrange\n"
      "<20> <7e> 231\n"
      "<a1> <df> 326\n"
      "endcidrange\n"
      "endcmap\n"
      "CMapName currentdict /CMap defineresource pop\n"
      "end\n"
      "%%EOF\n";
  EXPECT_THAT(
      scan(cmap),
      ElementsAre(Token{4, "!PS-Adobe-3.0 Resource-CMap"},
                  Token{4, "%DocumentNeededResources: ProcSet (CIDInit)"}, Token{1, "CIDInit"},
                  Token{1, "ProcSet"}, Token{0, "findresource"}, Token{0, "begin"},
                  Token{128, "12"}, Token{0, "dict"}, Token{0, "begin"}, Token{0, "begincmap"},
                  Token{1, "CIDSystemInfo"}, Token{128, "3"}, Token{0, "dict"}, Token{0, "dup"},
                  Token{0, "begin"}, Token{1, "Registry"}, Token{2, "Adobe"}, Token{0, "def"},
                  Token{1, "Supplement"}, Token{128, "2"}, Token{0, "def"}, Token{0, "end"},
                  Token{0, "def"}, Token{1, "CMapVersion"}, Token{256, "1.002"}, Token{0, "def"},
                  Token{1, "XUID"}, Token{8, ""}, Token{128, "1"}, Token{128, "10"},
                  Token{128, "25343"}, Token{16, ""}, Token{0, "def"}, Token{128, "1"},
                  Token{0, "begincodespacerange"}, Token{1024, "00"}, Token{1024, "FF"},
                  Token{0, "endcodespacerange"}, Token{128, "2"}, Token{0, "begincidrange"},
                  Token{1024, "20"}, Token{1024, "7e"}, Token{128, "231"}, Token{1024, "a1"},
                  Token{1024, "df"}, Token{128, "326"}, Token{0, "endcidrange"},
                  Token{0, "endcmap"}, Token{0, "CMapName"}, Token{0, "currentdict"},
                  Token{1, "CMap"}, Token{0, "defineresource"}, Token{0, "pop"}, Token{0, "end"},
                  Token{4, "%EOF"}, kEndToken));
}

class ScannerRealCMaps : public ScannerTest {
 protected:
  static std::filesystem::path cmapPath(std::string_view name) {
    return std::filesystem::path("/usr/share/poppler/cMap/Adobe-Japan1") / name;
  }

  static std::size_t occurrences(std::string_view text, std::string_view what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != text.npos; at = text.find(what, at + 1)) ++count;
    return count;
  }

  static std::size_t countWords(const std::vector<Token>& tokens, const std::string& word) {
    return static_cast<std::size_t>(std::count(tokens.begin(), tokens.end(), Token{0, word}));
  }

  // Every "n begin... end..." section holds n entries made of the given kinds.
  static void expectSections(const std::vector<Token>& tokens, const std::string& begin,
                             const std::string& end, const std::vector<int>& entryKinds) {
    for (std::size_t i = 1; i < tokens.size(); ++i) {
      if (tokens[i] != Token{0, begin}) continue;
      SCOPED_TRACE(begin + " at token " + std::to_string(i));
      ASSERT_EQ(tokens[i - 1].kind, Scanner::kInteger);
      const std::size_t count = std::stoul(tokens[i - 1].text);
      std::size_t at = i + 1;
      for (std::size_t entry = 0; entry < count; ++entry) {
        for (int kind : entryKinds) {
          ASSERT_LT(at, tokens.size());
          EXPECT_EQ(tokens[at].kind, kind) << "entry " << entry << " " << tokens[at].text;
          ++at;
        }
      }
      ASSERT_LT(at, tokens.size());
      EXPECT_EQ(tokens[at], (Token{0, end}));
    }
  }
};

TEST_F(ScannerRealCMaps, ReadToTheEndWithEverySectionComplete) {
  for (const char* name : {"UniJIS-UTF16-H", "90ms-RKSJ-H", "90ms-RKSJ-V"}) {
    SCOPED_TRACE(name);
    const std::filesystem::path path = cmapPath(name);
    Scanner scanner;
    ASSERT_TRUE(scanner.open(path)) << path << " is missing (Debian package poppler-data)";
    const std::string bytes = test::readFile(path);
    const std::vector<Token> tokens = scan(scanner, bytes.size() + 1);
    EXPECT_TRUE(scanner.atEndOfInput()) << "ended early after " << tokens.size() << " tokens";
    ASSERT_GE(tokens.size(), 3u);
    EXPECT_EQ(tokens.front(), (Token{4, "!PS-Adobe-3.0 Resource-CMap"}));
    EXPECT_EQ(tokens[tokens.size() - 2], (Token{4, "%EOF"}));
    EXPECT_EQ(countWords(tokens, "begincmap"), 1u);
    EXPECT_EQ(countWords(tokens, "endcmap"), 1u);
    EXPECT_EQ(countWords(tokens, "begincidrange"), occurrences(bytes, "begincidrange"));
    EXPECT_EQ(countWords(tokens, "endcidrange"), countWords(tokens, "begincidrange"));
    EXPECT_EQ(countWords(tokens, "endcidchar"), countWords(tokens, "begincidchar"));
    expectSections(tokens, "begincodespacerange", "endcodespacerange", {1024, 1024});
    expectSections(tokens, "begincidrange", "endcidrange", {1024, 1024, 128});
    expectSections(tokens, "begincidchar", "endcidchar", {1024, 128});
    expectSections(tokens, "beginnotdefrange", "endnotdefrange", {1024, 1024, 128});
    // "/CMapName /90ms-RKSJ-H def": each file names itself.
    auto named = std::find(tokens.begin(), tokens.end(), Token{1, "CMapName"});
    ASSERT_LT(named + 1, tokens.end());
    EXPECT_EQ(named[1], (Token{1, name}));
  }
}

TEST_F(ScannerRealCMaps, CrLfCopyGivesTheSameTokens) {
  const std::string lf = test::readFile(cmapPath("90ms-RKSJ-H"));
  ASSERT_FALSE(lf.empty()) << "90ms-RKSJ-H is missing (Debian package poppler-data)";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(scan(crlf), scan(lf));
}

}  // namespace
}  // namespace sorvella
