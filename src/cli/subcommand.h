// The document subcommands of the batch tool, registered by group: each adds its CLI11
// subcommands and the function that runs the one the user named.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <vector>

namespace sorvella::cli {

struct Subcommand {
  CLI::App* command = nullptr;
  // The exit status: 0 done, 1 failed (the message is on stderr), 2 a file of unknown kind.
  std::function<int(std::ostream& out, std::ostream& err)> run;
};

// new, import, import-index, info, export
void addFontFolderCommands(CLI::App& app, std::vector<Subcommand>& commands);
// add, new-font, remove, lock, unlock, export-font
void addSubsetFontCommands(CLI::App& app, std::vector<Subcommand>& commands);
// copy, move, swap, clear, place, compact
void addArrangementCommands(CLI::App& app, std::vector<Subcommand>& commands);
// remove-overlap
void addOverlapCommands(CLI::App& app, std::vector<Subcommand>& commands);
// autohint
void addAutohintCommand(CLI::App& app, std::vector<Subcommand>& commands);
// template build
void addTemplateCommand(CLI::App& app, std::vector<Subcommand>& commands);
// eps-export, eps-import
void addEpsCommands(CLI::App& app, std::vector<Subcommand>& commands);
// actions
void addActionsCommand(CLI::App& app, std::vector<Subcommand>& commands);

}  // namespace sorvella::cli
