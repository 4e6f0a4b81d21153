// `sorvella-cli dump` of TrueType fonts, run as a user runs it, on DejaVu Sans with fontTools
// saying what its directory and headers hold.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "base/text_format.h"
#include "cli/cli_run.h"
#include "support/peer_tool.h"
#include "support/temp_folder.h"
#include "support/truetype_peer.h"

namespace sorvella {
namespace {

// fontTools' head offset and length, unitsPerEm, ascender, descender, advanceWidthMax,
// numGlyphs, and the first composite glyph with its component count.
constexpr char kPeerScript[] = R"(
import sys
from fontTools.ttLib import TTFont
f = TTFont(sys.argv[1]); h = f['hhea']; e = f.reader.tables['head']; o = f.getGlyphOrder()
c = next(i for i, n in enumerate(o) if f['glyf'][n].isComposite())
print(e.offset, e.length, f['head'].unitsPerEm, h.ascent, h.descent, h.advanceWidthMax,
      f['maxp'].numGlyphs, c, len(f['glyf'][o[c]].components))
)";

class DumpTrueTypeFont : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::PeerRun run = test::runPeer(test::kSystemPython, {"-c", kPeerScript, test::kDejaVuSans});
    ASSERT_EQ(run.status, 0) << run.out;
    std::istringstream(run.out.substr(run.out.find_last_of('\n', run.out.size() - 2) + 1)) >>
        head_[0] >> head_[1] >> unitsPerEm_ >> ascender_ >> descender_ >> widthMax_ >> glyphs_ >>
        composite_ >> components_;
  }
  static bool has(const std::string& output, const std::string& text) {
    return output.find(text) != std::string::npos;
  }
  static inline unsigned long head_[2];
  static inline int unitsPerEm_, ascender_, descender_, widthMax_, glyphs_, composite_, components_;
};

TEST_F(DumpTrueTypeFont, ReadableFormShowsTheDirectoryTablesAndGlyphs) {
  test::CliResult r = test::runCli(std::string("dump --records ") + test::kDejaVuSans);
  ASSERT_EQ(r.status, 0) << r.output.substr(0, 500);
  EXPECT_TRUE(has(r.output, "TrueType font\n")) << r.output.substr(0, 500);
  EXPECT_TRUE(has(r.output, formatText("\n'head' at offset %8.8lx, length = %8.8lx, CS = 0x",
                                       head_[0], head_[1])));
  EXPECT_TRUE(has(r.output, "\n****head, source: imported\nversion 65536; fontRevision"));
  EXPECT_TRUE(has(r.output, formatText("unitsPerEm %d; ", unitsPerEm_)));
  EXPECT_TRUE(has(r.output, formatText("\n****hhea, source: imported\nascender %d, descender %d, "
                                       "widthMax %d; ",
                                       ascender_, descender_, widthMax_)));
  EXPECT_TRUE(has(r.output, formatText("\nGlyph # %4i: ", composite_)));
  EXPECT_TRUE(has(r.output, formatText(" composite, %d components.\nGlyph # %4i: ", components_,
                                       composite_ + 1)));
}

TEST_F(DumpTrueTypeFont, JsonFormKeysTheFactsByTheFormatsFieldNames) {
  test::CliResult r = test::runCli(std::string("dump --json ") + test::kDejaVuSans);
  ASSERT_EQ(r.status, 0) << r.output.substr(0, 500);
  nlohmann::json json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["kind"], "TrueType font");
  std::map<std::string, nlohmann::json> tables;
  for (const auto& t : json["tables"]) tables[t["tag"]] = t;
  EXPECT_EQ(tables["head"]["fields"]["unitsPerEm"], unitsPerEm_);
  EXPECT_EQ(tables["head"]["type"], "type_headTABLE");
  EXPECT_EQ(tables["maxp"]["fields"]["numGlyphs"], glyphs_);
  EXPECT_EQ(tables["glyf"]["fields"]["numGlyphs"], glyphs_);
  EXPECT_EQ(tables["glyf"]["fields"]["damaged"], 0);
  EXPECT_EQ(tables["post"]["description"], "PostStript information");
  EXPECT_EQ(tables["GPOS"]["type"], "type_TTF_TABLE");
  EXPECT_EQ(tables["name"]["fields"]["nameRecord"][1]["string"], "DejaVu Sans");
}

TEST_F(DumpTrueTypeFont, DamagedFontsFailWithTheReason) {
  test::CliFolder folder;
  std::string bytes = test::readFile(test::kDejaVuSans).substr(0, 200);
  test::CliResult r = test::runCli("dump " + folder.write("cut.ttf", bytes).string());
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.output, "cut.ttf: the data does not fit its table or the file")) << r.output;
}

}  // namespace
}  // namespace sorvella
