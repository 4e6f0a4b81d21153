// Native font files: the bytes written for a font, record framing, glyph slots, the optional
// groups, records the reader skips, and reading and writing files on disk.
#include "glyph/native_font_file.h"

#include <gtest/gtest.h>

#include "glyph/glyph_record.h"
#include "support/native_font_bytes.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

using test::bytesOf;
using test::le16;
using test::le32;
using test::rec;
using test::zeros;

constexpr int kFull = native_font_flag::kFullInfo;

std::string written(const SubsetFont& font, int flags) {
  std::optional<std::vector<uint8_t>> bytes = nativeFontBytes(font, flags);
  EXPECT_TRUE(bytes.has_value());
  return bytes ? test::textOf(*bytes) : std::string();
}

std::unique_ptr<SubsetFont> readText(const std::string& file, NativeFontStatus* status = nullptr) {
  return ReadNativeFont(bytesOf(file), status);
}

std::unique_ptr<Glyph> glyphNamed(const char* name, int16_t advance) {
  auto g = std::make_unique<Glyph>();
  g->setName(name);
  g->setAdvance(0, {advance, 0});
  g->appendNode(Node::move({10, 10}));
  g->appendNode(Node::line({advance, 10}));
  g->appendNode(Node::line({10, 700}));
  return g;
}

std::string glyphRecordText(const Glyph& g) {
  return test::textOf(glyphRecordBytes(g));
}

class EmptyFontFile : public ::testing::Test {};

// Header, begin records, info and axis groups and end records; without full info only the font
// name, zone counts and extra metrics.
TEST_F(EmptyFontFile, IsHeaderBeginRecordsInfoAndAxisGroupsAndEndRecords) {
  std::string expected =
      test::nativeStart() + test::emptyInfoGroup() + test::emptyAxisGroup() + test::nativeEnd();
  EXPECT_EQ(written(SubsetFont(), kFull), expected);
  std::string info = rec(257) + rec(1026);
  for (uint16_t t = 1530; t <= 1535; ++t) info += rec(t, zeros(2));
  info += rec(1264, test::defaultExtraMetrics()) + rec(513);
  EXPECT_EQ(written(SubsetFont(), 0),
            test::nativeStart() + info + test::emptyAxisGroup() + test::nativeEnd());
}

TEST_F(EmptyFontFile, ReadsBackAsAFontWithoutSlots) {
  NativeFontStatus status;
  auto font = readText(written(SubsetFont(), kFull), &status);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(status, NativeFontStatus::kOk);
  EXPECT_EQ(font->slotCount(), 0);
  EXPECT_EQ(font->masterCount(), 1);
  EXPECT_EQ(font->master(0).privateValues, PerMasterBlock{});
  ASSERT_TRUE(font->extraMetrics().has_value());
  EXPECT_EQ(test::textOf(*font->extraMetrics()), test::defaultExtraMetrics());
  // Header and begin records alone read as a new font.
  font = readText(test::nativeStart());
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->slotCount(), 0);
  EXPECT_FALSE(font->extraMetrics().has_value());
}

// Records of up to 65535 bytes have a 16-bit length; longer ones set the tag's high bit and
// give a 32-bit length, its low half first. Either form reads, for short data too.
TEST(RecordFraming, ShortAndLongFormsWriteAndReadBack) {
  const struct {
    std::size_t size;
    std::string header;
  } cases[] = {
      {65535, "\xED\x04\xFF\xFF"},
      {65536, std::string("\xED\x84\x00\x00\x01\x00", 6)},
      {70000, std::string("\xED\x84\x70\x11\x01\x00", 6)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    SubsetFont font;
    font.rawBlocks()[0].assign(c.size, 0x5A);
    const std::string file = written(font, kFull);
    EXPECT_NE(file.find(c.header + std::string(c.size, 'Z')), std::string::npos);
    auto back = readText(file);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->rawBlocks()[0], std::vector<uint8_t>(c.size, 0x5A));
  }
  std::string file = test::nativeStart() + rec(257) + test::longRec(1026, "Mincho") +
                     test::longRec(1530, le16(3)) + rec(513) + test::nativeEnd();
  auto font = readText(file);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->info().fontName(), "Mincho");
  EXPECT_EQ(font->info().zoneCounts.blueValues, 3);
}

