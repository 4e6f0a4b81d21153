#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <ostream>

#include "base/text_format.h"
#include "cli/dump_command.h"
#include "cli/subcommand.h"

namespace sorvella::cli {

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"sorvella-cli: batch work on Sorvella's CID-keyed font folders and font files"};
  app.name("sorvella-cli");
  app.set_version_flag("--version", std::string("sorvella-cli ") + SORVELLA_VERSION);
  app.require_subcommand(1);

  std::string dumpPath;
  DumpOptions dumpOptions;
  CLI::App* dump = app.add_subcommand("dump", "Describe a file of any kind Sorvella knows");
  dump->add_option("FILE", dumpPath, "The file to describe")->required();
  dump->add_flag("--json", dumpOptions.json, "Print the facts as one JSON object");
  dump->add_flag("--records", dumpOptions.records,
                 "List every character record (font, glyph, CID) of an index file, or every "
                 "image of a chart template");
  dump->add_flag("--map", dumpOptions.map, "List every mapping (code, CID) of a CMap");
  dump->add_flag("--outlines", dumpOptions.outlines,
                 "Add every glyph's nodes, hints and hint replacement program (master 0)");

  std::vector<Subcommand> commands;
  addFontFolderCommands(app, commands);
  addSubsetFontCommands(app, commands);
  addArrangementCommands(app, commands);
  addOverlapCommands(app, commands);
  addAutohintCommand(app, commands);
  addTemplateCommand(app, commands);
  addEpsCommands(app, commands);
  addActionsCommand(app, commands);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    app.exit(e, out, err);
    return 2;
  }

  try {
    if (dump->parsed()) return dumpFile(dumpPath, dumpOptions, out, err);
    for (const Subcommand& command : commands)
      if (command.command->parsed()) return command.run(out, err);
  } catch (const std::exception& e) {
    err << formatText(kUnexpectedErrorMessage, e.what()) << '\n';
    return 1;
  }
  return 2;
}

}  // namespace sorvella::cli
