// AFM files: the lines of a hand-built font byte for byte, the optional lines and blocks,
// and the files fontTools' afmLib reads back with the font's widths and boxes.
#include "postscript/afm_file.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "postscript/metrics_summary.h"
#include "support/peer_tool.h"
#include "support/sample_fonts.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

class AfmOfSampleFont : public ::testing::Test {
 protected:
  SubsetFont font_ = test::sampleFont();
};

TEST_F(AfmOfSampleFont, HasEveryLineInItsPlace) {
  const std::string expected =
      "StartFontMetrics 2.0\r\n"
      "Comment Copyright Copyright 2024 Sample Type\r\n"
      "Comment UniqueID 4001234\r\n"
      "Comment Panose 2 11 5 3 2 2 2 2 2 4\r\n"
      "FullName Sample Sans\r\n"
      "FontName SampleSans\r\n"
      "FamilyName Sample\r\n"
      "Weight Bold\r\n"
      "IsFixedPitch false\r\n"
      "ItalicAngle -12.50\r\n"
      "FontBBox 0 0 650 700\r\n"
      "Ascender 700\r\n"
      "Descender 0\r\n"
      "XHeight 0\r\n"
      "CapHeight 700\r\n"
      "UnderlinePosition -100\r\n"
      "UnderlineThickness 50\r\n"
      "EncodingScheme FontSpecific\r\n"
      "StartCharMetrics 4\r\n"
      "C 65 ; WX 500 ; N A ; B 10 0 490 700 ;\r\n"
      "C 32 ; WX 250 ; N space ; B 0 0 0 0 ;\r\n"
      "C 79 ; WX 700 ; N O ; B 50 0 650 700 ;\r\n"
      "C -1 ; WX 600 ; N H ; B 50 0 550 700 ;\r\n"
      "EndCharMetrics\r\n"
      "StartKernData\r\n"
      "StartKernPairs 1\r\n"
      "KPX A O -50\r\n"
      "\r\n"
      "EndKernPairs\r\n"
      "EndKernData\r\n"
      "EndFontMetrics\r\n";
  EXPECT_EQ(afmText(summarizeMetrics(font_)), expected);
}

TEST_F(AfmOfSampleFont, WithoutCopyrightTextHasNoCopyrightComment) {
  font_.info().setText(FontText::kCopyright, "");
  const std::string afm = afmText(summarizeMetrics(font_));
  EXPECT_EQ(afm.find("Comment Copyright"), std::string::npos);
  EXPECT_EQ(afm.substr(0, 48), "StartFontMetrics 2.0\r\nComment UniqueID 4001234\r\n");
}

TEST_F(AfmOfSampleFont, WithoutKerningHasNoKerningBlock) {
  font_.glyph(0)->kerning().clear();
  const std::string afm = afmText(summarizeMetrics(font_));
  EXPECT_EQ(afm.find("Kern"), std::string::npos);
  EXPECT_NE(afm.find("EndCharMetrics\r\nEndFontMetrics\r\n"), std::string::npos);
}

TEST_F(AfmOfSampleFont, AnUprightFontWritesTwoDecimalZeros) {
  font_.info().italicAngle = 0;
  EXPECT_NE(afmText(summarizeMetrics(font_)).find("\r\nItalicAngle 0.00\r\n"), std::string::npos);
}

TEST_F(AfmOfSampleFont, AbsentNamesLeaveOutTheirLines) {
  font_.info().setText(FontText::kFullName, "");
  font_.info().setText(FontText::kWeight, "");
  const std::string afm = afmText(summarizeMetrics(font_));
  EXPECT_EQ(afm.find("FullName"), std::string::npos);
  EXPECT_EQ(afm.find("Weight"), std::string::npos);
  EXPECT_NE(afm.find("\r\nFontName SampleSans\r\nFamilyName Sample\r\nIsFixedPitch false\r\n"),
            std::string::npos);
}

TEST_F(AfmOfSampleFont, KernPairsOfEachLeftGlyphEndWithAnEmptyLine) {
  font_.glyph(0)->setKerning(4, -20);  // A H
  font_.glyph(3)->setKerning(0, -30);  // O A
  const std::string afm = afmText(summarizeMetrics(font_));
  EXPECT_NE(afm.find("StartKernPairs 3\r\nKPX A O -50\r\nKPX A H -20\r\n\r\nKPX O A -30\r\n\r\n"
                     "EndKernPairs\r\n"),
            std::string::npos);
}

TEST_F(AfmOfSampleFont, ControlBytesInNamesDoNotBreakLines) {
  font_.info().setText(FontText::kFullName, "Sample\nSans");
  EXPECT_NE(afmText(summarizeMetrics(font_)).find("\r\nFullName Sample Sans\r\n"),
            std::string::npos);
}

// What fontTools' AFM parser makes of a written file: per glyph "name width l b r t".
class AfmReadByFontTools : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::peerAvailable(test::kSystemPython)) << "/usr/bin/python3 is missing";
  }

  std::map<std::string, std::string> parse(const std::string& afm) {
    const auto path = folder_ / "font.afm";
    test::writeFile(path, afm);
    const test::PeerRun run =
        test::runPeer(test::kSystemPython, {"-c",
                                            "import sys\n"
                                            "from fontTools import afmLib\n"
                                            "f = afmLib.AFM(sys.argv[1])\n"
                                            "for n in f.chars():\n"
                                            "    c, w, b = f[n]\n"
                                            "    print(n, w, *b)\n"
                                            "for (l, r), v in sorted(f._kerning.items()):\n"
                                            "    print('KPX', l, r, v)\n"
                                            "print('FontBBox', *f.FontBBox)\n",
                                            path.string()});
    EXPECT_EQ(run.status, 0) << run.out;
    std::map<std::string, std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
      const std::size_t space = line.find(' ');
      lines[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    return lines;
  }

  test::TempFolder folder_;
};

TEST_F(AfmReadByFontTools, FindsTheWidthsBoxesAndKerningOfTheFont) {
  const SubsetFont font = test::sampleFont();
  const auto lines = parse(afmText(summarizeMetrics(font)));
  // Advances as set and boxes from the glyph model.
  EXPECT_EQ(lines.at("A"), "500 10 0 490 700");
  EXPECT_EQ(lines.at("space"), "250 0 0 0 0");
  EXPECT_EQ(lines.at("O"), "700 50 0 650 700");
  EXPECT_EQ(lines.at("H"), "600 50 0 550 700");
  EXPECT_EQ(lines.at("KPX"), "A O -50");
  EXPECT_EQ(lines.at("FontBBox"), "0 0 650 700");
  for (int32_t slot : {0, 3, 4}) {
    const Box box = font.glyph(slot)->boundingBox();
    std::ostringstream expected;
    expected << font.glyph(slot)->advance(0).x << " " << box.xMin << " " << box.yMin << " "
             << box.xMax << " " << box.yMax;
    EXPECT_EQ(lines.at(font.glyph(slot)->name()), expected.str());
  }
}

TEST_F(AfmReadByFontTools, ReadsAFontWithoutKerningOrCopyright) {
  SubsetFont font = test::sampleFont();
  font.glyph(0)->kerning().clear();
  font.info().setText(FontText::kCopyright, "");
  const auto lines = parse(afmText(summarizeMetrics(font)));
  EXPECT_EQ(lines.count("KPX"), 0u);
  EXPECT_EQ(lines.at("O"), "700 50 0 650 700");
}

}  // namespace
}  // namespace sorvella
