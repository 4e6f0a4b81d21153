#include "charts/chart_template.h"

#include <gtest/gtest.h>

#include <cmath>

#include "charts/template_build.h"
#include "glyph/native_font_file.h"
#include "support/sample_fonts.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

class TemplateFiles : public ::testing::Test {
 protected:
  test::TempFolder folder_;
};

TEST_F(TemplateFiles, SixteenPixelTemplateOfTenRecordsIsAHeaderLineAnd360Bytes) {
  ChartTemplate t(16, 10);
  t.ordering = "Japan1";
  t.supplement = 2;
  for (uint32_t i = 0; i < 10; ++i) t.setCid(i, 300 + i);
  ASSERT_TRUE(WriteTemplate(t, folder_ / "small.txt"));
  const std::string bytes = test::readFile(folder_ / "small.ctp");
  const std::string header = "CIDTemplateFile Japan1 2 16 10\r\n";
  ASSERT_EQ(bytes.size(), header.size() + 360);
  EXPECT_EQ(bytes.substr(0, header.size()), header);
  EXPECT_EQ(bytes.substr(header.size() + 36, 4), std::string("\x2D\x01\0\0", 4));  // CID 301
  ChartTemplate read;
  ASSERT_TRUE(ReadTemplate(folder_ / "small.ctp", read));
  EXPECT_EQ(templateFileBytes(read), bytes);
  EXPECT_EQ(read.filePath, folder_ / "small.ctp");
  const std::optional<TemplateHeader> h = ReadTemplateHeader(folder_ / "small.ctp");
  ASSERT_TRUE(h);
  EXPECT_EQ(h->ordering + " " + std::to_string(h->count), "Japan1 10");
  // Without an ordering the file says Untitled.
  t.ordering.clear();
  EXPECT_EQ(templateFileBytes(t).substr(0, 34), "CIDTemplateFile Untitled 2 16 10\r\n");
}

TEST_F(TemplateFiles, TwentyFourPixelRowsArePackedAndWidened) {
  ChartTemplate t(24, 2);
  std::vector<uint8_t> rows(24 * 4);
  for (std::size_t i = 0; i < rows.size(); ++i)
    rows[i] = i % 4 == 3 ? 0 : static_cast<uint8_t>(i * 7);
  t.setImage(1, rows);
  EXPECT_EQ(t.recordSize(), 76u);
  EXPECT_EQ(t.image(1), rows);
  EXPECT_EQ(t.recordBytes()[76 + 4 + 3], rows[4]);  // file rows are 3 bytes
  rows[3] = 0xFF;                                   // the widening byte is not stored
  t.setImage(0, rows);
  EXPECT_EQ(t.image(0)[3], 0);
}

TEST_F(TemplateFiles, DamagedFilesAreNotTemplates) {
  const std::string records(76, '\0');
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"tag", "CIDTemplatefile Japan1 2 24 1\r\n" + records},
      {"field", "CIDTemplateFile Japan1 2 24\r\n" + records},
      {"number", "CIDTemplateFile Japan1 2 24 -1\r\n" + records},
      {"cell", "CIDTemplateFile Japan1 2 20 1\r\n" + records},
      {"short", "CIDTemplateFile Japan1 2 24 2\r\n" + records},
      {"huge", "CIDTemplateFile Japan1 2 32 4294967295\r\n" + records},
      {"line", "CIDTemplateFile Japan1 2 24 1" + std::string(2000, ' ')},
  };
  for (const auto& c : cases) {
    test::writeFile(folder_ / "bad.ctp", c.bytes);
    ChartTemplate t(16, 3);
    EXPECT_FALSE(ReadTemplate(folder_ / "bad.ctp", t)) << c.name;
    EXPECT_TRUE(t.empty()) << c.name;
  }
  EXPECT_FALSE(ReadTemplateHeader(folder_ / "missing.ctp"));
  EXPECT_TRUE(listTemplates({folder_.path(), folder_ / "none"}).empty());
}