class GlyphSlots : public ::testing::Test {
 protected:
  void SetUp() override {
    font_.appendSlot(glyphNamed("a", 500));
    font_.appendSlot(nullptr);
    font_.appendSlot(glyphNamed("c", 600));
  }
  SubsetFont font_;
};

// Slots are written in order, empty ones as record 2006, and keep their positions when read, as
// do expanded glyphs, which are skipped.
TEST_F(GlyphSlots, AreWrittenInOrderWithEmptySlotsAsRecord2006) {
  std::string slots = rec(2001, glyphRecordText(*font_.glyph(0))) + rec(2006) +
                      rec(2001, glyphRecordText(*font_.glyph(2)));
  EXPECT_EQ(written(font_, kFull), test::nativeStart() + test::emptyInfoGroup() +
                                       test::emptyAxisGroup() + slots + test::nativeEnd());
  auto font = readText(written(font_, kFull));
  ASSERT_NE(font, nullptr);
  ASSERT_EQ(font->slotCount(), 3);
  EXPECT_TRUE(font->glyph(0)->sameContent(*font_.glyph(0)));
  EXPECT_EQ(font->glyph(1), nullptr);
  EXPECT_TRUE(font->glyph(2)->sameContent(*font_.glyph(2)));
  std::string a = glyphRecordText(*font_.glyph(0));
  std::string file = test::nativeStart() + rec(2001, a) + rec(1236, "\x01\x02\x03\x04") +
                     rec(1239, "\x09\x09") + rec(2001, a) + test::nativeEnd();
  font = readText(file);
  ASSERT_NE(font, nullptr);
  ASSERT_EQ(font->slotCount(), 3);
  EXPECT_NE(font->glyph(0), nullptr);
  EXPECT_EQ(font->glyph(1), nullptr);
  EXPECT_NE(font->glyph(2), nullptr);
}

class SkippedRecords : public ::testing::Test {
 protected:
  static std::string body(const std::string& extraInInfo, const std::string& extraInAxes,
                          const std::string& extraBetween) {
    std::string glyph = glyphRecordText(*glyphNamed("a", 500));
    return rec(257) + rec(1026, "Mincho") + extraInInfo + rec(1530, le16(2)) + rec(513) +
           extraBetween + rec(271) + rec(1513, le16(1)) + rec(1514, "Weight") + extraInAxes +
           rec(1536, test::defaultPerMasterBlock()) + rec(527) + extraBetween + rec(2001, glyph) +
           extraBetween + rec(2006);
  }
};

TEST_F(SkippedRecords, UnknownTagsBetweenKnownOnesChangeNothing) {
  std::string unknown = rec(3000, "junk") + rec(999) + test::longRec(0x7FFF, zeros(9)) +
                        rec(2002, "x") + rec(1410, "1234");
  auto plain = readText(test::nativeStart() + body("", "", "") + test::nativeEnd());
  auto noisy = readText(test::nativeStart() + body(unknown, unknown, unknown) + test::nativeEnd());
  ASSERT_NE(plain, nullptr);
  ASSERT_NE(noisy, nullptr);
  EXPECT_EQ(noisy->info(), plain->info());
  EXPECT_EQ(noisy->axes(), plain->axes());
  EXPECT_EQ(noisy->info().fontName(), "Mincho");
  EXPECT_EQ(noisy->axes().names(), std::vector<std::string>{"Weight"});
  ASSERT_EQ(noisy->slotCount(), 2);
  EXPECT_NE(noisy->glyph(0), nullptr);
  EXPECT_EQ(noisy->glyph(1), nullptr);
  EXPECT_EQ(written(*noisy, kFull), written(*plain, kFull));
}

