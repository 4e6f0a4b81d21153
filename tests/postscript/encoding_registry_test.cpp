#include "postscript/encoding_registry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class EncodingRegistryTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  EncodingRegistry registry_;

  fs::path write(const std::string& name, const std::string& bytes) {
    test::writeFile(folder_ / name, bytes);
    return folder_ / name;
  }
  // The table of `number`, starting from one that names code 0 "stale".
  EncodingTable load(int32_t number, bool fillDefault, bool* found = nullptr) {
    EncodingTable table;
    table.assign(0, "stale");
    bool loaded = registry_.loadEncoding(number, table, fillDefault);
    if (found) *found = loaded;
    return table;
  }
};

class EncodingRegistration : public EncodingRegistryTest {};

TEST_F(EncodingRegistration, OnlyAValidFirstLineOfAReadableFileAppendsAnEntry) {
  EXPECT_FALSE(registry_.addFile(write("nosemi.enc", "%%VANTREL ENCODING: 1 Standard\nA 65\n")));
  EXPECT_FALSE(registry_.addFile(write("lower.enc", "%%vantrel encoding: 1; Standard\n")));
  EXPECT_FALSE(registry_.addFile(write("empty.enc", "")));
  EXPECT_FALSE(registry_.addFile(folder_ / "missing.enc"));
  EXPECT_FALSE(registry_.addFile(folder_.path()));
  EXPECT_TRUE(registry_.entries().empty());
  fs::path file = write("a.enc", "%%VANTREL ENCODING: 7; Symbol set\r\nalpha 97\r\n");
  ASSERT_TRUE(registry_.addFile(file));
  ASSERT_EQ(registry_.entries().size(), 1u);
  EXPECT_EQ(registry_.entries()[0].number, 7);
  EXPECT_EQ(registry_.entries()[0].displayName, "Symbol set");
  EXPECT_EQ(registry_.entries()[0].path, file);
}

TEST_F(EncodingRegistration, OnlyTheFirst253CharactersOfTheFirstLineCount) {
  const std::string prefix = "%%VANTREL ENCODING: 4; ";
  const std::string longName(300, 'n');
  ASSERT_TRUE(registry_.addFile(write("long.enc", prefix + longName + "\r\nA 65\r\n")));
  EXPECT_EQ(registry_.entries()[0].displayName, longName.substr(0, 253 - prefix.size()));
  EXPECT_EQ(load(4, false).name(65), "A");  // the rest of the long line is not an entry
}

TEST_F(EncodingRegistration, BinaryFilesNeverCrash) {
  std::mt19937 random(20240607);
  std::string bytes(1 << 16, '\0');
  for (char& b : bytes) b = static_cast<char>(random());
  EXPECT_FALSE(registry_.addFile(write("noise.enc", bytes)));
  ASSERT_TRUE(registry_.addFile(write("headed.enc", "%%VANTREL ENCODING: 8; X\n" + bytes)));
  bool found = false;
  EncodingTable table = load(8, false, &found);
  EXPECT_TRUE(found);
  for (int code = 0; code < EncodingTable::kSize; ++code) {
    EXPECT_EQ(table.codeOf(table.name(code)), code);  // still one name per code
  }
}

class EncodingLookup : public EncodingRegistryTest {};

// A missing number, or a file gone since registration, fills placeholders only when asked.
TEST_F(EncodingLookup, AMissingNumberOrFileFillsPlaceholdersOnlyWhenAsked) {
  ASSERT_TRUE(registry_.addFile(write("gone.enc", "%%VANTREL ENCODING: 2; Gone\nA 65\n")));
  fs::remove(folder_ / "gone.enc");
  for (int32_t number : {2, 3}) {
    bool found = true;
    EXPECT_EQ(load(number, false, &found).name(0), "stale");
    EXPECT_FALSE(found);
    found = true;
    EXPECT_EQ(load(number, true, &found), EncodingTable());
    EXPECT_FALSE(found);
  }
  EXPECT_EQ(registry_.find(3), nullptr);
}

// Valid .enc files are registered in file name order, and the first file wins a number.
TEST_F(EncodingLookup, FolderScanRegistersValidEncFilesInFileNameOrder) {
  write("b.enc", "%%VANTREL ENCODING: 1; From b\nInB 65\n");
  write("C.ENC", "%%VANTREL ENCODING: 3; From C\n");
  write("a.enc", "%%VANTREL ENCODING: 1; From a\nInA 65\n");
  write("bad.enc", "%%VANTREL ENCODING: 2 no semicolon\n");
  write("other.txt", "%%VANTREL ENCODING: 4; Not enc\n");
  write("a.enc.bak", "%%VANTREL ENCODING: 5; Backup\n");
  fs::create_directory(folder_ / "dir.enc");
  EXPECT_EQ(registry_.scanFolder(folder_.path()), 3);
  ASSERT_EQ(registry_.entries().size(), 3u);
  EXPECT_EQ(registry_.entries()[0].displayName, "From C");  // upper case sorts first
  EXPECT_EQ(registry_.entries()[1].displayName, "From a");
  EXPECT_EQ(registry_.entries()[2].displayName, "From b");
  EXPECT_EQ(registry_.find(1)->displayName, "From a");
  EXPECT_EQ(load(1, false).name(65), "InA");
  EncodingRegistry empty;
  EXPECT_EQ(empty.scanFolder(folder_ / "missing"), 0);
  EXPECT_EQ(empty.scanFolder(folder_ / "b.enc"), 0);
}

}  // namespace
}  // namespace sorvella
