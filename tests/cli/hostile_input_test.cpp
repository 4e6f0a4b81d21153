// Hostile index files, text index files and CID arguments given to the batch tool of this
// build: each finishes within bounded memory and time, with the program's own message.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/cid_font_messages.h"
#include "cidfont/document.h"
#include "cidfont/text_index_file.h"
#include "cli/cli_run.h"

namespace sorvella {
namespace {

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    CCidFont font;
    SubsetFontEntry entry;
    entry.setName("A");
    entry.setFileStem("AB0000");
    font.addSubsetFont(entry, std::vector<CharacterRecord>(3, CharacterRecord::make(0, 0)));
    font.mutableRecord(1)->glyph = 1;
    font.mutableRecord(2)->glyph = 2;
    std::string bytes = binaryIndexBytes(font);
    sound_ = folder_.write("sound.sqf", bytes);
    // A character count no subset font can have, 4 GB of records announced, and a character at
    // a CID far beyond the last one.
    bytes.replace(bytes.find("AB0000 0"), 8, "AB0000 2000000000");
    bytes.replace(bytes.find("Data 396"), 8, "Data 4000000000");
    bytes[bytes.size() - kCharacterRecordBytes + 7] = 0x70;
    damaged_ = folder_.write("damaged.sqf", bytes).string();
    header_ = textIndexBytes(font);
    header_.erase(header_.find("EndIndexData"));
  }

  // Runs `command FONT rest` under the limits; expects its status and, last, its message.
  void expectBounded(const std::string& command, const std::string& font, const std::string& rest,
                     int status, const std::string& message = {}) {
    std::string args = command + " --missing=ignore '" + font + "' " + rest;
    test::CliResult r = test::runCliBounded(args);
    EXPECT_EQ(r.status, status) << args << "\n" << r.output;
    EXPECT_TRUE(r.output.ends_with(message.empty() ? "" : message + "\n")) << args << r.output;
  }

  test::CliFolder folder_;
  std::string sound_, damaged_, header_;
};

TEST_F(HostileInput, DamagedIndexFileOpensMendedAndSaysWhat) {
  test::CliResult r = test::runCliBounded("info --missing=ignore '" + damaged_ + "'");
  EXPECT_EQ(r.status, 0) << r.output;
  for (const std::string& told :
       {formatText(document_text::kIndexRecordsMissing, damaged_.c_str(), 30303027u),
        formatText(document_text::kIndexFontCountsOutOfRange, damaged_.c_str(), 1),
        formatText(document_text::kIndexCidsBeyondLimit, damaged_.c_str(), 1)})
    EXPECT_NE(r.output.find(told), std::string::npos) << told << "\n" << r.output;
}

TEST_F(HostileInput, TextIndexFilesThatAreNoneOrReachTooFarAreRefused) {
  std::string far =
      folder_.write("far.sci", header_ + "CID: 2000000000 FONT: 1 GLYPH: 1\r\nEndIndexData\r\n");
  expectBounded("import-index", damaged_, far, 1,
                formatText(kTextIndexCidBeyondLimitMessage, far.c_str(), 2000000000LL));
  std::string empty = folder_.write("empty.sci", "");
  expectBounded("import-index", sound_, empty, 1,
                formatText(kNotATextIndexMessage, empty.c_str()));
}

TEST_F(HostileInput, CidArgumentsBeyondTheHighestCidAreRefusedAtOnce) {
  expectBounded("place", sound_, "0 5 2000000000", 1, cid_font_text::kCidBeyondLimit);
  expectBounded("move", sound_, "1 100 2147483600", 1, cid_font_text::kCidBeyondLimit);
  expectBounded("clear", sound_, "0 2000000000", 0);
  expectBounded("place", sound_, "0 2000000000 65533", 0);  // three unplaced characters
}

}  // namespace
}  // namespace sorvella
