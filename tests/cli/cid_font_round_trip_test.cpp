// Whole CID fonts through the batch tool: a CIDFont imported, reopened, arranged away and back
// through a text index, exported for tx and imported again; and all 35 URW fonts added at once.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cli/cli_run.h"
#include "support/cid_fixtures.h"
#include "support/peer_tool.h"
#include "support/tx_metrics.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::runCli;

void run(const std::string& args) {
  test::CliResult r = runCli(args);
  ASSERT_EQ(r.status, 0) << args << "\n" << r.output;
}

// cid -> (subset font name, glyph) of every placed character, as the index file holds them.
std::map<int32_t, std::pair<std::string, int>> arrangement(const fs::path& index) {
  BinaryIndexReadResult read = ReadBinaryIndex(index);
  EXPECT_TRUE(read.opened) << index;
  std::map<int32_t, std::pair<std::string, int>> placed;
  if (!read.font) return placed;
  read.font->RebuildTables();
  for (const CharacterRecord& r : read.font->records())
    if (r.cid >= 0) placed[r.cid] = {read.font->subsetFont(r.font).name(), r.glyph};
  return placed;
}

template <typename Map>
std::set<int> cidsOf(const Map& map) {
  std::set<int> cids;
  for (const auto& entry : map) cids.insert(entry.first);
  return cids;
}

TEST(CidFontRoundTrip, ImportReopenRearrangeExportAndImportAgain) {
  test::CliFolder folder;
  const fs::path source = test::cidFixture("three-dicts.cid");
  const std::map<int, test::TxCidGlyph> tx = test::txCidMetrics(source);
  ASSERT_FALSE(tx.empty()) << "tx cannot read " << source;
  const fs::path index = folder / "THREE" / "THREE.sqf";
  run("import " + test::quoted(source) + " " + test::quoted(folder / "THREE"));

  test::CliResult info = runCli("info " + test::quoted(index));
  ASSERT_EQ(info.status, 0) << info.output;
  EXPECT_EQ(info.output.substr(0, info.output.find('\n')),
            formatText("The current CID font contains %d characters in 3 subset fonts.",
                       static_cast<int>(tx.size())));
  EXPECT_EQ(info.output.find("not placed"), std::string::npos) << info.output;

  // Every CID arrives where tx sees it. The imported fonts are locked, so a clear skips them.
  const auto imported = arrangement(index);
  EXPECT_EQ(cidsOf(imported), cidsOf(tx));
  run("clear " + test::quoted(index) + " 2 60");
  EXPECT_EQ(arrangement(index), imported);

  const fs::path sci = folder / "three.sci";
  run("export " + test::quoted(index) + " " + test::quoted(sci));
  run("unlock " + test::quoted(index) + " all");
  run("clear " + test::quoted(index) + " 2 60");
  EXPECT_LT(arrangement(index).size(), imported.size());
  run("import-index " + test::quoted(index) + " " + test::quoted(sci));
  EXPECT_EQ(arrangement(index), imported);

  // The exported CIDFont carries the same CIDs with the same advances and boxes.
  const fs::path cid = folder / "three.cid";
  run("export " + test::quoted(index) + " " + test::quoted(cid));
  const std::map<int, test::TxCidGlyph> exported = test::txCidMetrics(cid);
  ASSERT_EQ(cidsOf(exported), cidsOf(tx));
  for (const auto& [n, glyph] : tx) {
    const test::TxCidGlyph& ours = exported.at(n);
    EXPECT_EQ(ours.width, glyph.width) << "CID " << n;
    EXPECT_NEAR(ours.left, glyph.left, 1) << "CID " << n;
    EXPECT_NEAR(ours.top, glyph.top, 1) << "CID " << n;
  }
  run("import " + test::quoted(cid) + " " + test::quoted(folder / "AGAIN"));
  const auto again = arrangement(folder / "AGAIN" / "AGAIN.sqf");
  EXPECT_EQ(cidsOf(again), cidsOf(imported));
}

TEST(CidFontRoundTrip, AllUrwFontsArriveAsUnplacedSubsetFonts) {
  const fs::path type1 = "/usr/share/fonts/X11/Type1";
  std::vector<fs::path> fonts;
  for (const fs::directory_entry& entry : fs::directory_iterator(type1))
    if (entry.path().extension() == ".pfb") fonts.push_back(entry.path());
  std::sort(fonts.begin(), fonts.end());
  ASSERT_EQ(fonts.size(), 35u) << "fonts-urw-base35 is not installed as expected";

  test::CliFolder folder;
  const fs::path index = folder / "URW" / "URW.sqf";
  run("new " + test::quoted(folder / "URW"));
  std::string files;
  for (const fs::path& font : fonts) files += " " + test::quoted(font);
  run("add " + test::quoted(index) + files);

  BinaryIndexReadResult read = ReadBinaryIndex(index);
  ASSERT_TRUE(read.opened);
  CCidFont& font = *read.font;
  font.RebuildTables();
  ASSERT_EQ(font.subsetFontCount(), 35);
  EXPECT_EQ(font.unplaced().size(), font.records().size());
  for (int32_t n = 0; n < 35; ++n) {
    const SubsetFontEntry& entry = font.subsetFont(n);
    EXPECT_FALSE(entry.locked);
    EXPECT_TRUE(fs::exists(folder / "URW" / (entry.fileStem() + ".vtb"))) << entry.name();
    // In the order given, each with every glyph tx finds in the font.
    const std::size_t glyphs =
        test::parseTxMetrics(test::runPeer(test::kTx, {"-mtx", fonts[n].string()}).out).size();
    std::size_t records = 0;
    for (const CharacterRecord& r : font.records()) records += r.font == n;
    EXPECT_EQ(records, glyphs) << fonts[n];
    EXPECT_EQ(entry.name() + ".pfb", fonts[n].filename().string());
  }
}

}  // namespace
}  // namespace sorvella
