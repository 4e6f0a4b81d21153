// Damaged and hostile native font files: each failure the format names ends the read with
// its status and hands back no font; nothing crashes, hangs or allocates from a length field.
#include <gtest/gtest.h>

#include <set>

#include "glyph/glyph_record.h"
#include "glyph/native_font_file.h"
#include "support/native_font_bytes.h"

namespace sorvella {
namespace {

using test::le16;
using test::rec;
using test::zeros;

class DamagedNativeFont : public ::testing::Test {
 protected:
  // Null expected; the status must be `want`.
  static void expectFailure(const std::string& file, NativeFontStatus want) {
    NativeFontStatus status = NativeFontStatus::kOk;
    EXPECT_EQ(ReadNativeFont(test::bytesOf(file), &status), nullptr);
    EXPECT_EQ(status, want) << nativeFontStatusText(status);
  }
  static bool reads(const std::string& file) {
    return ReadNativeFont(test::bytesOf(file)) != nullptr;
  }
  static std::string glyph() {
    Glyph g;
    g.setName("a");
    g.appendNode(Node::move({1, 2}));
    g.appendNode(Node::line({300, 2}));
    return test::textOf(glyphRecordBytes(g));
  }
};

TEST_F(DamagedNativeFont, EachFailureTheFormatNamesHasItsStatus) {
  using S = NativeFontStatus;
  auto withInfo = [](const std::string& records) {
    return test::nativeStart() + rec(257) + records + rec(513) + test::nativeEnd();
  };
  auto withAxes = [](const std::string& records) {
    return test::nativeStart() + rec(271) + records + rec(527) + test::nativeEnd();
  };
  const std::string block = rec(1536, test::defaultPerMasterBlock());
  std::string farHeader = test::nativeHeader();
  farHeader.replace(8, 4, test::le32(1000));  // the records would start beyond the file
  const struct {
    std::string file;
    NativeFontStatus status;
  } cases[] = {
      {"", S::kWrongHeader},
      {test::nativeHeader().substr(0, 8), S::kWrongHeader},
      {farHeader + rec(1) + rec(4), S::kTruncated},
      {test::nativeHeader() + rec(4) + rec(2006) + test::nativeEnd(), S::kNoBeginRecords},
      {test::nativeHeader() + rec(4) + rec(1) + rec(2006) + test::nativeEnd(), S::kNoBeginRecords},
      {test::nativeHeader() + rec(1, "x") + rec(4) + test::nativeEnd(), S::kNoBeginRecords},
      {test::nativeHeader() + rec(1) + rec(4, "xy") + test::nativeEnd(), S::kNoBeginRecords},
      // A record longer than the rest, or a group without its end.
      {test::nativeStart() + test::le16(2001 | 0x8000) + test::le32(0xFFFFFFFF) + "abc",
       S::kTruncated},
      {test::nativeStart() + rec(257) + test::le16(1026) + test::le16(65535) + "abc",
       S::kTruncated},
      {test::nativeStart() + rec(257) + rec(1026, "x") + rec(5) + rec(2), S::kTruncated},
      {test::nativeStart() + rec(271) + rec(1515, zeros(16)), S::kTruncated},
      // Record 1503 of two masters, a weight vector of two.
      {withInfo(rec(1503, le16(2))), S::kMasterCount},
      {withInfo(rec(1503, le16(0))), S::kMasterCount},
      {withInfo(rec(1517, zeros(16))), S::kMasterCount},
      // A second 1536 or 1505 record, in one axis group or across two.
      {withAxes(block + block), S::kTooManyMasterRecords},
      {withAxes(rec(1505, zeros(36)) + rec(1505, zeros(36))), S::kTooManyMasterRecords},
      {test::nativeStart() + rec(271) + block + rec(527) + rec(271) + block + rec(527) +
           test::nativeEnd(),
       S::kTooManyMasterRecords},
      {withAxes(rec(1513, le16(2)) + rec(1514, "Weight") + rec(1515, zeros(16))),
       S::kMissingAxisNames},
      // A huge count without records fails without allocating for it.
      {test::nativeStart() + rec(271) + rec(1513, le16(65535)) + rec(1514, "Weight"),
       S::kTruncated},
      {test::nativeStart() + rec(2006, std::string(1, '\0')) + test::nativeEnd(),
       S::kEmptySlotWithData},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    expectFailure(cases[i].file, cases[i].status);
  }
  for (std::size_t at = 0; at < 7; ++at) {
    std::string file = test::nativeStart() + test::nativeEnd();
    file[at] = static_cast<char>(file[at] ^ 0x20);
    SCOPED_TRACE(at);
    expectFailure(file, S::kWrongHeader);
  }
}

// Byte seven is not checked; the records start where the header length says; one master reads,
// and extra master names are ignored; damaged glyphs cost only their slots.
TEST_F(DamagedNativeFont, OddButSoundFilesRead) {
  std::string file = test::nativeStart() + test::nativeEnd();
  file[7] = '\x55';
  EXPECT_TRUE(reads(file));
  std::string header = test::nativeHeader();
  header.replace(8, 4, test::le32(48));
  // Four bytes that would be a record of length 0x1234 if read as one.
  EXPECT_TRUE(reads(header + std::string("\x07\x00\x34\x12", 4) + rec(1) + rec(4)));
  EXPECT_TRUE(reads(test::nativeStart() + rec(257) + rec(1503, le16(1)) + rec(1517, zeros(8)) +
                    rec(513) + test::nativeEnd()));
  EXPECT_TRUE(reads(test::nativeStart() + rec(271) + rec(1536, test::defaultPerMasterBlock()) +
                    rec(527) + test::nativeEnd()));
  auto font = ReadNativeFont(test::bytesOf(test::nativeStart() + rec(271) + rec(1504, "One") +
                                           rec(1504, "Two") + rec(527) + test::nativeEnd()));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->master(0).name(), "One");
  // Glyph records that cannot be read leave their slots empty and are listed.
  const std::string cut = glyph().substr(0, glyph().size() - 1);
  std::vector<int32_t> damaged;
  font = ReadNativeFont(test::bytesOf(test::nativeStart() + rec(2001, "\x01\x09\x07\x02\x0F") +
                                      rec(2001, glyph()) + rec(2001, cut) + test::nativeEnd()),
                        nullptr, &damaged);
  ASSERT_NE(font, nullptr);
  ASSERT_EQ(font->slotCount(), 3);
  EXPECT_TRUE(font->glyph(0) == nullptr && font->glyph(1) != nullptr && font->glyph(2) == nullptr);
  EXPECT_EQ(damaged, (std::vector<int32_t>{0, 2}));
}

TEST_F(DamagedNativeFont, EveryCutInsideARecordOrGroupFailsAndEveryCutBetweenRecordsReads) {
  std::vector<std::string> pieces = {test::nativeStart(),
                                     test::emptyInfoGroup(),
                                     test::emptyAxisGroup(),
                                     rec(2001, glyph()),
                                     rec(2006),
                                     rec(2001, glyph()),
                                     rec(5)};
  std::string file;
  std::set<std::size_t> boundaries;
  for (const std::string& piece : pieces) {
    file += piece;
    boundaries.insert(file.size());
  }
  // Reading ends with record 5, so what follows it, cut or not, is never looked at.
  file += rec(2);
  for (std::size_t cut = 0; cut < file.size(); ++cut) {
    bool expected = boundaries.contains(cut) || cut > *boundaries.rbegin();
    ASSERT_EQ(reads(file.substr(0, cut)), expected) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace sorvella
