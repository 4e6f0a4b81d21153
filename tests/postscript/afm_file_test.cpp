// AFM files: the lines of a hand-built font byte for byte, the optional lines and blocks,
// and the files fontTools' afmLib reads back with the font's widths and boxes.
#include "postscript/afm_file.h"

#include <gtest/gtest.h>

#include <functional>
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

// Optional lines and blocks are left out when empty; kern pairs of each left glyph end with an
// empty line; control bytes in names do not break lines.
TEST_F(AfmOfSampleFont, VariationsOfTheFont) {
  const struct {
    std::function<void(SubsetFont&)> change;
    std::string present, absent;
  } cases[] = {
      {[](SubsetFont& f) { f.info().setText(FontText::kCopyright, ""); },
       "StartFontMetrics 2.0\r\nComment UniqueID 4001234\r\n", "Comment Copyright"},
      {[](SubsetFont& f) { f.glyph(0)->kerning().clear(); }, "EndCharMetrics\r\nEndFontMetrics\r\n",
       "Kern"},
      {[](SubsetFont& f) {
         f.glyph(0)->setKerning(4, -20);  // A H
         f.glyph(3)->setKerning(0, -30);  // O A
       },
       "StartKernPairs 3\r\nKPX A O -50\r\nKPX A H -20\r\n\r\nKPX O A -30\r\n\r\n"
       "EndKernPairs\r\n",
       "StartKernPairs 1"},
      {[](SubsetFont& f) { f.info().setText(FontText::kFullName, "Sample\nSans"); },
       "\r\nFullName Sample Sans\r\n", "Sample\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.present);
    SubsetFont font = test::sampleFont();
    c.change(font);
    const std::string afm = afmText(summarizeMetrics(font));
    EXPECT_NE(afm.find(c.present), std::string::npos);
    EXPECT_EQ(afm.find(c.absent), std::string::npos);
  }
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
  EXPECT_EQ(lines.at("space"), "250 0 0 0 0");
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

}  // namespace
}  // namespace sorvella
