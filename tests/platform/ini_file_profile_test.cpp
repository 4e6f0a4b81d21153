#include "platform/ini_file_profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class IniFileProfileTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  fs::path file_ = folder_ / "sorvella.ini";

  IniFileProfile profileOver(std::string_view text) {
    test::writeFile(file_, text);
    return IniFileProfile(file_);
  }
  // The file after one write into section "A" of a file that held the text.
  std::string afterWrite(std::string_view text, std::vector<ProfileEntry> entries) {
    EXPECT_TRUE(profileOver(text).write("A", entries));
    return test::readFile(file_);
  }
  std::vector<fs::path> folderContent() const {
    return {fs::directory_iterator(folder_.path()), fs::directory_iterator()};
  }
};

class IniFileProfileLookup : public IniFileProfileTest {};

TEST_F(IniFileProfileLookup, MissingFileOrKeyGivesTheFallback) {
  EXPECT_EQ(IniFileProfile(file_).getString("Directories", "Open", "none"), "none");
  EXPECT_FALSE(fs::exists(file_));  // reading creates nothing
  IniFileProfile profile = profileOver("[Directories]\nOpen=\n");
  EXPECT_EQ(profile.getString("Directories", "Open", "x"), "");
  EXPECT_EQ(profile.getString("Directories", "Map", "x"), "x");
}

TEST_F(IniFileProfileLookup, OnlyKeyLinesOfTheFirstMatchingSectionCount) {
  IniFileProfile profile = profileOver(
      "\xEF\xBB\xBFk=0\n[B]\nj=1\n  [ recent FILE list ]  \r\n;c=2\nno equals\n=orphan\n"
      "[Unclosed\n\t FILE1 \t= /a=b.sqf \nfile1=second\n[Recent File List]\nn=3\n");
  const char* section = "Recent File List";
  EXPECT_EQ(profile.getString(section, "File1"), "/a=b.sqf");
  for (const char* key : {"k", "j", ";c", "c", "no equals", "", "n"}) {
    EXPECT_EQ(profile.lookup(section, key), std::nullopt) << key;
  }
  // 0xC4 and 0xE4 are one letter in two cases in Latin-1, but not in ASCII.
  EXPECT_EQ(profileOver("[A]\n\xC4=1\n").lookup("A", "\xE4"), std::nullopt);
}

TEST_F(IniFileProfileLookup, BlanksAndEnclosingDoubleQuotesAreRemoved) {
  IniFileProfile profile = profileOver(
      "[D]\r\na=  /home/a b/ \t\r\nb= \" padded \" \nc=\"open\nd=\"\ne='single'\nf=\"in\"side\"\n");
  EXPECT_EQ(profile.getString("D", "a"), "/home/a b/");
  EXPECT_EQ(profile.getString("D", "b"), " padded ");
  EXPECT_EQ(profile.getString("D", "c"), "\"open");
  EXPECT_EQ(profile.getString("D", "d"), "\"");
  EXPECT_EQ(profile.getString("D", "e"), "'single'");
  EXPECT_EQ(profile.getString("D", "f"), "in\"side");
}

class IniFileProfileIntegers : public IniFileProfileTest {
 protected:
  int read(std::string_view value) {
    return profileOver("[N]\nk=" + std::string(value) + "\n").getInt("N", "k", -7);
  }
};

TEST_F(IniFileProfileIntegers, LeadingSignedDecimalIsRead) {
  EXPECT_EQ(read("327761"), 327761);
  EXPECT_EQ(read(" \t-200"), -200);
  EXPECT_EQ(read("+15"), 15);
  EXPECT_EQ(read("\"25\""), 25);
  EXPECT_EQ(read("12abc"), 12);
  EXPECT_EQ(read("0x1F"), 0);
  EXPECT_EQ(read("2147483647"), INT_MAX);
  EXPECT_EQ(read("-2147483648"), INT_MIN);
  for (const char* text : {"abc", "", "-", "+ 5", "--5"}) EXPECT_EQ(read(text), 0) << text;
  EXPECT_EQ(profileOver("[N]\n").getInt("N", "k", 42), 42);
  // Numbers beyond an int give the fallback.
  for (const std::string& text :
       {std::string("2147483648"), std::string("-2147483649"), std::string(5000, '9')})
    EXPECT_EQ(read(text), -7) << text;
}

class IniFileProfileWriting : public IniFileProfileTest {};

TEST_F(IniFileProfileWriting, FirstWriteCreatesTheFileAndItsFolders) {
  fs::path nested = folder_ / "config" / "sorvella" / "sorvella.ini";
  ASSERT_TRUE(IniFileProfile(nested).writeString("General", "ActionBarShown", "1"));
  EXPECT_EQ(test::readFile(nested), "[General]\r\nActionBarShown=1\r\n");
  EXPECT_EQ(IniFileProfile(nested).getInt("General", "ActionBarShown", 0), 1);
}

