// autohint: every glyph of one subset font, or of all, with the options' default parameters.
#include <memory>
#include <ostream>

#include "base/text_format.h"
#include "cidfont/autohint_fonts.h"
#include "cidfont/autohint_settings.h"
#include "cli/document_session.h"
#include "cli/subcommand.h"

namespace sorvella::cli {

namespace {

inline constexpr const char* kProgressTitle = "Autohinting";
inline constexpr const char* kProgressCaption = "Autohinting glyphs...";
inline constexpr const char* kSummary = "Autohinted %i glyphs of %i subset fonts.";
inline constexpr const char* kReceived = "%i glyphs received %i hints";
inline constexpr const char* kWithProgram = "%i glyphs have a hint replacement program.";

struct Arguments {
  std::filesystem::path index;
  OpenOptions open;
  std::string font;
  bool removeHints = false;
};

void printTally(const AutohintTally& tally, std::ostream& out) {
  out << formatText(kSummary, tally.glyphs, tally.fonts) << '\n';
  for (const auto& [hints, glyphs] : tally.glyphsByHints)
    out << "  " << formatText(kReceived, glyphs, hints) << '\n';
  out << formatText(kWithProgram, tally.withProgram) << '\n';
}

}  // namespace

void addAutohintCommand(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command =
      app.add_subcommand("autohint", "Autohint every glyph of a subset font, or of all");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("N", args->font, "The subset font's number, from 1, or all")->required();
  command->add_flag("--remove-hints", args->removeHints,
                    "Remove all existing hints before autohinting");
  commands.push_back(
      {command, [args](std::ostream& out, std::ostream& err) {
         DocumentSession session(err);
         if (!session.open(args->index, args->open)) return 1;
         std::optional<int32_t> font = session.fontNumber(args->font, true);
         if (!font) return 1;
         // The batch tool keeps no settings: the options' defaults apply.
         Options options;
         options.autohintingRemoveHints = args->removeHints ? 1 : 0;
         AutohintFontsResult result;
         {
           ProgressBox progress(session.busy(), kProgressTitle, kProgressCaption);
           result = autohintSubsetFontFiles(session.font(), session.document().folder(), *font,
                                            autohintParameters(options), progress.callback());
         }
         printTally(result.tally, out);
         for (const AutohintFailure& f : result.tally.failures)
           err << formatText(autohint_text::kGlyphNotAutohinted, f.slot, f.font + 1) << '\n';
         if (!result.message.empty()) err << result.message << '\n';
         return result.status == AutohintFontsStatus::kOk && result.tally.failures.empty() ? 0 : 1;
       }});
}

}  // namespace sorvella::cli