// What comes before the begin records, or after record 5 or 2, is not read.
TEST_F(SkippedRecords, ReadingRunsFromTheBeginRecordsToRecord5Or2) {
  std::string early = rec(257) + rec(1026, "Early") + rec(513) + rec(2006);
  std::string file =
      test::nativeHeader() + early + rec(1) + early + rec(4) + body("", "", "") + test::nativeEnd();
  auto font = readText(file);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->info().fontName(), "Mincho");
  EXPECT_EQ(font->slotCount(), 2);
  std::string tail = rec(2006) + "\xFF\xFF\xFF";  // neither read nor a complete record
  for (uint16_t end : {5, 2}) {
    font = readText(test::nativeStart() + body("", "", "") + rec(end) + tail);
    ASSERT_NE(font, nullptr) << end;
    EXPECT_EQ(font->slotCount(), 2) << end;
  }
}

// Data beyond a field is skipped, missing bytes read as zero and texts are trimmed.
TEST_F(SkippedRecords, FieldsTakeWhatFitsThem) {
  std::string info = rec(257) + rec(1030, le32(0x1234FF9C)) + rec(1044, "\x07") +
                     rec(1029, zeros(4)) + rec(1118, le16(5)) +
                     rec(1025, std::string("Full Name\0\0", 11)) + rec(1037, "Notice\x1F\xFF") +
                     rec(513);
  auto font = readText(test::nativeStart() + info + test::nativeEnd());
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->info().underlinePosition, -100);
  EXPECT_EQ(font->info().uniqueId, 7);
  EXPECT_EQ(font->info().italicAngle, 0.0);
  EXPECT_EQ(font->info().panose, (std::array<uint16_t, 10>{5, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(font->info().fullName(), "Full Name");
  EXPECT_EQ(font->info().notice(), "Notice");
}

class EncodingGroup : public ::testing::Test {
 protected:
  void SetUp() override {
    SubsetFontEncoding& e = font_.encoding();
    e.customNames[3] = "Custom";
    e.glyphNames[65] = "A";
    e.glyphNames[66] = ".0066";  // its placeholder: no glyph name
    e.glyphNames[67] = ".0068";  // another code's placeholder is a name like any other
    e.glyphNames[200] = "Eacute";
    e.number = 0;
  }
  SubsetFont font_;
};

// Written with flag 1 before the info group, and read back.
TEST_F(EncodingGroup, IsWrittenWithFlag1BeforeTheInfoGroup) {
  std::string group = rec(262) + rec(1501, le16(3) + "Custom") + rec(1500, le16(65) + "A") +
                      rec(1500, le16(67) + ".0068") + rec(1500, le16(200) + "Eacute") +
                      rec(1502, le16(0)) + rec(518);
  EXPECT_EQ(written(font_, kFull | native_font_flag::kEncoding),
            test::nativeStart() + group + test::emptyInfoGroup() + test::emptyAxisGroup() +
                test::nativeEnd());
  EXPECT_EQ(written(font_, kFull), written(SubsetFont(), kFull));
  auto font = readText(written(font_, kFull | native_font_flag::kEncoding));
  ASSERT_NE(font, nullptr);
  const SubsetFontEncoding& e = font->encoding();
  EXPECT_EQ(e.number, 0);
  EXPECT_EQ(e.customNames[3], "Custom");
  EXPECT_EQ(e.glyphNames[65], "A");
  EXPECT_EQ(e.glyphNames[66], "");
  EXPECT_EQ(e.glyphNames[67], ".0068");
  EXPECT_EQ(e.glyphNames[200], "Eacute");
  EXPECT_FALSE(e.hasGlyphName(0));
}

// A second master's group is read but leaves the font's encoding alone; codes outside the
// table are ignored.
TEST_F(EncodingGroup, OnlyTheFirstMastersCodesInTheTableCount) {
  for (uint16_t end : {518, 524}) {
    std::string second = rec(268) + rec(1500, le16(65) + "Second") + rec(1502, le16(9)) + rec(end);
    auto font = readText(test::nativeStart() + second + rec(2006) + test::nativeEnd());
    ASSERT_NE(font, nullptr) << end;
    EXPECT_EQ(font->encoding().glyphNames[65], "") << end;
    EXPECT_EQ(font->encoding().number, 1) << end;
    EXPECT_EQ(font->slotCount(), 1) << end;
  }
  std::string group = rec(262) + rec(1500, le16(256) + "Out") + rec(1501, le16(65535) + "Far") +
                      rec(1500, le16(32) + "space") + rec(518);
  auto font = readText(test::nativeStart() + group + test::nativeEnd());
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->encoding().glyphNames[32], "space");
  EXPECT_EQ(font->encoding().glyphNames[0], "");
}

class HintReplacementGroup : public ::testing::Test {
 protected:
  void SetUp() override {
    font_.appendSlot(glyphNamed("a", 500));
    auto b = glyphNamed("b", 400);
    GlyphHints& hints = b->hints().emplace();
    hints.horizontal.push_back({{{100, 20}}});
    hints.replacement = {{1, 0}, {255, 2}};
    font_.appendSlot(std::move(b));
  }
  SubsetFont font_;
};

// Each entry is listed after the glyphs with flag 2; reading steps over the group with the bytes
// that follow each record, and a cut before them fails.
TEST_F(HintReplacementGroup, ListsEachEntryAfterTheGlyphsWithFlag2) {
  std::string slots =
      rec(2001, glyphRecordText(*font_.glyph(0))) + rec(2001, glyphRecordText(*font_.glyph(1)));
  std::string group = rec(272) + rec(1410, le32(1)) + le32(0) + le16(1) + rec(1410, le32(1)) +
                      le32(2) + le16(255) + rec(528);
  EXPECT_EQ(written(font_, kFull | native_font_flag::kHintReplacement),
            test::nativeStart() + test::emptyInfoGroup() + test::emptyAxisGroup() + slots + group +
                test::nativeEnd());
  auto font = readText(written(font_, kFull | native_font_flag::kHintReplacement));
  ASSERT_NE(font, nullptr);
  ASSERT_EQ(font->slotCount(), 2);
  EXPECT_TRUE(font->glyph(1)->sameContent(*font_.glyph(1)));
  std::string file = test::nativeStart() + rec(272) + rec(1410, le32(1)) + le32(0) + "\x01";
  NativeFontStatus status;
  EXPECT_EQ(readText(file, &status), nullptr);
  EXPECT_EQ(status, NativeFontStatus::kTruncated);
}

class NativeFontOnDisk : public ::testing::Test {
 protected:
  test::TempFolder folder_;
};

// Writing sets the file name and replaces the whole file; a failed write keeps the old file and
// the file name.
TEST_F(NativeFontOnDisk, WritingAndReadingFiles) {
  SubsetFont font;
  font.info().setText(FontText::kFontName, "Disk");
  for (int k = 0; k < 5; ++k) font.appendSlot(glyphNamed("a", 500));
  auto path = folder_ / "MINC0001.vtb";
  ASSERT_TRUE(WriteNativeFont(path, font, kFull));
  EXPECT_EQ(font.fileName(), path);
  EXPECT_EQ(test::readFile(path), written(font, kFull));
  auto back = ReadNativeFont(path);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->fileName(), path);
  EXPECT_EQ(back->info().fontName(), "Disk");
  EXPECT_EQ(back->slotCount(), 5);
  font.clearSlots();
  ASSERT_TRUE(WriteNativeFont(path, font, kFull));
  EXPECT_EQ(test::readFile(path), written(font, kFull));

  SubsetFont other;
  auto blocker = folder_ / "blocker";
  test::writeFile(blocker, "not a folder");
  EXPECT_FALSE(WriteNativeFont(blocker / "font.vtb", other, kFull));
  EXPECT_TRUE(other.fileName().empty());
  EXPECT_EQ(test::readFile(blocker), "not a folder");
  NativeFontStatus status;
  EXPECT_EQ(ReadNativeFont(folder_ / "none.vtb", &status), nullptr);
  EXPECT_EQ(status, NativeFontStatus::kCannotOpen);
  EXPECT_EQ(ReadNativeFont(folder_.path(), &status), nullptr);
  EXPECT_EQ(status, NativeFontStatus::kCannotOpen);
}

}  // namespace
}  // namespace sorvella
