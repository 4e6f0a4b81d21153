// Type 1 fonts that cannot be read: cancelled, cut short, damaged, or with absurd counts. The
// read ends, reports its status and hands back no font.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "postscript/ps_font_reader.h"
#include "support/charstring_bytes.h"
#include "support/type1_font_builder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

using namespace test::charstring_op;
using test::buildType1Font;
using test::readType1Bytes;
using test::Type1Form;
using ::testing::ElementsAre;

class Type1ReadFailures : public ::testing::Test {
 protected:
  void SetUp() override {
    source_.subroutines = {test::assembleCharstring({500, kHlineto, kReturn})};
    source_.charstrings = {
        {"A", test::assembleCharstring({20, 600, kHsbw, 0, 0, kRmoveto, 0, kCallsubr, 700, kVlineto,
                                        kClosepath, kEndchar})},
        {"B", test::assembleCharstring(
                  {30, 500, kHsbw, 0, 0, kRmoveto, 400, 400, kRlineto, kClosepath, kEndchar})}};
  }

  test::Type1FontSource source_;
};

TEST_F(Type1ReadFailures, CancelEndsWithStatus100AndNoFont) {
  int asked = 0;
  const auto result = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented),
                                     [&](int kind, int64_t, int64_t) {
                                       if (kind == kProgressPosition) ++asked;
                                       return kind == kProgressPosition ? 1 : 0;
                                     });
  EXPECT_GT(asked, 0);
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.status, PSFontStatus::kCancelled);
  EXPECT_FALSE(result.font);
}

TEST_F(Type1ReadFailures, WordThatIsNoBooleanFailsWithStatus3) {
  source_.clearText = "%!FontType1-1.0: Bad\n/FontName /Bad def\n/isFixedPitch maybe def\n";
  const auto result = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  EXPECT_EQ(result.status, PSFontStatus::kBooleanExpected);
  EXPECT_FALSE(result.font);
}

TEST_F(Type1ReadFailures, FontCutAnywhereGivesAllItsGlyphsOrNoFont) {
  const std::vector<uint8_t> whole = buildType1Font(source_, Type1Form::kPlainBinary);
  const auto full = readType1Bytes(whole);
  ASSERT_TRUE(full.font);
  const std::string text(whole.begin(), whole.end());
  const std::size_t eexec = text.find("eexec");
  ASSERT_NE(eexec, std::string::npos);
  std::size_t firstRead = whole.size();
  for (std::size_t size = 0; size < whole.size(); size += 3) {
    const std::vector<uint8_t> cut(whole.begin(),
                                   whole.begin() + static_cast<std::ptrdiff_t>(size));
    const auto result = readType1Bytes(cut);
    ASSERT_EQ(result.succeeded, result.font != nullptr) << size;
    if (size <= eexec) {
      EXPECT_FALSE(result.font) << size;
    }
    if (!result.font) continue;
    firstRead = std::min(firstRead, size);
    EXPECT_THAT(test::glyphNames(*result.font), ElementsAre("A", "B")) << size;
  }
  // Only cuts after the dictionary's last entry, in the lines that end the font, keep it.
  EXPECT_LT(firstRead, whole.size());
  EXPECT_GT(firstRead, whole.size() - 700);
}

TEST_F(Type1ReadFailures, AbsurdCharstringCountReadsToEnd) {
  source_.announcedCharstrings = 2000000000;
  const auto result = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(result.font);
  EXPECT_THAT(test::glyphNames(*result.font), ElementsAre("A", "B"));
}

}  // namespace
}  // namespace sorvella
