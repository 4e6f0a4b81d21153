// remove-overlap: overlap removal over the glyphs of one subset font or of all of them.
#include <memory>
#include <ostream>

#include "base/text_format.h"
#include "cidfont/subset_font_overlap.h"
#include "cli/document_session.h"
#include "cli/subcommand.h"

namespace sorvella::cli {

namespace {

struct Arguments {
  std::filesystem::path index;
  OpenOptions open;
  std::string font;
  int mode = Options{}.overlapMode;
};

}  // namespace

void addOverlapCommands(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command = app.add_subcommand(
      "remove-overlap", "Remove overlap from every glyph of a subset font, or of all of them");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("N", args->font, "The subset font's number, from 1, or all")->required();
  command
      ->add_option("--mode", args->mode,
                   "OverlapMode: bit 0 even-odd (ATM) fill, bit 1 correct the orientation")
      ->capture_default_str()
      ->check(CLI::Range(0, 3));
  commands.push_back(
      {command, [args](std::ostream& out, std::ostream& err) {
         DocumentSession session(err);
         if (!session.open(args->index, args->open)) return 1;
         std::optional<int32_t> font = session.fontNumber(args->font, true);
         if (!font) return 1;
         OverlapRun how;
         how.mode = static_cast<uint16_t>(args->mode);
         how.fitAscender = session.options().fitAscender;
         how.fitDescender = session.options().fitDescender;
         OverlapRunSummary summary =
             removeOverlapInSubsetFonts(session.font(), session.document().folder(), *font, how);
         for (const std::string& message : summary.messages) err << message << '\n';
         out << formatText(overlap_text::kGlyphsChanged, summary.changed, summary.failedCount())
             << '\n';
         for (const auto& [code, glyphs] : summary.failed)
           out << formatText(overlap_text::kGlyphsFailed, code, glyphs) << '\n';
         const bool ok = summary.messages.empty() && summary.failed.empty();
         if (summary.changed == 0) return ok ? 0 : 1;
         if (!session.report(session.document().saveFont())) return session.abandon();
         return ok ? 0 : 1;
       }});
}

}  // namespace sorvella::cli
