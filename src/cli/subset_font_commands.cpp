// add, new-font, remove, lock, unlock and export-font: the subset fonts of a CID font.
#include <cctype>
#include <memory>
#include <ostream>
#include <system_error>
#include <vector>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "cli/document_session.h"
#include "cli/dump_command.h"
#include "cli/subcommand.h"

namespace sorvella::cli {

namespace fs = std::filesystem;

namespace {

struct Arguments {
  fs::path index;
  OpenOptions open;
  std::vector<fs::path> files;
  std::string name;
  std::string font;
  bool deleteFile = false;
  bool proceed = false;
  std::vector<uint32_t> indexRange;
};

void addAdd(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command =
      app.add_subcommand("add", "Add base fonts (.vtb, .pfb, .ttf) as subset fonts");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("FILE", args->files, "The font files, added in this order")->required();
  command->add_flag("--proceed", args->proceed,
                    "Add TrueType fonts of more than 1000 glyphs too (else they are skipped)");
  commands.push_back({command, [args](std::ostream& out, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        // The fonts that were read are kept even when others were skipped;
                        // a font that could not be written fails the whole command.
                        Document::LargeFontDecision proceed;
                        if (args->proceed) proceed = [](const fs::path&) { return true; };
                        const CommandOutcome added =
                            session.document().addBaseFonts(args->files, proceed);
                        session.report(added);
                        if (added.count == 0) return 1;
                        const int status = session.commit(out);
                        return added.ok ? status : 1;
                      }});
}

void addNewFont(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command = app.add_subcommand("new-font", "Add a new, empty subset font");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("NAME", args->name, "The new font's name")->required();
  command
      ->add_option("--index", args->indexRange,
                   "Make an index font: FIRST LAST, one glyph showing each number")
      ->expected(2);
  commands.push_back({command, [args](std::ostream& out, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        std::optional<IndexRange> index;
                        if (args->indexRange.size() == 2)
                          index = IndexRange{args->indexRange[0], args->indexRange[1]};
                        return session.commit(out, session.report(session.document().newSubsetFont(
                                                       args->name, index)));
                      }});
}

void addRemove(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command = app.add_subcommand("remove", "Remove a subset font");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("N", args->font, "The subset font's number, from 1")->required();
  command->add_flag("--delete-file", args->deleteFile, "Also delete the font's file");
  commands.push_back({command, [args](std::ostream& out, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        std::optional<int32_t> font = session.fontNumber(args->font, false);
                        if (!font) return 1;
                        // The file goes only once the index file no longer names it.
                        if (!session.report(session.document().removeFont(*font, args->deleteFile)))
                          return 1;
                        return session.commit(out);
                      }});
}

void addLock(CLI::App& app, std::vector<Subcommand>& commands, const char* name, bool locked) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command = app.add_subcommand(
      name, locked ? "Lock a subset font, or all of them" : "Unlock a subset font, or all");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("N", args->font, "The subset font's number, from 1, or all")->required();
  commands.push_back({command, [args, locked](std::ostream& out, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        std::optional<int32_t> font = session.fontNumber(args->font, true);
                        if (!font) return 1;
                        if (*font < 0)
                          session.document().setAllLocked(locked);
                        else
                          session.document().setLocked(*font, locked);
                        return session.commit(out);
                      }});
}

void addExportFont(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command =
      app.add_subcommand("export-font", "Write a subset font as a .pfb or .vtb file");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("N", args->font, "The subset font's number, from 1")->required();
  command->add_option("OUT", args->name, "The file to write (.pfb or .vtb)")->required();
  commands.push_back({command, [args](std::ostream& stdOut, std::ostream& err) {
                        fs::path out = args->name;
                        std::string ext = out.extension().string();
                        for (char& c : ext) c = static_cast<char>(std::tolower(c));
                        if (ext != ".pfb" && ext != ".vtb") {
                          err << formatText(kUnknownKindMessage, out.c_str()) << '\n';
                          return 2;
                        }
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        std::optional<int32_t> font = session.fontNumber(args->font, false);
                        if (!font) return 1;
                        if (!session.report(session.document().exportSubsetFontTo(*font, out)))
                          return 1;
                        stdOut << formatText(kWroteSubsetFont, out.string().c_str(),
                                             session.font().subsetFont(*font).characterCount)
                               << '\n';
                        return 0;
                      }});
}

}  // namespace

void addSubsetFontCommands(CLI::App& app, std::vector<Subcommand>& commands) {
  addAdd(app, commands);
  addNewFont(app, commands);
  addRemove(app, commands);
  addLock(app, commands, "lock", true);
  addLock(app, commands, "unlock", false);
  addExportFont(app, commands);
}

}  // namespace sorvella::cli
