// The TrueType reader's directory and tables, on small fonts built byte by byte: known and
// unknown tags, character maps of every format, names, glyph names, kerning, device widths
// and the hinting tables, sound and damaged.
#include <gtest/gtest.h>

#include "support/truetype_bytes.h"
#include "truetype/cmap_table.h"
#include "truetype/hdmx_table.h"
#include "truetype/kern_table.h"
#include "truetype/ttf.h"

namespace sorvella {
namespace {

using test::words;

// The glyphs a subtable gives for the codes.
std::vector<int> glyphsFor(const TTcmapTable* t, std::initializer_list<uint32_t> codes) {
  std::vector<int> glyphs;
  for (uint32_t c : codes) glyphs.push_back(t->glyphFor(c));
  return glyphs;
}

class TrueTypeTables : public ::testing::Test {
 protected:
  // A font of three empty glyphs with the given further tables.
  TTF& open(std::map<std::string, std::vector<uint8_t>> extra) {
    test::TTTestFont f;
    f.glyphs.resize(3);
    f.extra = std::move(extra);
    EXPECT_TRUE(font_.Open(test::fontBytes(f))) << errorText(font_.error());
    return font_;
  }
  TTcmapTable* cmap(std::vector<uint8_t> body) {
    return open({{"cmap", test::cmapTable({{3, 1, 0}}, {std::move(body)})}}).FindSubtable(3, 1);
  }
  TTF font_;
};

TEST_F(TrueTypeTables, DirectoryKeepsUnknownTagsPlainAndSkipsSemicolonTags) {
  test::TTTestFont f;
  f.extra = {{"ZZZZ", {1, 2, 3}}, {";abc", {4}}, {"gasp", {0, 1}}};
  ASSERT_TRUE(font_.Open(test::fontBytes(f)));
  std::vector<std::string> types;
  for (const auto& t : font_.tables()) types.push_back(t->tagText() + " " + t->typeName());
  EXPECT_EQ(types, (std::vector<std::string>{"ZZZZ type_TTF_TABLE", "gasp type_gaspTABLE",
                                             "glyf type_glyfTABLE", "head type_headTABLE",
                                             "hhea type_hheaTABLE", "hmtx type_hmtxTABLE",
                                             "loca type_locaTABLE", "maxp type_maxpTABLE"}));
  EXPECT_FALSE(font_.tables()[0]->kind().has_value());
  EXPECT_EQ(font_.tables()[0]->length(), 3u);
  EXPECT_EQ(font_.Table(TTTableKind::kCmap), nullptr);
  EXPECT_EQ(font_.Table(TTTableKind::kHead)->source(), TTSource::kImported);
  EXPECT_EQ(font_.tables()[2]->source(), TTSource::kInitiated);  // glyf, not asked for yet
}

TEST_F(TrueTypeTables, UnreadableFilesFailWithTheirErrorCode) {
  test::TTTestFont f;
  f.glyphs.resize(1);
  const std::vector<uint8_t> sound = test::fontBytes(f);
  EXPECT_FALSE(font_.Open("/nonexistent/font.ttf"));
  EXPECT_EQ(font_.error(), TTError::kNoFile);
  // Cut inside the offset table, the directory and `head`; then a font without `head`.
  for (std::size_t cut : {std::size_t{10}, std::size_t{40}, sound.size() - 60}) {
    EXPECT_FALSE(font_.Open(std::vector<uint8_t>(sound.begin(), sound.begin() + cut))) << cut;
    EXPECT_EQ(font_.error(), TTError::kDamaged) << cut;
  }
  std::vector<uint8_t> noHead = test::sfntBytes({{"maxp", {0, 0, 0x50, 0, 0, 1}}});
  EXPECT_FALSE(font_.Open(noHead));
  EXPECT_TRUE(font_.Open(sound));
  EXPECT_EQ(font_.error(), TTError::kNone);
}

TEST_F(TrueTypeTables, RecordsOfOneOffsetShareOneBody) {
  TTF& f = open({{"cmap", test::cmapTable({{0, 3, 0}, {3, 1, 0}, {1, 0, 1}},
                                          {test::cmapFormat4({{0xFFFF, 0xFFFF, 1, 0}}),
                                           test::cmapFormat4({{0xFFFF, 0xFFFF, 1, 0}})})}});
  EXPECT_EQ(f.Table<cmapTABLE>()->bodies().size(), 2u);
  EXPECT_EQ(f.FindSubtable(0, 3), f.FindSubtable(3, 1));
  EXPECT_NE(f.FindSubtable(1, 0), f.FindSubtable(3, 1));
  EXPECT_EQ(f.FindSubtable(3, 10), nullptr);
}

TEST_F(TrueTypeTables, Formats0And2And6FillTheirCodes) {
  std::vector<uint8_t> f0 = {0, 0, 1, 6, 0, 0};
  for (int c = 0; c < 256; ++c) f0.push_back(static_cast<uint8_t>(c == 'A' ? 3 : 0));
  // Format 2: first byte 0x81 leads two-byte codes 0x8140..0x8141 (subheader 1); the other
  // first bytes are single bytes of subheader 0, which maps 'A' only.
  std::vector<uint8_t> keys(512, 0);
  keys[2 * 0x81 + 1] = 8;
  // Each idRangeOffset counts from its own field: subheader 0 ('A') takes the array's second
  // value, subheader 1 (0x40 and 0x41, delta 1) the array from its start.
  std::vector<uint8_t> f2 = words({2, 6 + 512 + 20, 0});
  f2.insert(f2.end(), keys.begin(), keys.end());
  for (uint8_t b : words({0x41, 1, 0, 12, 0x40, 2, 1, 2, 4, 5})) f2.push_back(b);
  TTF& f = open({{"cmap", test::cmapTable({{1, 0, 0}, {3, 2, 1}, {3, 0, 2}},
                                          {f0, f2, words({6, 16, 0, 0x30, 3, 7, 8, 9})})}});
  EXPECT_EQ(f.FindSubtable(1, 0)->glyphFor('A'), 3);
  TTcmapTable* two = f.FindSubtable(3, 2);
  EXPECT_EQ(two->error(), TTError::kNone);
  EXPECT_TRUE(two->isSingleByte('A'));
  EXPECT_FALSE(two->isSingleByte(0x81));
  EXPECT_EQ(glyphsFor(two, {0x8140, 0x8141, 'A'}), (std::vector<int>{5, 6, 5}));
  EXPECT_EQ(glyphsFor(f.FindSubtable(3, 0), {0x31, 0x33}), (std::vector<int>{8, 0}));
}

TEST_F(TrueTypeTables, DamagedCharacterMapsAreErrorsNotReadsOutside) {
  std::vector<uint8_t> pastArray =
      test::cmapFormat4({{0x41, 0x5A, 0, 4}, {0xFFFF, 0xFFFF, 1, 0}}, {7});
  std::vector<uint8_t> segmentsCut = test::cmapFormat4({{0x41, 0x5A, 0, 0}});
  segmentsCut[7] = 200;  // segCountX2 far beyond the subtable
  // Format 6: five entries promised, none present.
  for (const auto& body : {pastArray, segmentsCut, words({6, 12, 0, 0xFFFE, 5})}) {
    TTcmapTable* t = cmap(body);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->error(), TTError::kDamaged);
    EXPECT_EQ(font_.Table(TTTableKind::kCmap)->error(), TTError::kDamaged);
  }
  EXPECT_EQ(cmap(pastArray)->glyphFor(0x41), 7);  // the part inside is still read
}

TEST_F(TrueTypeTables, WindowsNamesBecomeWindows1252WithQuestionMarks) {
  const std::string cafe("\0C\0a\0f\0\xE9\0 \x20\xAC\x4E\x2D\xD8\x3D\xDE\x00", 18);
  TTF& f = open({{"name", test::nameTable({{{3, 1, 0x409, 4}, cafe},
                                           {{1, 0, 0, 4}, "Mac \xE9"},
                                           {{3, 1, 0x407, 4}, std::string("\0X", 2)},
                                           {{3, 1, 0x409, 6}, std::string("\0P\0S", 4)}})}});
  EXPECT_EQ(f.NameExact(3, 1, 0x409, 4), "Caf\xE9 \x80??");
  EXPECT_EQ(f.NameExact(3, 1, 0x407, 4), "X");
  EXPECT_EQ(f.NameExact(3, 1, 0x409, 5), "");
  EXPECT_EQ(f.NameFirst(4, 1), "Mac \xE9");
  EXPECT_EQ(f.NameFirst(4, 3), f.NameExact(3, 1, 0x409, 4));
  EXPECT_EQ(f.NameFirst(6, 3), "PS");
}

TEST_F(TrueTypeTables, NameTextsPastTheStorageAreLeftOutAsDamage) {
  std::vector<uint8_t> name = test::nameTable(
      {{{3, 1, 0x409, 1}, std::string("\0A", 2)}, {{3, 1, 0x409, 2}, std::string("\0B", 2)}});
  name[6 + 12 + 8] = 0x7F;  // the second record's length
  TTF& f = open({{"name", name}});
  EXPECT_EQ(f.Table(TTTableKind::kName)->error(), TTError::kDamaged);
  EXPECT_EQ(f.NameExact(3, 1, 0x409, 1), "A");
  EXPECT_EQ(f.NameExact(3, 1, 0x409, 2), "");
  EXPECT_EQ(f.error(), TTError::kNone);  // the font itself opens
}

// A glyph index read from the name's bytes is damage.
TEST_F(TrueTypeTables, PostNamesPastTheTableAreDamage) {
  std::vector<uint8_t> post = words({2, 0});
  post.resize(32, 0);
  for (uint8_t b : words({4, 1, 258, 2, 0x0561, 0x6C70, 0x6861})) post.push_back(b);
  EXPECT_EQ(open({{"post", post}}).Table(TTTableKind::kPost)->error(), TTError::kDamaged);
}

// Kerning pairs and hinting tables are compared with fontTools on the real fonts.
TEST_F(TrueTypeTables, DeviceWidthsAndDamagedKerning) {
  // Two records of 8 bytes: size and maximum, three widths, padding.
  std::vector<uint8_t> hdmx = {0, 0, 0, 2, 0,  0,  0, 8,  12, 9, 6, 7,
                               8, 0, 0, 0, 16, 12, 8, 10, 12, 0, 0, 0};
  TTF& f = open({{"hdmx", hdmx}});
  EXPECT_EQ(f.Table<hdmxTABLE>()->deviceWidth(1, 16), 10);
  EXPECT_EQ(f.Table<hdmxTABLE>()->deviceWidth(2, 12), 8);
  EXPECT_EQ(f.Table<hdmxTABLE>()->deviceWidth(1, 13), -1);

  // 200 pairs promised in a table that holds two.
  const std::vector<uint8_t> kern =
      words({0, 1, 0, 14 + 12, 0x0001, 200, 0, 0, 0, 1, 2, -40, 2, 0, 15});
  EXPECT_EQ(open({{"kern", kern}}).Table(TTTableKind::kKern)->error(), TTError::kDamaged);
  EXPECT_EQ(font_.Table<kernTABLE>()->subtables()[0].pairs.size(), 2u);
}

}  // namespace
}  // namespace sorvella
