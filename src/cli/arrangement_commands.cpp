// copy, move, swap, clear, place, compact and expand: where the characters stand.
#include <memory>
#include <ostream>

#include "cidfont/cid_font_messages.h"
#include "cli/document_session.h"
#include "cli/subcommand.h"

namespace sorvella::cli {

namespace fs = std::filesystem;

namespace {

struct Arguments {
  fs::path index;
  OpenOptions open;
  int32_t first = 0, last = 0, target = 0;
};

// False when the font refused the change (a CID beyond its reach).
using Action = bool (*)(CCidFont& font, const Arguments& args);

void addArrangement(CLI::App& app, std::vector<Subcommand>& commands, const char* name,
                    const char* description, int numbers, Action action) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command = app.add_subcommand(name, description);
  addOpenOptions(*command, args->index, args->open);
  auto nonNegative = CLI::NonNegativeNumber;
  if (numbers == 1)
    command->add_option("TOP", args->target, "The new top CID")->required()->check(nonNegative);
  if (numbers >= 2) {
    command->add_option("FIRST", args->first, "The first of the range")
        ->required()
        ->check(nonNegative);
    command->add_option("LAST", args->last, "The last of the range")
        ->required()
        ->check(nonNegative);
  }
  if (numbers == 3)
    command->add_option("TARGET", args->target, "The CID the range goes to")
        ->required()
        ->check(nonNegative);
  commands.push_back({command, [args, action](std::ostream&, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        if (!action(session.font(), *args)) {
                          err << cid_font_text::kCidBeyondLimit << '\n';
                          return 1;
                        }
                        session.font().setModified(true);
                        return session.save() ? 0 : 1;
                      }});
}

}  // namespace

void addArrangementCommands(CLI::App& app, std::vector<Subcommand>& commands) {
  addArrangement(
      app, commands, "copy", "Copy the characters of CIDs FIRST..LAST to TARGET", 3,
      [](CCidFont& f, const Arguments& a) { return f.CopyRange(a.first, a.last, a.target); });
  addArrangement(
      app, commands, "move", "Move the characters of CIDs FIRST..LAST to TARGET", 3,
      [](CCidFont& f, const Arguments& a) { return f.MoveRange(a.first, a.last, a.target); });
  addArrangement(
      app, commands, "swap", "Exchange CIDs FIRST..LAST with those from TARGET", 3,
      [](CCidFont& f, const Arguments& a) { return f.SwapRange(a.first, a.last, a.target); });
  addArrangement(app, commands, "clear", "Clear CIDs FIRST..LAST", 2,
                 [](CCidFont& f, const Arguments& a) {
                   f.ClearRange(a.first, a.last);
                   return true;
                 });
  addArrangement(
      app, commands, "place",
      "Place the unplaced characters at positions FIRST..LAST (from 0) from CID TARGET on", 3,
      [](CCidFont& f, const Arguments& a) { return f.PlaceUnplaced(a.first, a.last, a.target); });
  addArrangement(app, commands, "compact", "Close up the empty CIDs", 0,
                 [](CCidFont& f, const Arguments&) {
                   f.Compact();
                   return true;
                 });
  addArrangement(app, commands, "expand", "Expand the CID range up to TOP", 1,
                 [](CCidFont& f, const Arguments& a) { return f.ExpandRange(a.target); });
}

}  // namespace sorvella::cli
