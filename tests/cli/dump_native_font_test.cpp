// `sorvella-cli dump` of native font files, run as a user runs it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "glyph/native_font_file.h"

namespace sorvella {
namespace {

class DumpNativeFont : public ::testing::Test {
 protected:
  void SetUp() override {
    SubsetFontInfo& info = font_.info();
    info.setText(FontText::kFontName, "Caf\xE9-Regular");
    info.setText(FontText::kFamilyName, "Caf\xE9 Sans");
    info.setText(FontText::kVersion, "001.000");
    info.uniqueId = 4001234;
    info.italicAngle = -9.5;
    info.underlinePosition = -100;
    info.underlineThickness = 50;
    info.zoneCounts.blueValues = 4;
    info.zoneCounts.stemSnapV = 2;
    PerMasterBlock& p = font_.master(0).privateValues;
    p.blueValues = {-12, 0, 700, 712, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
    p.stemSnapV = {80, 92, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    p.stdVW = 80;
    p.forceBold = 1;

    auto a = std::make_unique<Glyph>();
    a->setName("a");
    a->setAdvance(0, {500, 0});
    a->appendNode(Node::move({10, 10}));
    a->appendNode(Node::line({500, 10}));
    a->appendNode(Node::line({10, 700}));
    GlyphHints& hints = a->hints().emplace();
    hints.horizontal.push_back({{{10, 20}}});
    hints.vertical = {{{{10, 30}}}, {{{400, 30}}}};
    font_.appendSlot(std::move(a));
    font_.appendSlot(nullptr);
    auto composite = std::make_unique<Glyph>();
    composite->setName("\xE0");
    composite->setAdvance(0, {520, 0});
    composite->components().push_back({0, {{30, 0}}, {{1.0, 1.0}}});
    font_.appendSlot(std::move(composite));
    path_ = folder_ / "CAFE0000.vtb";
    ASSERT_TRUE(WriteNativeFont(path_, font_, native_font_flag::kFullInfo));
  }

  test::CliFolder folder_;
  SubsetFont font_;
  std::filesystem::path path_;
};

// The font information in UTF-8, the Private values in use (only as many zones as counted),
// and every slot, empty ones as null.
TEST_F(DumpNativeFont, JsonHoldsTheInformationPrivateValuesAndSlots) {
  test::CliResult r = test::runCli("dump --json " + path_.string());
  ASSERT_EQ(r.status, 0) << r.output;
  const auto json = nlohmann::json::parse(r.output);
  const auto expected = nlohmann::json::parse(R"({"kind": "native font",
      "FontName": "Caf\u00e9-Regular", "FamilyName": "Caf\u00e9 Sans", "FullName": null,
      "version": "001.000", "UniqueID": 4001234, "ItalicAngle": -9.5, "isFixedPitch": false,
      "UnderlinePosition": -100, "UnderlineThickness": 50,
      "FontMatrix": [0.001, 0, 0, 0.001, 0, 0], "BlueValues": [-12, 0, 700, 712],
      "OtherBlues": [], "StemSnapV": [80, 92], "StdVW": 80, "StdHW": 0, "BlueScale": 0.039625,
      "BlueShift": 7, "BlueFuzz": 1, "ForceBold": true,
      "glyphs": [{"slot": 0, "name": "a", "advance": [500, 0], "bbox": [10, 10, 500, 700],
                  "contours": 1, "nodes": 3, "hstem": 1, "vstem": 2, "components": []},
                 null,
                 {"slot": 2, "name": "\u00e0", "advance": [520, 0], "bbox": null, "contours": 0,
                  "nodes": 0, "hstem": 0, "vstem": 0,
                  "components": [{"glyph": 0, "offset": [30, 0]}]}]})");
  for (const auto& [key, value] : expected.items()) EXPECT_EQ(json[key], value) << key;
  EXPECT_FALSE(json.contains("masters"));
}

TEST_F(DumpNativeFont, ReadableFormShowsTheSameFacts) {
  test::CliResult r = test::runCli("dump " + path_.string());
  ASSERT_EQ(r.status, 0) << r.output;
  for (const char* line : {"Native font file\n", "  FontName Caf\xC3\xA9-Regular\n",
                           "  FullName -\n", "  BlueValues [-12 0 700 712]\n", "  ForceBold true\n",
                           "Glyphs 3 slots, 2 glyphs\n", "  0 a [500 0] [10 10 500 700] 1 3 1 2\n",
                           "  1 empty\n", "  2 \xC3\xA0 [520 0] - 0 0 0 0 +0@[30 0]\n"})
    EXPECT_NE(r.output.find(line), std::string::npos) << line << "\n" << r.output;
}

}  // namespace
}  // namespace sorvella
