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

class WrongHeader : public DamagedNativeFont {};

TEST_F(WrongHeader, AnyOfTheFirstSevenBytesChangedFails) {
  for (std::size_t at = 0; at < 7; ++at) {
    std::string file = test::nativeStart() + test::nativeEnd();
    file[at] = static_cast<char>(file[at] ^ 0x20);
    SCOPED_TRACE(at);
    expectFailure(file, NativeFontStatus::kWrongHeader);
  }
}

TEST_F(WrongHeader, ByteSevenIsNotChecked) {
  std::string file = test::nativeStart() + test::nativeEnd();
  file[7] = '\x55';
  EXPECT_TRUE(reads(file));
}

TEST_F(WrongHeader, TheRecordsStartWhereTheHeaderLengthSays) {
  std::string header = test::nativeHeader();
  header.replace(8, 4, test::le32(48));
  // Four bytes that would be a record of length 0x1234 if read as one.
  EXPECT_TRUE(reads(header + std::string("\x07\x00\x34\x12", 4) + rec(1) + rec(4)));
  header.replace(8, 4, test::le32(1000));
  expectFailure(header + rec(1) + rec(4), NativeFontStatus::kTruncated);
}

TEST_F(WrongHeader, ShorterThanTheHeaderFails) {
  expectFailure("", NativeFontStatus::kWrongHeader);
  expectFailure(test::nativeHeader().substr(0, 8), NativeFontStatus::kWrongHeader);
}

class MissingBeginRecords : public DamagedNativeFont {};

TEST_F(MissingBeginRecords, WithoutTag1Fails) {
  expectFailure(test::nativeHeader() + rec(4) + rec(2006) + test::nativeEnd(),
                NativeFontStatus::kNoBeginRecords);
}

TEST_F(MissingBeginRecords, WithoutTag4AfterTag1Fails) {
  expectFailure(test::nativeHeader() + rec(4) + rec(1) + rec(2006) + test::nativeEnd(),
                NativeFontStatus::kNoBeginRecords);
}

TEST_F(MissingBeginRecords, ABeginRecordWithDataFails) {
  expectFailure(test::nativeHeader() + rec(1, "x") + rec(4) + test::nativeEnd(),
                NativeFontStatus::kNoBeginRecords);
  expectFailure(test::nativeHeader() + rec(1) + rec(4, "xy") + test::nativeEnd(),
                NativeFontStatus::kNoBeginRecords);
}

class TruncatedFile : public DamagedNativeFont {};

TEST_F(TruncatedFile, EveryCutInsideARecordOrGroupFailsAndEveryCutBetweenRecordsReads) {
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

TEST_F(TruncatedFile, ARecordLongerThanTheRestFails) {
  expectFailure(test::nativeStart() + test::le16(2001 | 0x8000) + test::le32(0xFFFFFFFF) + "abc",
                NativeFontStatus::kTruncated);
  expectFailure(test::nativeStart() + rec(257) + test::le16(1026) + test::le16(65535) + "abc",
                NativeFontStatus::kTruncated);
}

TEST_F(TruncatedFile, AGroupWithoutItsEndFails) {
  expectFailure(test::nativeStart() + rec(257) + rec(1026, "x") + rec(5) + rec(2),
                NativeFontStatus::kTruncated);
  expectFailure(test::nativeStart() + rec(271) + rec(1515, zeros(16)),
                NativeFontStatus::kTruncated);
}

class WrongMasterCount : public DamagedNativeFont {
 protected:
  static std::string withInfo(const std::string& records) {
    return test::nativeStart() + rec(257) + records + rec(513) + test::nativeEnd();
  }
};

TEST_F(WrongMasterCount, Record1503Of2Fails) {
  expectFailure(withInfo(rec(1503, le16(2))), NativeFontStatus::kMasterCount);
  expectFailure(withInfo(rec(1503, le16(0))), NativeFontStatus::kMasterCount);
}

TEST_F(WrongMasterCount, AWeightVectorOfTwoMastersFails) {
  expectFailure(withInfo(rec(1517, zeros(16))), NativeFontStatus::kMasterCount);
}

TEST_F(WrongMasterCount, OneMasterReads) {
  EXPECT_TRUE(reads(withInfo(rec(1503, le16(1)) + rec(1517, zeros(8)))));
}

class TooManyMasterRecords : public DamagedNativeFont {
 protected:
  static std::string withAxes(const std::string& records) {
    return test::nativeStart() + rec(271) + records + rec(527) + test::nativeEnd();
  }
};

TEST_F(TooManyMasterRecords, ASecond1536RecordFails) {
  std::string block = rec(1536, test::defaultPerMasterBlock());
  EXPECT_TRUE(reads(withAxes(block)));
  expectFailure(withAxes(block + block), NativeFontStatus::kTooManyMasterRecords);
}

TEST_F(TooManyMasterRecords, ASecond1505RecordFails) {
  expectFailure(withAxes(rec(1505, zeros(36)) + rec(1505, zeros(36))),
                NativeFontStatus::kTooManyMasterRecords);
}

TEST_F(TooManyMasterRecords, AcrossTwoAxisGroupsStillCount) {
  std::string block = rec(1536, test::defaultPerMasterBlock());
  std::string group = rec(271) + block + rec(527);
  expectFailure(test::nativeStart() + group + group + test::nativeEnd(),
                NativeFontStatus::kTooManyMasterRecords);
}

TEST_F(TooManyMasterRecords, ExtraMasterNamesAreIgnored) {
  auto font = ReadNativeFont(test::bytesOf(withAxes(rec(1504, "One") + rec(1504, "Two"))));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->master(0).name(), "One");
}

class MissingAxisNames : public DamagedNativeFont {};

TEST_F(MissingAxisNames, FewerNameRecordsThanAnnouncedFail) {
  expectFailure(test::nativeStart() + rec(271) + rec(1513, le16(2)) + rec(1514, "Weight") +
                    rec(1515, zeros(16)) + rec(527),
                NativeFontStatus::kMissingAxisNames);
}

TEST_F(MissingAxisNames, AHugeCountWithoutRecordsFailsWithoutAllocating) {
  expectFailure(test::nativeStart() + rec(271) + rec(1513, le16(65535)) + rec(1514, "Weight"),
                NativeFontStatus::kTruncated);
}

class BadSlotRecords : public DamagedNativeFont {};

TEST_F(BadSlotRecords, AnEmptySlotWithDataFails) {
  expectFailure(test::nativeStart() + rec(2006, std::string(1, '\0')) + test::nativeEnd(),
                NativeFontStatus::kEmptySlotWithData);
}

}  // namespace
}  // namespace sorvella
