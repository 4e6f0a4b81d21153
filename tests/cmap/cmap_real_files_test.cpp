// The CMaps of Debian's poppler-data, copied into a temporary folder as NAME.cmp: each reads or
// fails as its text says, spot checks against the text, basing, and writing them back.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "cmap/code_map.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

const fs::path kPopplerCMaps = "/usr/share/poppler/cMap";

struct RealCMap {
  std::string name;
  fs::path file;  // the copy
  std::string text;
};

// What Read must give for the file, worked out from its lines: codes of more than four digits
// in a section fail with 3 (single codes) or 4 (ranges), as do ranges across rows.
int32_t expectedStatus(const std::string& text) {
  enum { kNone, kSingle, kRange, kNotdefRange } section = kNone;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.find("endcmap") != std::string::npos) return 0;
    if (line.find("begincidchar") != std::string::npos ||
        line.find("beginnotdefchar") != std::string::npos) {
      section = kSingle;
    } else if (line.find("begincidrange") != std::string::npos) {
      section = kRange;
    } else if (line.find("beginnotdefrange") != std::string::npos) {
      section = kNotdefRange;
    } else if (line.find("endcid") != std::string::npos ||
               line.find("endnotdef") != std::string::npos) {
      section = kNone;
    } else if (section != kNone) {
      std::vector<std::string> codes;
      for (std::size_t open = line.find('<'); open != std::string::npos;
           open = line.find('<', open + 1))
        codes.push_back(line.substr(open + 1, line.find('>', open) - open - 1));
      for (const std::string& code : codes)
        if (code.size() > 4) return section == kSingle ? 3 : 4;
      if (section == kRange && codes.size() == 2 && codes[0].size() == 4 &&
          codes[0].substr(0, 2) != codes[1].substr(0, 2))
        return 4;
    }
  }
  return 0;
}

class RealCMaps : public ::testing::Test {
 protected:
  // Each collection gets a folder of its own, as a user keeps them.
  static void SetUpTestSuite() {
    folder_ = new test::TempFolder;
    files_ = new std::vector<RealCMap>;
    std::error_code error;
    for (const auto& collection : fs::directory_iterator(kPopplerCMaps, error)) {
      if (!collection.is_directory()) continue;
      const fs::path target = *folder_ / collection.path().filename().string();
      fs::create_directory(target);
      for (const auto& entry : fs::directory_iterator(collection.path())) {
        RealCMap cmap{entry.path().filename().string(), {}, test::readFile(entry.path())};
        cmap.file = target / (cmap.name + ".cmp");
        test::writeFile(cmap.file, cmap.text);
        files_->push_back(std::move(cmap));
      }
    }
  }

  static void TearDownTestSuite() {
    delete files_;
    delete folder_;
  }

  static const RealCMap& file(const std::string& name) {
    for (const RealCMap& f : *files_)
      if (f.name == name) return f;
    ADD_FAILURE() << name << " is not among the poppler-data CMaps";
    static const RealCMap none;
    return none;
  }

  // Read, then the base found beside the file merged beneath, as the Open command does.
  static bool open(CCodeMap& cmap, const fs::path& file, const fs::path& baseFolderFile) {
    if (!cmap.Read(file)) return false;
    if (cmap.IsBased() &&
        cmap.FindBaseFiles(true, baseFolderFile, [&cmap](const fs::path& base, auto&) {
          cmap.basePath = base;
          return true;
        })) {
      cmap.LoadBase();
      cmap.ApplyBase();
    }
    return true;
  }

  static test::TempFolder* folder_;
  static std::vector<RealCMap>* files_;
};

test::TempFolder* RealCMaps::folder_ = nullptr;
std::vector<RealCMap>* RealCMaps::files_ = nullptr;

TEST_F(RealCMaps, ArePresent) {
  ASSERT_TRUE(fs::is_directory(kPopplerCMaps)) << "install poppler-data";
  EXPECT_GT(files_->size(), 200u);
}

