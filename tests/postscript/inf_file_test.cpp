// INF files: the lines of a hand-built font in order, the style letter, the serif rule and
// the menu name fallbacks.
#include "postscript/inf_file.h"

#include <gtest/gtest.h>

#include <string>

#include "postscript/metrics_summary.h"
#include "support/sample_fonts.h"

namespace sorvella {
namespace {

class InfOfSampleFont : public ::testing::Test {
 protected:
  std::string inf() const { return infText(summarizeMetrics(font_)); }
  std::string lineAfter(const std::string& key) const {
    const std::string text = inf();
    const std::size_t at = text.find("\r\n" + key);
    if (at == std::string::npos) return "<none>";
    return text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
  }
  SubsetFont font_ = test::sampleFont();
};

TEST_F(InfOfSampleFont, HasEveryLineInItsPlace) {
  EXPECT_EQ(inf(),
            "FontName (SampleSans)\r\n"
            "FullName (Sample Sans)\r\n"
            "ApplName (SampleSans)\r\n"
            "FamilyName (Sample)\r\n"
            "Version (001.002)\r\n"
            "isFixedPitch false\r\n"
            "CharacterSet (custom)\r\n"
            "Encoding (SpecificEncoding)\r\n"
            "ItalicAngle -12.5\r\n"
            "CapHeight 700\r\n"
            "UnderlinePosition -100\r\n"
            "UnderlineThickness 50\r\n"
            "StemWidth 88\r\n"
            "Serif true\r\n"
            "Pi true\r\n"
            "MSMenuName (Sample Sans)\r\n"
            "VPMenuName (Sample Sans)\r\n"
            "WORDMenuName (Sample Sans)\r\n"
            "VPStyle (T)\r\n");
}

TEST_F(InfOfSampleFont, AnUprightFontWritesItalicAngleZero) {
  font_.info().italicAngle = 0;
  EXPECT_EQ(lineAfter("ItalicAngle"), "ItalicAngle 0");
  EXPECT_EQ(lineAfter("VPStyle"), "VPStyle (B)");
}

TEST_F(InfOfSampleFont, DemiCountsAsNotBold) {
  font_.info().setText(FontText::kWeight, "Demi");
  EXPECT_EQ(lineAfter("VPStyle"), "VPStyle (I)");
  font_.info().italicAngle = 0;
  EXPECT_EQ(lineAfter("VPStyle"), "VPStyle (N)");
}

TEST_F(InfOfSampleFont, DemiBoldIsTheFirstBoldWeight) {
  font_.info().setText(FontText::kWeight, "demibold");
  font_.info().italicAngle = -12;
  EXPECT_EQ(lineAfter("VPStyle"), "VPStyle (T)");
}

TEST_F(InfOfSampleFont, SerifStyleElevenIsNoSerif) {
  font_.info().panose[2] = 11;
  EXPECT_EQ(lineAfter("Serif"), "Serif false");
  font_.info().panose[2] = 10;
  EXPECT_EQ(lineAfter("Serif"), "Serif true");
  font_.info().panose[2] = 1;
  EXPECT_EQ(lineAfter("Serif"), "Serif false");
}

TEST_F(InfOfSampleFont, MenuNameComesFirstThenFullNameThenFontName) {
  font_.info().setText(FontText::kMenuName, "Sample Menu");
  EXPECT_EQ(lineAfter("WORDMenuName"), "WORDMenuName (Sample Menu)");
  font_.info().setText(FontText::kMenuName, "");
  font_.info().setText(FontText::kFullName, "");
  EXPECT_EQ(lineAfter("MSMenuName"), "MSMenuName (SampleSans)");
}

TEST_F(InfOfSampleFont, WithoutAnyNameHasNoNameOrMenuLines) {
  for (FontText t :
       {FontText::kFontName, FontText::kFullName, FontText::kFamilyName, FontText::kVersion})
    font_.info().setText(t, "");
  const std::string text = inf();
  EXPECT_EQ(text.substr(0, 20), "isFixedPitch false\r\n");
  EXPECT_EQ(text.find("MenuName"), std::string::npos);
  EXPECT_NE(text.find("Pi true\r\nVPStyle (T)\r\n"), std::string::npos);
}

TEST_F(InfOfSampleFont, TextsInParenthesesAreNotEscaped) {
  font_.info().setText(FontText::kFullName, "Sample (Sans)");
  EXPECT_EQ(lineAfter("FullName"), "FullName (Sample (Sans))");
}

}  // namespace
}  // namespace sorvella
