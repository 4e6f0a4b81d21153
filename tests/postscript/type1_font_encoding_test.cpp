// The Encoding of Type 1 fonts made by hand: named encodings through the encoding files, and
// encoding arrays that become the font's own table.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "postscript/ps_font_reader.h"
#include "support/charstring_bytes.h"
#include "support/type1_font_builder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

using namespace test::charstring_op;

class Type1Encodings : public ::testing::Test {
 protected:
  test::Type1ReadResult readWithEncoding(const std::string& definition) {
    source_.clearText =
        "%!FontType1-1.0: Enc 001.000\n"
        "/FontName /Enc def\n"
        "/Encoding " +
        definition +
        "\n"
        "/FontMatrix [0.001 0 0 0.001 0 0] readonly def\n";
    source_.charstrings = {{"A", test::assembleCharstring({0, 500, kHsbw, kEndchar, kEndchar})}};
    return test::readType1Bytes(test::buildType1Font(source_, test::Type1Form::kSegmented));
  }

  test::Type1FontSource source_;
};

// Named encodings take their number (another name leaves number 1); an array becomes the font's
// own table, keeping the first code of a name, a later name at a code replacing the earlier,
// placeholders elsewhere. A known name beyond code 255 is ignored, a new one fails.
TEST_F(Type1Encodings, NamedEncodingsAndArrays) {
  const std::string array = "256 array\n0 1 255 {1 index exch /.notdef put} for\n";
  const struct {
    std::string definition;
    PSFontStatus status;
    int number;
    std::vector<std::pair<int, std::string>> names;
  } cases[] = {
      {"StandardEncoding def", PSFontStatus::kFinished, 1, {{65, "A"}, {39, "quoteright"}}},
      {"SymbolEncoding def", PSFontStatus::kFinished, 7, {{97, "alpha"}}},
      {"ISOLatin1Encoding def", PSFontStatus::kFinished, 3, {{233, "eacute"}}},
      {"ExpertEncoding def", PSFontStatus::kFinished, 1, {}},
      {array + "dup 65 /A put\ndup 193 /A put\ndup 66 /B put\nreadonly def",
       PSFontStatus::kFinished,
       0,
       {{65, "A"}, {66, "B"}, {193, ".0193"}, {0, ".0000"}, {255, ".0255"}}},
      {"256 array\ndup 65 /A put\ndup 65 /Aring put\ndup 66 /A put\nreadonly def",
       PSFontStatus::kFinished,
       0,
       {{65, "Aring"}, {66, "A"}}},
      {"256 array\ndup 65 /A put\ndup 300 /A put\nreadonly def",
       PSFontStatus::kFinished,
       0,
       {{65, "A"}}},
      {"256 array\ndup 65 /A put\ndup 300 /B put\nreadonly def",
       PSFontStatus::kEncodingCodeTooLarge,
       -1,
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.definition);
    const auto result = readWithEncoding(c.definition);
    EXPECT_EQ(result.status, c.status);
    ASSERT_EQ(result.font != nullptr, c.number >= 0);
    if (!result.font) continue;
    EXPECT_EQ(result.font->encoding().number, c.number);
    for (const auto& [code, name] : c.names)
      EXPECT_EQ(result.font->encoding().glyphNames[static_cast<std::size_t>(code)], name) << code;
  }
}

}  // namespace
}  // namespace sorvella