TEST_F(TemplateFiles, LookupFindsEveryCidTheFirstRecordWinning) {
  ChartTemplate t(16, 5);
  const uint32_t cids[] = {7, 20000, 3, 7, 65535};
  for (uint32_t i = 0; i < 5; ++i) t.setCid(i, cids[i]);
  const auto lookups = [&] {
    return std::vector{t.ImageOf(7),     t.ImageOf(20000), t.ImageOf(3),
                       t.ImageOf(65535), t.ImageOf(4),     t.ImageOf(-1)};
  };
  const std::vector<int32_t> expected{0, 1, 2, 4, -1, -1};
  EXPECT_EQ(lookups(), expected);  // by search
  t.rebuildLookup(9999);
  EXPECT_EQ(lookups(), expected);
  t.rebuildLookup(65535);
  EXPECT_EQ(lookups(), expected);
}

TEST(TemplateTexts, CompatibilityEstimateAndLegend) {
  EXPECT_TRUE(IsCompatible("Japan1", "japan1"));
  EXPECT_TRUE(IsCompatible("", "Korea1"));
  EXPECT_TRUE(IsCompatible("GB1", ""));
  EXPECT_FALSE(IsCompatible("Japan1", "Japan2"));
  EXPECT_FALSE(IsCompatible("Japan1", "Japan"));
  EXPECT_EQ(templateEstimateKilobytes(24, 7000), 519u);
  EXPECT_EQ(templateEstimateKilobytes(16, 0), 0u);
  EXPECT_EQ(templateLegend(nullptr, true), "There are no templates loaded.");
  ChartTemplate t(24, 7000);
  t.ordering = "Japan1";
  t.filePath = "/x/Template/JAPAN24.ctp";
  EXPECT_EQ(templateLegend(&t, false),
            "The current template is Japan1 from file JAPAN24.ctp. It contains 7000 images of "
            "24x24 size. This template is not  compatible with the current CID font.");
}

// The sample font's glyphs at CIDs, built into templates from its native file.
class TemplateBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    SubsetFont sample = test::sampleFont();
    ASSERT_TRUE(WriteNativeFont(folder_ / "SAMP0000.vtb", sample, 0));
    SubsetFontEntry entry;
    entry.setName("SampleSans");
    entry.setFileStem("SAMP0000");
    entry.characterCount = 5;
    std::vector<CharacterRecord> records;
    for (auto [glyph, cid] : {std::pair{0, 5}, {2, 6}, {3, 7}, {4, -1}, {0, 20000}}) {
      records.push_back(CharacterRecord::make(0, glyph));
      records.back().cid = cid;
    }
    ASSERT_EQ(font_.addSubsetFont(entry, records), 0);
    font_.Rebuild();
  }
  bool ink(const std::vector<uint8_t>& rows, uint32_t rowBytes, int c, int r) {
    return !(rows[static_cast<std::size_t>(r) * rowBytes + c / 8] & (0x80 >> (c % 8)));
  }
  test::TempFolder folder_;
  CCidFont font_;
};

