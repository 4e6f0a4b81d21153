// The one CIDFont import sequence: when it yields a CID font, and which subset fonts reach
// the add-subset-font operation.
#include "cidfont/cid_font_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cid_font_bytes.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

using test::charstring;
using test::HandCid;
using test::HandCidFont;

HandCidFont dicts(int first, int second) {
  HandCidFont font;
  font.dicts = {{"First", {}, {}}, {"Second", {}, {}}};
  const std::vector<uint8_t> square = charstring("0 500 hsbw 0 0 rmoveto 100 0 rlineto endchar");
  for (int i = 0; i < first; ++i) font.cids.push_back({0, square});
  for (int i = 0; i < second; ++i) font.cids.push_back({1, square});
  return font;
}

struct ImportCase {
  const char* name;
  std::vector<uint8_t> bytes;
  int acceptedFonts;  // `add` refuses the font after these; -1: takes all
  bool cancel;        // the first cancel query cancels
  bool imported;
  PSFontStatus status;
  std::vector<std::string> added;
};

std::vector<ImportCase> importCases() {
  HandCidFont beyond = dicts(512, 0);
  beyond.cids.push_back({7, charstring("0 500 hsbw endchar")});
  const std::string header = dicts(1, 1).header();
  return {
      {"whole",
       dicts(2, 600).bytes(),
       -1,
       false,
       true,
       PSFontStatus::kFinished,
       {"First", "Second-01", "Second-02"}},
      {"header cut short",
       test::bytesOf(header.substr(0, header.size() / 2)),
       -1,
       false,
       false,
       PSFontStatus::kFine,
       {}},
      {"add refuses", dicts(2, 600).bytes(), 1, false, false, PSFontStatus::kFinished, {"First"}},
      // A cancel ends the split as finished; the fonts handed over before it make the font.
      {"cancelled", dicts(2, 2).bytes(), -1, true, true, PSFontStatus::kFinished, {}},
      {"dictionary beyond the count",
       beyond.bytes(),
       -1,
       false,
       true,
       PSFontStatus::kFontDictOutOfRange,
       {"First-01"}},
  };
}

TEST(CidFontImportSequence, SucceedsOnlyWhenEverySubsetFontWasAdded) {
  for (const ImportCase& c : importCases()) {
    SCOPED_TRACE(c.name);
    CidKeyedFontReader reader(c.bytes);
    std::vector<std::string> added;
    int offered = 0;
    const CidFontImport result = importCidFont(
        reader,
        [&](CCidFont&, SubsetFont& font) {
          if (c.acceptedFonts >= 0 && offered++ >= c.acceptedFonts) return false;
          added.push_back(font.info().fontName());
          return true;
        },
        [&c](int kind, int64_t, int64_t) { return c.cancel && kind == kProgressCancelQuery; });
    EXPECT_EQ(result.font != nullptr, c.imported);
    EXPECT_EQ(statusNumber(result.status), statusNumber(c.status));
    EXPECT_EQ(added, c.added);
    EXPECT_EQ(result.refused, c.acceptedFonts >= 0);
    if (c.acceptedFonts >= 0) {
      EXPECT_EQ(offered, c.acceptedFonts + 1) << "offered after refusal";
    }
    if (result.font) {
      EXPECT_EQ(result.font->info().fontName(), "Hand");
    }
  }
}

TEST(CidFontImportSequence, AFileThatCannotBeReadImportsNothing) {
  int offered = 0;
  const CidFontImport result =
      importCidFont("/nonexistent/font.cid", [&](CCidFont&, SubsetFont&) { return ++offered > 0; });
  EXPECT_EQ(result.font, nullptr);
  EXPECT_EQ(offered, 0);
}

}  // namespace
}  // namespace sorvella
