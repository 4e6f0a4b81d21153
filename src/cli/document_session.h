// One run of a document subcommand: the document, opened from an index file (with the
// --missing choice), changed by one operation, and saved; its messages go to stderr.
#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

#include "cidfont/document.h"
#include "cidfont/settings.h"
#include "cli/cli_platform.h"
#include "platform/headless/memory_profile.h"
#include "platform/system_fonts.h"

namespace sorvella::cli {

inline constexpr const char* kNoSuchSubsetFont = "There is no subset font %s.";
inline constexpr const char* kNotACid = "%s is not a CID: give a whole number from 0 up.";
inline constexpr const char* kLockedLeft =
    "Note: %lld characters of locked subset fonts were left where they are.";
// What a command that succeeded wrote, on standard output.
inline constexpr const char* kSavedIndex =
    "Saved %s: %i subset fonts, %i characters, %i of them placed.";
inline constexpr const char* kWroteCidFont = "Wrote %s: %i characters, %i of them placed.";
inline constexpr const char* kWroteSubsetFont = "Wrote %s: %i glyphs.";

// Characters whose records hold a CID (after Refresh).
int placedCharacters(const CCidFont& font);

// The importers and exporters the batch tool offers (filled as they become available).
DocumentHooks cliDocumentHooks(const Options& options);
// The system's fonts as the batch tool finds them.
const SystemFonts& cliSystemFonts();

struct OpenOptions {
  std::string missing;  // "delete", "ignore" or empty (fail)
};

// Adds FONT.sqf and --missing to a subcommand.
void addOpenOptions(CLI::App& command, std::filesystem::path& index, OpenOptions& options);

class DocumentSession {
 public:
  explicit DocumentSession(std::ostream& err);

  BusyIndicator& busy() { return busy_; }
  Document& document() { return document_; }
  CCidFont& font() { return *document_.font(); }
  const Options& options() const { return options_; }
  std::ostream& err() { return err_; }

  // Opens the index file; missing subset font files are deleted or ignored as asked.
  bool open(const std::filesystem::path& index, const OpenOptions& options);
  // Prints the operation's messages on stderr; whether it went through.
  bool report(const CommandOutcome& outcome);
  // Saves and says what was written: exit status 0. When the save fails, or `ok` is false,
  // the subset font files the command wrote go again and the status is 1: a failed command
  // leaves the folder as it was.
  int commit(std::ostream& out, bool ok = true);
  // A command that failed before it saved.
  int abandon();
  // The line that says what the index file now holds.
  void reportSaved(std::ostream& out);
  // A 1-based font number or "all" from the command line; -1 for "all", nothing when the
  // font does not exist (with a message).
  std::optional<int32_t> fontNumber(const std::string& text, bool allowAll);

 private:
  DocumentEnvironment environment();

  std::ostream& err_;
  BatchPrompts prompts_;
  NoDialogs dialogs_;
  TerminalBusyIndicator busy_;
  MemoryProfile profile_;
  Options options_;
  Document document_;
};

}  // namespace sorvella::cli