TEST_F(TemplateBuild, ImagesMatchTheGlyphsAndTheFileReadsBack) {
  std::vector<std::string> statuses;
  std::vector<std::tuple<int, int64_t, int64_t>> calls;
  TemplateBuildRequest request{"Japan1", 6, 24, 900, -100};
  EXPECT_EQ(cidsWithCharacters(font_), 4u);
  TemplateBuildResult result = BuildTemplate(
      font_, folder_.path(), request,
      [&](int kind, int64_t a, int64_t b) {
        calls.emplace_back(kind, a, b);
        return 0;
      },
      [&](const std::string& s) { statuses.push_back(s); });
  ASSERT_TRUE(result.chartTemplate);
  ChartTemplate& t = *result.chartTemplate;
  ASSERT_EQ(t.count(), 4u);
  EXPECT_EQ(statuses, std::vector<std::string>{"Processing SampleSans..."});
  EXPECT_EQ(calls.front(), std::make_tuple(2, int64_t{0}, int64_t{4}));
  EXPECT_EQ(calls.back(), std::make_tuple(1, int64_t{4}, int64_t{0}));
  EXPECT_EQ(std::vector({t.cidOf(0), t.cidOf(1), t.cidOf(2), t.cidOf(3)}),
            std::vector<uint32_t>({5, 20000, 6, 7}));
  // The triangle (10,0) (250,700) (490,0) fitted into 24 pixels: scale 0.024, origin x
  // (24 - 12) / 2 = 6, baseline (24 + 19) / 2 = 21. Pixels clearly inside or outside agree.
  const std::vector<uint8_t> a = t.image(static_cast<uint32_t>(t.ImageOf(5)));
  int checked = 0;
  for (int r = 0; r < 24; ++r) {
    for (int c = 0; c < 24; ++c) {
      const double x = (c + 0.5 - 6) / 0.024, y = (21 - (r + 0.5)) / 0.024;
      // Signed distances to the three edges, in font units.
      const double d1 = y, d2 = (700 * (x - 10) - 240 * y) / std::hypot(700, 240),
                   d3 = (700 * (490 - x) - 240 * y) / std::hypot(700, 240);
      const double inside = std::min({d1, d2, d3});
      if (std::abs(inside) < 25) continue;
      EXPECT_EQ(ink(a, 4, c, r), inside > 0) << c << "," << r;
      ++checked;
    }
  }
  EXPECT_GT(checked, 450);
  const std::vector<uint8_t> space = t.image(static_cast<uint32_t>(t.ImageOf(6)));
  EXPECT_TRUE(
      std::all_of(space.begin(), space.end(), [](uint8_t b) { return b == 0xFF || b == 0; }));
  EXPECT_EQ(t.image(1), a);  // the copy at CID 20000
  ASSERT_TRUE(WriteTemplate(t, folder_ / "SAMPLE"));
  ChartTemplate read;
  ASSERT_TRUE(ReadTemplate(folder_ / "SAMPLE.ctp", read));
  EXPECT_EQ(test::readFile(folder_ / "SAMPLE.ctp"), templateFileBytes(read));
  EXPECT_EQ(read.image(3), t.image(3));
  ASSERT_EQ(listTemplates({folder_.path()}).size(), 1u);
  EXPECT_EQ(listTemplates({folder_.path()})[0].header.supplement, 6u);
}

TEST_F(TemplateBuild, CancelUnreadableFontsAndTheExistingFileQuestion) {
  TemplateBuildRequest request{"Japan1", 6, 16, 900, -100};
  int queries = 0;
  EXPECT_FALSE(BuildTemplate(font_, folder_.path(), request, [&](int kind, int64_t, int64_t) {
                 return kind == kProgressCancelQuery && ++queries == 2 ? 1 : 0;
               }).chartTemplate);
  TemplateBuildResult missing = BuildTemplate(font_, folder_ / "elsewhere", request);
  ASSERT_TRUE(missing.chartTemplate);
  EXPECT_EQ(missing.chartTemplate->count(), 0u);
  EXPECT_EQ(missing.unreadableFonts, std::vector<std::string>{"SAMP0000.vtb"});

  ScriptedPrompts prompts;
  EXPECT_EQ(askAboutExistingTemplate(prompts, folder_ / "NEW.ctp"), ExistingTemplate::kWrite);
  EXPECT_TRUE(prompts.shown().empty());
  test::writeFile(folder_ / "OLD.ctp", "x");
  prompts.script("Change Name");
  EXPECT_EQ(askAboutExistingTemplate(prompts, folder_ / "OLD.ctp"), ExistingTemplate::kChangeName);
  EXPECT_EQ(prompts.shown().back().text,
            "Template file OLD.ctp already exists. \nWhat do you want to do?");
  EXPECT_EQ(prompts.shown().back().title, "Warning!");
  prompts.script("&Replace It");
  EXPECT_EQ(askAboutExistingTemplate(prompts, folder_ / "OLD.ctp"), ExistingTemplate::kWrite);
  EXPECT_EQ(askAboutExistingTemplate(prompts, folder_ / "OLD.ctp"), ExistingTemplate::kCancel);
}

}  // namespace
}  // namespace sorvella
