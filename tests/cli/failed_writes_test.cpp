// Commands that fail: writes stopped part-way as on a full disk (a file size limit on the batch
// tool) and imports of files that cannot be read. Each says so and changes no file.
#include <gtest/gtest.h>

#include <map>

#include "cli/cli_run.h"
#include "postscript/font_program_status.h"
#include "support/cid_fixtures.h"
#include "support/sample_subset_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

// Every file under `folder` with its bytes.
std::map<fs::path, std::string> filesIn(const fs::path& folder) {
  std::map<fs::path, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    files[entry.path()] = entry.is_regular_file() ? test::readFile(entry.path()) : "/";
  return files;
}

// Each limit lets the small files of a command through and stops a larger one later on.
TEST(FailedCommands, SayWhyAndChangeNoFile) {
  test::CliFolder folder;
  const std::string index = test::quoted(folder / "MINCHO" / "MINCHO.sqf");
  std::vector<std::string> glyphs;
  for (int g = 0; g < 40; ++g) glyphs.push_back("g" + std::to_string(g));
  for (const std::string& args :
       {"new " + test::quoted(folder / "MINCHO"),
        "add " + index + " " +
            test::quoted(test::writeSampleFont(folder / "one.vtb", "One", glyphs)),
        "place " + index + " 0 9 0", "export " + index + " " + test::quoted(folder / "saved.sci")})
    ASSERT_EQ(test::runCli(args).status, 0) << args;
  const fs::path extra = test::writeSampleFont(folder / "extra.vtb", "Extra", {"a", "b"});
  const std::string written = "could not be written";
  const std::tuple<std::string, long, std::string> commands[] = {
      {"new " + test::quoted(folder / "NEWF"), 100, written},
      {"import " + test::quoted(test::cidFixture("dict1200.cid")) + " " +
           test::quoted(folder / "BIG"),
       150000, written},
      {"import " + test::quoted(test::cidFixture("ten.cid")) + " " + test::quoted(folder / "TEN"),
       1000, written},
      {"import " + test::quoted(folder / "no.cid") + " " + test::quoted(folder / "NO"), 0,
       font_program_text::kCannotOpen},
      {"import-index " + index + " " + test::quoted(folder / "saved.sci"), 3000, written},
      {"add " + index + " " + test::quoted(extra), 3000, written},
      {"new-font " + index + " Fresh", 3000, written},
      {"remove --delete-file " + index + " 1", 100, written},
      {"lock " + index + " all", 3000, written},
      {"move " + index + " 0 3 20", 3000, written},
      {"export " + index + " " + test::quoted(folder / "out.cid"), 1000, written},
      {"export " + index + " " + test::quoted(folder / "out.sci"), 200, written},
      {"export-font " + index + " 1 " + test::quoted(folder / "out.pfb"), 1000, written},
  };
  const auto before = filesIn(folder / "");
  for (const auto& [args, limit, says] : commands) {
    test::CliResult r = test::runCli(args, limit);
    EXPECT_EQ(r.status, 1) << args << "\n" << r.output;
    EXPECT_NE(r.output.find(says), std::string::npos) << args << "\n" << r.output;
    // Where there was no index file before, none is "unchanged".
    EXPECT_TRUE(args.find("MINCHO") != std::string::npos ||
                r.output.find("previous file") == std::string::npos)
        << r.output;
    EXPECT_TRUE(filesIn(folder / "") == before) << args << "\n" << r.output;
  }
}

}  // namespace
}  // namespace sorvella
