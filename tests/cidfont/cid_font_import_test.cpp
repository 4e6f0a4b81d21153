// The one CIDFont import sequence: a subset font that the add-subset-font operation refuses
// ends the import.
#include "cidfont/cid_font_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cid_font_bytes.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

// Whole files, files cut short, cancels and dictionaries beyond the count are imported by the
// batch tool's and the document's tests; here is what only the sequence decides.
TEST(CidFontImportSequence, ARefusedSubsetFontEndsTheImportWithNoFont) {
  test::HandCidFont hand;
  hand.dicts = {{"First", {}, {}}, {"Second", {}, {}}};
  const std::vector<uint8_t> square =
      test::charstring("0 500 hsbw 0 0 rmoveto 100 0 rlineto endchar");
  for (int i = 0; i < 602; ++i) hand.cids.push_back({i < 2 ? 0 : 1, square});
  const std::vector<uint8_t> bytes = hand.bytes();
  CidKeyedFontReader reader(bytes);
  std::vector<std::string> offered;
  const CidFontImport result = importCidFont(reader, [&](CCidFont&, SubsetFont& font) {
    offered.push_back(font.info().fontName());
    return offered.size() < 2;
  });
  EXPECT_EQ(result.font, nullptr);
  EXPECT_TRUE(result.refused);
  EXPECT_EQ(offered, (std::vector<std::string>{"First", "Second-01"}));
}

}  // namespace
}  // namespace sorvella
