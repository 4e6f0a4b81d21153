// The batch tool as a user runs it: a real process, its output and its exit status.
#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cli/cli_app.h"
#include "cli/cli_run.h"
#include "cli/dump_command.h"
#include "cli/dump_encoding.h"
#include "postscript/font_program_status.h"
#include "support/cid_fixtures.h"
#include "support/sample_subset_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

// 2 for a usage error or a file of a kind the program does not know, 1 for a command that
// failed; each with the program's own message.
TEST(Cli, ExitStatusAndMessage) {
  test::CliFolder folder;
  const std::string notes = folder.write("notes.txt", "just some text\n").string();
  const std::string missing = (folder / "missing.sqf").string();
  const std::string unknown = formatText(cli::kUnknownKindMessage, notes.c_str());
  const std::string unexpected = cli::kUnexpectedErrorMessage;
  const struct {
    std::string args;
    int status;
    std::string says;
  } cases[] = {
      {"--help", 0, "dump"},
      {"--version", 0, "sorvella-cli "},
      {"--no-such-option", 2, ""},
      {"dump", 2, ""},
      {"dump " + notes, 2, unknown},
      {"dump --json " + notes, 2, unknown},
      {"import " + notes + " " + (folder / "X").string(), 2, unknown},
      {"dump " + missing, 1, formatText(cli::kCannotOpenMessage, missing.c_str())},
      // An error no command foresaw is told, never thrown out of the tool.
      {"place '' 0 5 1", 1, unexpected.substr(0, unexpected.find("%s"))},
  };
  for (const auto& c : cases) {
    test::CliResult r = test::runCli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.output;
    EXPECT_NE(r.output.find(c.says), std::string::npos) << c.args << "\n" << r.output;
  }
}

// A damaged file of each kind fails with the reason its reader gives; a file that only looks
// like one of a kind is not taken for it.
TEST(Cli, DamagedFilesFailWithTheirReason) {
  test::CliFolder folder;
  const std::string vtb =
      test::readFile(test::writeSampleFont(folder / "whole.vtb", "Whole", {"a", "b"}));
  const std::string ten = test::readFile(test::cidFixture("ten.cid"));
  const std::string cidImport = "cannot be imported. ";
  const struct {
    std::string name, bytes;
    int status;
    std::string says;
  } cases[] = {
      {"cut.vtb", vtb.substr(0, vtb.size() / 2), 1, "a record is cut short"},
      {"other.vtb", "\x1AZKQ11\x03", 2, ""},
      {"broken.pfa", "%!PS-AdobeFont-1.0: Broken\n/FontName /Broken def\n", 1,
       "not a readable Type 1 font"},
      {"long.cmp", "%!PS-Adobe-3.0 Resource-CMap\n1 begincidchar <e38182> 1", 1,
       "is not a valid CMap file"},
      {"bad.enc", "%%VANTREL ENCODING: 1 no semicolon\nA 65\n", 1,
       cli::kInvalidEncodingHeaderMessage},
      {"low.enc", "%%vantrel encoding: 1; x\n", 2, ""},
      {"map.cid",
       "%!PS-Adobe-3.0 Resource-CIDFont\n/CIDMapOffset 4 def\n/FDArray 0 array\n(Hex) 10 "
       "StartData 0123456789",
       1, cidImport + font_program_text::kCidMapOutOfRange},
      {"cut.cid", ten.substr(0, ten.size() - 200), 1, cidImport + font_program_text::kCutShort}};
  for (const auto& c : cases) {
    test::CliResult r = test::runCli("dump " + folder.write(c.name, c.bytes).string());
    EXPECT_EQ(r.status, c.status) << c.name << "\n" << r.output;
    EXPECT_NE(r.output.find(c.says), std::string::npos) << c.name << "\n" << r.output;
  }
}

}  // namespace
}  // namespace sorvella