TEST_F(IniFileProfileWriting, ExistingKeyIsReplacedWhereItStandsAndAllLinesEndWithCrLf) {
  EXPECT_EQ(afterWrite("; by hand\n[a]\nfirst=1\n  Key = old \nMine = x \n\n[B]\r\nq=\"q\"",
                       {{"KEY", "new"}}),
            "; by hand\r\n[a]\r\nfirst=1\r\nKey=new\r\nMine = x \r\n\r\n[B]\r\nq=\"q\"\r\n");
}

TEST_F(IniFileProfileWriting, NewKeyFollowsTheLastKeyOfItsSection) {
  EXPECT_EQ(afterWrite("[A]\nk=1\n;x\nj=2\n\n;the B section\n[B]\n", {{"n", "3"}}),
            "[A]\r\nk=1\r\n;x\r\nj=2\r\nn=3\r\n\r\n;the B section\r\n[B]\r\n");
  EXPECT_EQ(afterWrite("[A]\n;empty\n", {{"n", "3"}}), "[A]\r\nn=3\r\n;empty\r\n");
}

TEST_F(IniFileProfileWriting, NewSectionIsAppendedAfterABlankLine) {
  EXPECT_EQ(afterWrite("[B]\nk=1", {{"j", "2"}, {"i", "3"}}),
            "[B]\r\nk=1\r\n\r\n[A]\r\nj=2\r\ni=3\r\n");
  EXPECT_EQ(afterWrite("\xEF\xBB\xBF[B]\n\n", {{"j", "2"}}),
            "\xEF\xBB\xBF[B]\r\n\r\n[A]\r\nj=2\r\n");
}

TEST_F(IniFileProfileWriting, ReplacementKeepsPermissionsAndSymbolicLinks) {
  fs::path real = folder_ / "real.ini";
  test::writeFile(real, "[A]\nk=1\n");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(real, file_);
  ASSERT_TRUE(IniFileProfile(file_).writeString("A", "k", "2"));
  EXPECT_TRUE(fs::is_symlink(file_));
  EXPECT_EQ(test::readFile(real), "[A]\r\nk=2\r\n");
  EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

class IniFileProfileFailures : public IniFileProfileTest {};

TEST_F(IniFileProfileFailures, NamesAndValuesThatWouldNotReadBackAreRefusedWhole) {
  const std::string original = "[A]\r\nk=1\r\n";
  IniFileProfile profile = profileOver(original);
  for (const char* section : {"", "A]", " A", "A\nB"}) {
    EXPECT_FALSE(profile.writeString(section, "k", "2")) << section;
  }
  for (const char* key : {"", "k=j", ";k", "[k]", "k ", "k\r"}) {
    EXPECT_FALSE(profile.writeString("A", key, "2")) << key;
  }
  EXPECT_FALSE(profile.writeString("A", "k", "2\r\n[Injected]"));
  std::vector<ProfileEntry> oneBad{{"k", "2"}, {"j", "3\n"}};
  EXPECT_FALSE(profile.write("A", oneBad));
  EXPECT_EQ(profile.getInt("A", "k", 0), 1);
  EXPECT_EQ(test::readFile(file_), original);
}

// A folder that cannot be created or an unreadable file fails the write and replaces nothing.
TEST_F(IniFileProfileFailures, FolderThatCannotBeCreatedOrUnreadableFileFailsTheWrite) {
  test::writeFile(folder_ / "plain-file", "not a folder");
  IniFileProfile profile(folder_ / "plain-file" / "sorvella" / "sorvella.ini");
  EXPECT_FALSE(profile.writeString("A", "k", "1"));
  EXPECT_EQ(profile.lookup("A", "k"), std::nullopt);  // memory follows the file
  EXPECT_FALSE(IniFileProfile(fs::path()).writeString("A", "k", "1"));
  fs::create_directories(file_);
  IniFileProfile unreadable(file_);
  EXPECT_FALSE(unreadable.readable());
  EXPECT_FALSE(unreadable.writeString("A", "k", "1"));
  EXPECT_TRUE(fs::is_directory(file_));
}

TEST_F(IniFileProfileFailures, FailedReplacementKeepsMemoryAndLeavesNoTemporaryFile) {
  IniFileProfile profile(file_);
  ASSERT_TRUE(profile.writeString("A", "k", "1"));
  fs::remove(file_);
  fs::create_directories(file_ / "inside");  // renaming over a folder fails
  EXPECT_FALSE(profile.writeString("A", "k", "2"));
  EXPECT_EQ(profile.getInt("A", "k", 0), 1);
  EXPECT_EQ(folderContent(), std::vector<fs::path>{file_});
}

TEST_F(IniFileProfileFailures, BinaryGarbageReadsAsNoKeysAndIsKept) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
  IniFileProfile profile = profileOver(garbage);
  EXPECT_EQ(profile.getInt("Options", "EditGridX", 100), 100);
  ASSERT_TRUE(profile.writeString("Options", "EditGridX", "50"));
  EXPECT_EQ(IniFileProfile(file_).getInt("Options", "EditGridX", 100), 50);
  EXPECT_TRUE(test::readFile(file_).starts_with(garbage.substr(0, 100)));
}

}  // namespace
}  // namespace sorvella
