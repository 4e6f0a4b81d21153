// Byte records of outlines and glyphs: exact bytes, round trips, and damaged input.
#include "glyph/glyph_record.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "glyph/packed_integer.h"
#include "support/bytes.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

using test::fromHex;
using test::toHex;

std::string packedHex(int32_t v) {
  ByteWriter out;
  writePacked(out, v);
  return toHex(out.bytes());
}

int32_t unpack(const std::string& hex) {
  auto bytes = fromHex(hex);
  ByteReader in(bytes);
  return readPacked(in);
}

TEST(PackedInteger, BoundaryValuesTakeTheirForms) {
  const struct {
    int32_t value;
    const char* hex;
  } cases[] = {
      {0, "8B"},
      {107, "F6"},
      {-107, "20"},
      {108, "F7 00"},
      {1131, "FA FF"},
      {-108, "FB 00"},
      {-1131, "FE FF"},
      {1132, "FF 00 00 04 6C"},
      {-1132, "FF FF FF FB 94"},
      {65536 + 5, "FF 00 01 00 05"},
      {INT32_MIN, "FF 80 00 00 00"},
      {INT32_MAX, "FF 7F FF FF FF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(packedHex(c.value), c.hex);
    EXPECT_EQ(unpack(c.hex), c.value) << c.hex;
  }
  // Missing bytes read as zero.
  EXPECT_EQ(unpack(""), 0);
  EXPECT_EQ(unpack("F7"), 108);
  EXPECT_EQ(unpack("FF 00 01"), 256 * 256);
}

// A hand-built glyph with every written tag, and its record worked out byte by byte.
Glyph handBuiltGlyph() {
  Glyph g(1);
  g.setName("A");
  g.appendNode(Node::move({10, 20}));
  g.appendNode(Node::line({300, 20}));
  Node curve = Node::curve({300, 400}, {310, 100}, {320, 300});
  curve.header |= node_flag::kSmooth;
  g.appendNode(curve);
  g.appendNode(Node::line({0, 0}));
  g.setAdvance(0, {500, 0});
  GlyphHints& hints = g.hints().emplace();
  hints.horizontal.push_back({{{20, 380}}});
  hints.vertical.push_back({{{10, -21}}});
  hints.replacement = {{hint_kind::kHorizontal, 0}, {hint_kind::kReplacementPoint, 2}};
  g.guides().emplace().vertical.push_back({{{250, 1000}}});
  g.components().push_back({7, {{-5, 2000}}, {{1.0, 0.5}}});
  g.setKerning(3, -40);
  g.setKerning(200, 15);
  TrueTypeGlyphData& tt = g.trueTypeData().emplace();
  tt.header = {1, 2, 3, 40000};
  tt.headerByte = 5;
  tt.bounds = {0, -10, 300, 400};
  tt.endPoints = {2};
  tt.points = {{1, 0, 0}, {0, 100, -200}};
  tt.instructions = {0xB0, 0x01};
  return g;
}

const char* kHandBuiltOutline =
    "8C AB 8F "                       // masters 1, used size 32, 4 nodes
    "00 95 9F "                       // move (10, 20)
    "01 F7 B6 8B "                    // line: +290, 0
    "13 8B F8 10 95 FB C0 95 F7 5C "  // smooth curve: end, first control, second control
    "01 FB D4 FB C0";                 // line from the second control point: -320, -300

TEST(OutlineRecord, BytesOfAHandBuiltOutline) {
  ByteWriter out;
  writeOutlineRecord(handBuiltGlyph(), out);
  EXPECT_EQ(toHex(out.bytes()), toHex(fromHex(kHandBuiltOutline)));
}

TEST(GlyphRecord, BytesOfAGlyphWithEveryTag) {
  std::string expected = std::string("01 09 07 01 ") +
                         "01 8C 41 "  // name "A"
                         "08 " +
                         kHandBuiltOutline +
                         " "                                        // outline
                         "02 F8 88 8B "                             // advance (500, 0)
                         "03 8C 9F F8 10 8C 95 76 8D 01 8B FF 8D "  // hints and program
                         "04 8B 8C F7 8E FA 7C "                    // guides
                         "05 8C 92 86 FF 00 00 07 D0 "              // component 7 at (-5, 2000)
                         "00 00 00 00 00 00 F0 3F 00 00 00 00 00 00 E0 3F "
                         "06 8D 8E 63 F7 5C 9A "                      // kerning: 3 -40, 200 15
                         "09 8C 8D 8E FF 00 00 9C 40 90 8B 81 F7 C0 F8 24 "  // TrueType data
                         "8C 8D 8D 8B 8B 01 EF FB 5C 00 8D B0 01 8B "
                         "0F";
  EXPECT_EQ(toHex(glyphRecordBytes(handBuiltGlyph())), toHex(fromHex(expected)));
}

TEST(GlyphRecord, OptionalTagsAreLeftOutWhenEmpty) {
  Glyph g(1);
  g.appendNode(Node::move({0, 0}));
  g.components().clear();
  EXPECT_EQ(toHex(glyphRecordBytes(g)), "01 09 07 01 01 8B 08 8C 91 8C 00 8B 8B 02 8B 8B 0F");
}

class GlyphRecordReading : public ::testing::Test {
 protected:
  std::vector<uint8_t> record_ = glyphRecordBytes(handBuiltGlyph());
};

TEST_F(GlyphRecordReading, WrongLeadingBytesLeaveTheGlyphUnchanged) {
  Glyph g = handBuiltGlyph();
  g.setName("kept");
  auto bad = record_;
  bad[2] = 0x08;
  EXPECT_FALSE(readGlyphRecord(g, bad));
  EXPECT_EQ(g.name(), "kept");
  EXPECT_EQ(g.nodeCount(), 4);
}

TEST_F(GlyphRecordReading, KerningReadFromAnyPlaceIsWrittenInTagOrder) {
  // The same pairs as tag 6 after the TrueType data, just before the end tag.
  Glyph withoutKerning = handBuiltGlyph();
  withoutKerning.kerning().clear();
  auto bytes = glyphRecordBytes(withoutKerning);
  bytes.pop_back();
  for (uint8_t b : fromHex("06 8D 8E 63 F7 5C 9A 0F")) bytes.push_back(b);
  Glyph g;
  ASSERT_TRUE(readGlyphRecord(g, bytes));
  ASSERT_EQ(g.kerning().size(), 2u);
  EXPECT_EQ(g.kerning()[0], (KernPair{3, {-40}}));
  EXPECT_EQ(g.kerning()[1], (KernPair{200, {15}}));
  EXPECT_EQ(glyphRecordBytes(g), record_);
}

// Tags without bodies are skipped as single bytes, reading stops at the end tag, and long
// names are cut to 255 bytes.
TEST_F(GlyphRecordReading, UnknownTagsTrailingBytesAndLongNames) {
  auto bytes = record_;
  bytes.pop_back();
  for (uint8_t b : fromHex("07 00 0C 10 FE 0F 01")) bytes.push_back(b);
  ByteReader in(bytes);
  Glyph g;
  ASSERT_TRUE(readGlyphRecord(g, in));
  EXPECT_TRUE(g.sameContent(handBuiltGlyph()));
  EXPECT_EQ(in.position(), bytes.size() - 1);
  auto named = fromHex("01 09 07 01 01 F7 C0");  // a name of 300 bytes
  named.insert(named.end(), 300, 'n');
  named.push_back(0x0F);
  ASSERT_TRUE(readGlyphRecord(g, named));
  EXPECT_EQ(g.name(), std::string(255, 'n'));
}

TEST_F(GlyphRecordReading, ReadNodesGetTheirTypesAndNoSelection) {
  // Codes 0..5 with connection bits; code 2 is an empty header without points.
  auto bytes = fromHex(
      "01 09 07 01 08 8C 9F 91 "
      "00 8C 8C  21 8C 8C  32  03 8C 8C 8C 8C 8C 8C  04 8C 8C  05 8C 8C "
      "0F");
  Glyph g;
  g.selectAll();
  ASSERT_TRUE(readGlyphRecord(g, bytes));
  ASSERT_EQ(g.nodeCount(), 6);
  EXPECT_EQ(g.header(0), node_type::kMove);
  EXPECT_EQ(g.header(1), 0x2001);
  EXPECT_EQ(g.header(2), node_flag::kFixed);
  EXPECT_EQ(g.pointCount(2), 0);
  EXPECT_EQ(g.header(3), node_type::kCurve);
  EXPECT_EQ(g.header(4), node_type::kOffCurve);
  EXPECT_EQ(g.header(5), node_type::kPlain);
  EXPECT_EQ(g.point(5), (Point{7, 7}));  // deltas accumulate across every point
  EXPECT_FALSE(g.anySelected());
}

TEST_F(GlyphRecordReading, ImpossibleCountsAndCodesFail) {
  const char* cases[] = {
      "01 09 07 01 08 8C 8B FF 7F FF FF FF 00 8B 8B 0F",              // 2^31 - 1 nodes, one given
      "01 09 07 01 08 8B 8B 8B 0F",                                   // no masters
      "01 09 07 01 08 9C 8B 8B 0F",                                   // 17 masters
      "01 09 07 01 08 8C 8B 8C 06 8B 8B 0F",                          // node code 6
      "01 09 07 01 01 FF 7F FF FF FF 41 0F",                          // a name of 2^31 - 1 bytes
      "01 09 07 01 03 FF 10 00 00 00 8B 8B 8B 0F",                    // 2^28 horizontal hints
      "01 09 07 01 03 8B 8B FF 7F FF FF F0 0F",                       // huge replacement program
      "01 09 07 01 05 FF 00 10 00 00 0F",                             // 2^20 components
      "01 09 07 01 06 8A 0F",                                         // -1 kerning pairs
      "01 09 07 01 09 8B 8B 8B 8B 8B 8B 8B 8B 8B FF 00 01 00 00 0F",  // 65536 end points
  };
  for (const char* hex : cases) {
    Glyph g;
    g.setName("unchanged");
    EXPECT_FALSE(readGlyphRecord(g, fromHex(hex))) << hex;
    EXPECT_EQ(g.name(), "unchanged") << hex;
  }
}

}  // namespace
}  // namespace sorvella
