#include "cli/document_session.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "base/text_format.h"
#include "cidfont/standard_document_hooks.h"
#include "platform/fontconfig/fontconfig_system_fonts.h"
#include "postscript/program_encodings.h"

namespace sorvella::cli {

const SystemFonts& cliSystemFonts() {
  static const FontconfigSystemFonts fonts;
  return fonts;
}

DocumentHooks cliDocumentHooks(const Options& options) {
  return standardDocumentHooks(programEncodings(), options, cliSystemFonts());
}

void addOpenOptions(CLI::App& command, std::filesystem::path& index, OpenOptions& options) {
  command.add_option("FONT", index, "The binary index file (.sqf) of the CID font")->required();
  command
      .add_option("--missing", options.missing,
                  "What to do when subset font files are missing: delete the fonts or ignore")
      ->check(CLI::IsMember({"delete", "ignore"}));
}

DocumentSession::DocumentSession(std::ostream& err)
    : err_(err), prompts_(err), busy_(err), document_(environment()) {}

DocumentEnvironment DocumentSession::environment() {
  DocumentEnvironment env(prompts_, dialogs_, dialogs_, dialogs_, busy_, profile_, options_);
  env.hooks = cliDocumentHooks(options_);
  return env;
}

bool DocumentSession::open(const std::filesystem::path& index, const OpenOptions& options) {
  const MissingFonts missing = options.missing == "delete"   ? MissingFonts::kDelete
                               : options.missing == "ignore" ? MissingFonts::kIgnore
                                                             : MissingFonts::kFail;
  return report(document_.openFont(std::filesystem::absolute(index), missing));
}

bool DocumentSession::report(const CommandOutcome& outcome) {
  for (const std::string& message : outcome.messages) err_ << message << '\n';
  return outcome.ok;
}

int DocumentSession::commit(std::ostream& out, bool ok) {
  if (!ok || document_.folderWriteFailed() || !report(document_.saveFont())) return abandon();
  reportSaved(out);
  return 0;
}

int DocumentSession::abandon() {
  document_.discardUnsavedFiles();
  return 1;
}

int placedCharacters(const CCidFont& font) {
  return static_cast<int>(std::count_if(font.records().begin(), font.records().end(),
                                        [](const CharacterRecord& r) { return r.cid >= 0; }));
}

void DocumentSession::reportSaved(std::ostream& out) {
  const CCidFont& font = *document_.font();
  out << formatText(kSavedIndex, document_.indexFile().string().c_str(), font.subsetFontCount(),
                    font.characterCount(), placedCharacters(font))
      << '\n';
}

std::optional<int32_t> DocumentSession::fontNumber(const std::string& text, bool allowAll) {
  if (allowAll && text == "all") return -1;
  int32_t n = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec == std::errc() && end == text.data() + text.size() && n >= 1 &&
      n <= font().subsetFontCount())
    return n - 1;
  err_ << formatText(kNoSuchSubsetFont, text.c_str()) << '\n';
  return std::nullopt;
}

}  // namespace sorvella::cli
