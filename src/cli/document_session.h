// One run of a document subcommand: the document with its dialogs answered from the command
// line, opened from an index file (with the --missing answer), changed, and saved.
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
inline constexpr const char* kLockedSubsetFont = "Subset font %d is locked and can't be removed.";

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

  AnsweringPrompts& prompts() { return prompts_; }
  AnsweringFileDialogs& files() { return files_; }
  AnsweringFolderDialog& folders() { return folders_; }
  AnsweringInputDialogs& inputs() { return inputs_; }
  BusyIndicator& busy() { return busy_; }
  Document& document() { return document_; }
  CCidFont& font() { return *document_.font(); }
  const Options& options() const { return options_; }
  std::ostream& err() { return err_; }

  // Opens the index file; missing subset font files are deleted or ignored as asked.
  bool open(const std::filesystem::path& index, const OpenOptions& options);
  bool save() { return document_.Save(); }
  // A 1-based font number or "all" from the command line; -1 for "all", nothing when the
  // font does not exist (with a message).
  std::optional<int32_t> fontNumber(const std::string& text, bool allowAll);

 private:
  DocumentEnvironment environment();

  std::ostream& err_;
  AnsweringPrompts prompts_;
  AnsweringFileDialogs files_;
  AnsweringFolderDialog folders_;
  AnsweringInputDialogs inputs_;
  TerminalBusyIndicator busy_;
  MemoryProfile profile_;
  Options options_;
  Document document_;
};

}  // namespace sorvella::cli