TEST_F(RealCMaps, EachReadsOrFailsAsItsTextSays) {
  int read = 0;
  for (const RealCMap& f : *files_) {
    const int32_t expected = expectedStatus(f.text);
    CCodeMap cmap;
    EXPECT_EQ(cmap.Read(f.file), expected == 0) << f.name;
    EXPECT_EQ(cmap.status, expected) << f.name;
    read += expected == 0;
  }
  EXPECT_GT(read, 100);
  EXPECT_LT(read, static_cast<int>(files_->size()));
}

TEST_F(RealCMaps, ShiftJisAndUnicodeMappingsAsWritten) {
  CCodeMap rksj;
  ASSERT_TRUE(rksj.Read(file("90ms-RKSJ-H").file));
  EXPECT_EQ(rksj.Lookup(0x81, 0x40), 633);  // <8140> <817e>  633
  EXPECT_EQ(rksj.Lookup(0x81, 0x7e), 695);
  EXPECT_EQ(rksj.Lookup(0x00, 0x20), 231);  // <20> <7d>      231
  EXPECT_EQ(rksj.cmapName, "90ms-RKSJ-H");
  EXPECT_EQ(rksj.ordering, "Japan1");
  EXPECT_EQ(rksj.supplement, 2);
  EXPECT_EQ(rksj.cmapVersion, 11.006);
  EXPECT_EQ(rksj.uidOffset, 950);
  EXPECT_EQ(rksj.xuidCount, 3);
  EXPECT_EQ(rksj.xuid[2], 25343);
  ASSERT_EQ(rksj.notdefs.size(), 1u);  // <00> <1f> 231
  EXPECT_EQ(rksj.notdefs[0], (NotdefEntry{0x00, 0x1f, 0, 0, 231}));

  CCodeMap unicode;
  ASSERT_TRUE(unicode.Read(file("UniJIS-UCS2-H").file));
  EXPECT_EQ(unicode.Lookup(0x30, 0x42), 843);  // <3041> <3093> 842
  EXPECT_EQ(unicode.Lookup(0x00, 0x5c), 97);   // <005c> <005c> 97
}

TEST_F(RealCMaps, BasedCMapTakesTheBaseFromItsFolder) {
  const RealCMap& vertical = file("90ms-RKSJ-V");
  CCodeMap cmap;
  ASSERT_TRUE(open(cmap, vertical.file, vertical.file));
  EXPECT_EQ(cmap.baseName, "90ms-RKSJ-H");
  EXPECT_EQ(cmap.basePath, file("90ms-RKSJ-H").file);
  EXPECT_EQ(cmap.wMode, 1);
  EXPECT_EQ(cmap.Lookup(0x81, 0x41), 7887);  // own: <8141> <8142> 7887
  EXPECT_EQ(cmap.Lookup(0x81, 0x40), 633);   // the base's
  EXPECT_EQ(cmap.Lookup(0x00, 0x41), 264);   // the base's <20> <7d> 231
}

TEST_F(RealCMaps, EachWrittenReadsBackTheSame) {
  test::TempFolder out;
  int written = 0;
  for (const RealCMap& f : *files_) {
    CCodeMap cmap;
    if (!open(cmap, f.file, f.file)) continue;
    const fs::path copy = out / (f.name + ".cmp");
    ASSERT_TRUE(cmap.Save(copy)) << f.name << " status " << cmap.status;
    CCodeMap back;
    // The base is looked for where the original lies.
    ASSERT_TRUE(open(back, copy, f.file)) << f.name << " status " << back.status;
    auto header = [](const CCodeMap& c) {
      return std::tie(c.cmapName, c.registry, c.ordering, c.supplement, c.cmapVersion, c.uidOffset,
                      c.xuidCount, c.xuid, c.wMode, c.baseName, c.notdefs);
    };
    EXPECT_EQ(header(back), header(cmap)) << f.name;
    EXPECT_TRUE(
        std::equal(back.codeTable().begin(), back.codeTable().end(), cmap.codeTable().begin()))
        << f.name;
    ++written;
  }
  EXPECT_GT(written, 100);
}

}  // namespace
}  // namespace sorvella
